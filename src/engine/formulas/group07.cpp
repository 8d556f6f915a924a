// Formula group 7: the logarithm of the square root of the absolute value of a
// sum (formulas 1-4, 9-12) or a product (5-8) of trigonometric terms, added to
// or multiplied by a coordinate; formulas 13-15 are single forms.
#include "engine/formulas/bank.h"

namespace momentart {

Num group7(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5;
    switch (v2) {
        case 1: return y + ln(sqrt(abs(sin(y * r4) + cos(x) + tan(r5) + sin(x * y))));
        case 2: return x + ln(sqrt(abs(sin(y * r4) + cos(x) + tan(r5) + sin(x * y))));
        case 3: return y * ln(sqrt(abs(sin(y * r4) + cos(x) + tan(r5) + sin(x * y))));
        case 4: return x * ln(sqrt(abs(sin(y * r4) + cos(x) + tan(r5) + sin(x * y))));
        case 5: return y + ln(sqrt(abs(sin(y * r4) * cos(x) * tan(r5) * sin(x * y))));
        case 6: return x + ln(sqrt(abs(sin(y * r4) * cos(x) * tan(r5) * sin(x * y))));
        case 7: return y * ln(sqrt(abs(sin(y * r4) * cos(x) * tan(r5) * sin(x * y))));
        case 8: return x * ln(sqrt(abs(sin(y * r4) * cos(x) * tan(r5) * sin(x * y))));
        case 9: return y + ln(sqrt(abs(sin(cos(tan(x * y))) + cos(r3 * y) + sin(x))));
        case 10: return x + ln(sqrt(abs(sin(cos(tan(x * y))) + cos(r3 * y) + sin(x))));
        case 11: return y * ln(sqrt(abs(sin(cos(tan(x * y))) + cos(r3 * y) + sin(x))));
        case 12: return abs(x) * ln(sqrt(abs(sin(cos(tan(x * y))) + cos(r3 * y) + sin(x))));
        case 13: return abs(y) * sin(ln(abs(tan(cos(x * r4))))) + x;
        case 14: return ln(abs(y * sin(cos(tan(r3))))) + ln(abs(x * cos(sin(tan(r4)))));
        case 15: return ln(abs(x)) * (y * sin(x) + x * cos(y) + r5 * tan(r5)) + ln(abs(x + y * r5));
        default: return kFail;
    }
}

}  // namespace momentart
