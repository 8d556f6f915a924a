// Formula group 15 (feedback): ba, the field value on entry, added inside the
// arguments of sines, cosines, tangents and logarithms of formulas in the
// manner of groups 2, 5, 6, 7 and 8. With ba = 0, formula 1 is group 2's
// formula 3 and formula 5 is group 8's formula 3.
#include "engine/formulas/bank.h"

namespace momentart {

Num group15(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, r6 = s.r6, r7 = s.r7, r8 = s.r8,
              fi3 = s.fi3, fi6 = s.fi6, ba = s.ba;
    switch (v2) {
        case 1: return x * sin(ln(abs(x * y + ba))) + y * sin(fi3 + ba);
        case 2: return y * cos(ln(abs(y * y + ba))) + x * sin(fi3 + ba) + sin(cos(tan(r3 + ba)));
        case 3:
            return r4 * sin(ln(abs(y + ba))) + r8 * sin(cos(tan(r6 + ba))) +
                   r5 * ln(abs(cos(r5 + fi6))) + x * y;
        case 4:
            return x + x / r3 * ln(abs(ba + y * y / r4)) * cos(ba + r3 * x) +
                   y * ln(abs(sin(ba + r6)));
        case 5: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * r4 * r5 * sin(y + ba)));
        case 6: return ln(abs(cos(ln(abs(x * sin(ba + x / r3)))) * x * r3 * r4 * r5 * sin(y + ba)));
        case 7: return ln(abs(cos(ln(abs(y * sin(y / r3)))) * y * r3 * r4 * r5 * sin(y + ba)));
        case 8: return ln(abs(cos(ln(abs(y * sin(ba + y / r3)))) * y * r3 * r4 * r5 * sin(y + ba)));
        case 9: return r4 + tan(x + sin(ba + ln(abs(r4 * y + r5))) * cos(ba + ln(abs(y / r4))));
        case 10:
            return r4 + tan(y + sin(ba + ln(abs(r4 * y + r5))) * cos(ba + ln(abs(y / r4)))) *
                            sin(ba + ln(abs(y + ba)));
        case 11:
            return ln(abs(r3 + x * sin(x + ba) + x * cos(x + ba))) +
                   ln(abs(r3 * cos(r3 + ba) * r4 * cos(r4 + ba)));
        case 12: return y * ln(sqrt(abs(sin(y * r4) * cos(y) * tan(r5 + ba) * sin(r8 * y))));
        case 13: return y + ln(sqrt(abs(ba + sin(y * r4) * cos(y) * tan(r5 + ba) * sin(r8 * y))));
        case 14:
            return y + ln(abs(sin(ba + cos(ba + tan(r4 * y + ba * r7))) + cos(r3 * y + ba) +
                              sin(x + ba)));
        case 15:
            return y + ln(sqrt(abs(sin(y * r4 + ba) + cos(x) + tan(r5 + ba) + sin(x * y + ba))));
        default: return kFail;
    }
}

}  // namespace momentart
