// Formula group 4: nested trigonometric functions of the distances (sin of cos
// of tan), and logarithms of absolute sums. ln(r4) is taken without abs and
// fails where r4 is 0.
#include "engine/formulas/bank.h"

namespace momentart {

Num group4(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4;
    switch (v2) {
        case 1: return r3 + x * sin(cos(r3)) / cos(r4);
        case 2: return r3 + y * sin(cos(tan(r3))) + cos(r4) - sin(y / r3);
        case 3: return r3 + y * sin(cos(tan(r3))) + x * cos(sin(tan(r4)));
        case 4: return r3 + y * sin(cos(tan(x))) + x * cos(sin(tan(r4)));
        case 5: return r3 + y * sin(cos(tan(y))) + x * cos(sin(tan(r4)));
        case 6: return x + r4 * sin(y * r3) + r3 * cos(x * r4) + ln(r4);
        case 7: return x + ln(abs(r4 * sin(y * r3) + r3 * cos(x * r4) * ln(abs(y))));
        case 8: return x + ln(abs(r4 * sin(y * r3) + r3 * cos(x * r4) + ln(r4)));
        case 9: return r3 + ln(abs(y * sin(cos(y * x)) + r4 * cos(sin(r4))));
        case 10: return r3 + ln(abs(y * sin(cos(y * x)) + r4 * cos(sin(r4 * r3))));
        case 11: return r3 + ln(abs(x * sin(cos(r3)) / cos(r4 * x)));
        case 12: return r3 + r4 + ln(abs(x * sin(cos(r3)) * cos(r4 * x)));
        case 13: return x + ln(abs(x + r4 * sin(y * r3))) + r3 * cos(r4) + ln(r4);
        case 14: return ln(abs(r3 + y * sin(cos(sin(x * r3))))) + x * cos(sin(cos(r4 * x)));
        case 15: return x * ln(abs(x + r4 * sin(y * r3))) + ln(abs(r3 * cos(r4) + ln(r4)));
        default: return kFail;
    }
}

}  // namespace momentart
