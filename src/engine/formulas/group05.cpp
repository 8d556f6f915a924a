// Formula group 5: the angles fi3 and fi4 inside sines and cosines, quotients
// and products of logarithms, and the factor sin(ln |x r3|) against
// sin(cos(r4 y)). Formulas 1 and 4 divide by a logarithm, 7 and 12 to 15 by a
// sine: each fails where its divisor is 0.
#include "engine/formulas/bank.h"

namespace momentart {

Num group5(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, fi3 = s.fi3, fi4 = s.fi4;
    switch (v2) {
        case 1: return r3 + y * sin(fi3 * sin(fi3 * y * x)) / ln(abs(y * fi4 * sin(fi4)));
        case 2: return r4 + ln(abs(sin(x * y * fi3))) + ln(abs(r3 * cos(fi4)));
        case 3:
            return x + x * sin(fi3) + y * sin(fi4) + ln(abs(r3 * sin(r3 * x) + r4 * sin(r4 * y)));
        case 4: return r4 + ln(abs(sin(x * y * fi3))) / ln(abs(r3 * cos(fi4)));
        case 5: return y - r3 + ln(abs(cos(x * r3))) * ln(abs(r3 * sin(y * fi4)));
        case 6: return x * x / r3 + ln(abs(y * y / r4)) * cos(r3 * x) + y;
        case 7: return r3 * r4 + ln(abs(y + r4)) * cos(r3 * x) + r3 / sin(cos(fi4));
        case 8: return y * sin(ln(abs(x * r3))) * sin(cos(r4 * y));
        case 9: return x + sin(ln(abs(x * r3))) * sin(cos(r4 * y));
        case 10: return x * sin(ln(abs(x * r3))) * sin(cos(r4 * y));
        case 11: return y + sin(ln(abs(x * r3))) * sin(cos(r4 * y));
        case 12: return y + sin(ln(abs(x * r3))) / sin(cos(r4 * x));
        case 13: return y * sin(ln(abs(x * r3))) / sin(cos(r4 * y));
        case 14: return x + sin(ln(abs(x * r3))) / sin(cos(r4 * y));
        case 15: return x * sin(ln(abs(x + r3))) / sin(cos(r4 * y)) + sin(fi4);
        default: return kFail;
    }
}

}  // namespace momentart
