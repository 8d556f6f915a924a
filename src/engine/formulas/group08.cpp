// Formula group 8: logarithms of mixed trigonometric sums with the angle fi5 and
// the distances r3..r5, sums and products of two or three logarithms, and
// square roots of products of logarithms. In formulas 13 and 15 the
// parenthesised sum is formed first and then added; formula 15 takes ln(r4)
// without abs.
#include "engine/formulas/bank.h"

namespace momentart {

Num group8(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, fi5 = s.fi5;
    switch (v2) {
        case 1: return r3 + sin(x * r3) + ln(abs(r5 * r4 - y)) * sqrt(abs(sin(x) * x));
        case 2: return r4 + tan(x + sin(ln(abs(r4 * y + r5))) * cos(ln(abs(y / r4))));
        case 3: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * r4 * r5 * sin(y)));
        case 4: return ln(abs(r4 * sin(r3 + x - y) + r5 * cos(fi5 + r4 * y))) + r4;
        case 5: return ln(abs(r4 * sin(r3 + x - y) + r5 * cos(fi5 + r4 * y))) + ln(abs(r4 * x));
        case 6:
            return ln(abs(r4 + sin(r3 + x - y) + r5 * cos(fi5 + r4 * y) - r3 * sin(r4 * x))) + r5;
        case 7:
            return ln(abs(r4 + sin(r3 + x - y) + r5 * cos(fi5 + r4 * y) - r3 * sin(r4 * x))) + x;
        case 8:
            return ln(abs(r4 * sin(r3 + x - y) + r5 * cos(fi5 + r4 + y) - r3 * sin(r4 + x))) + x +
                   y + r3;
        case 9: return ln(abs(r3 + x * sin(x) + y * cos(y))) + ln(abs(r3 * cos(r3) + r4 * cos(r4)));
        case 10:
            return ln(abs(r3 + x * sin(x) - y * cos(y))) * ln(abs(r3 * cos(r3) - r4 * cos(r4)));
        case 11: return ln(abs(r3 * x * sin(x))) * ln(abs(r3 * cos(r3)));
        case 12: return r3 + ln(abs(r3 + x * sin(x))) / ln(abs(r3 * cos(r3)));
        case 13: return x + (ln(abs(y * cos(y))) + ln(abs(x * sin(x))) + ln(abs(r3 * cos(r3))));
        case 14: return sqrt(abs(ln(abs(y * cos(y))) * ln(abs(x * sin(x))))) + x * sin(y);
        case 15: return ln(r4) * sqrt(abs(y * sin(cos(tan(r3))) + x * sin(y / r3))) + (y + sin(r3));
        default: return kFail;
    }
}

}  // namespace momentart
