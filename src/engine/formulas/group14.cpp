// Formula group 14 (feedback): formulas of groups 4, 6, 7 and 8 with ba, the
// field value on entry, substituted for or added to coordinates inside the
// trigonometric functions; formula 1 combines ob67, rmin and rmax.
#include "engine/formulas/bank.h"

namespace momentart {

Num group14(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, fi5 = s.fi5, rmin = s.rmin,
              rmax = s.rmax, ob67 = s.ob67, ba = s.ba;
    switch (v2) {
        case 1: return ln(abs(ob67 + x)) * ln(abs(rmin * cos(ba + r5))) * ln(abs(y + tan(rmax)));
        case 2: return r3 + ln(abs(y * sin(cos(y * x)) + r4 * cos(sin(ba * r3))));
        case 3: return r3 + ln(abs(y * sin(cos(ba * x)) + r4 * cos(sin(ba * r3))));
        case 4: return x + ln(abs(r4 * sin(y * r3) + r3 * cos(ba * r4) * ln(abs(y))));
        case 5: return x + ln(abs(r4 * sin(ba * r3) + r3 * cos(ba * r4) * ln(abs(y))));
        case 6: return y + ln(sqrt(abs(sin(cos(tan(ba * y))) + cos(ba * y) + sin(x))));
        case 7: return r3 + y * sin(cos(tan(r3))) + x * cos(sin(tan(ba)));
        case 8: return x * ln(abs(x + r4 * sin(y * ba))) + ln(abs(r3 * cos(r4) + ln(r4)));
        case 9: return x * ln(abs(sin(cos(r3 + r4) + cos(sin(ba + y)))));
        case 10:
            return ln(abs(r4 + sin(ba + x - y) + r5 * cos(ba + r4 * y) - r3 * sin(ba * x))) + x;
        case 11:
            return ln(abs(r4 * sin(r3 * ba + x - y) + r5 * cos(fi5 + r4 * ba + y) -
                          r3 * sin(r4 + ba + x))) +
                   x + y + r3;
        case 12: return y + ln(abs(sin(cos(r3 + r4 + ba) + cos(sin(x + y + ba)))));
        case 13: return ln(abs(y * sin(cos(tan(r3 + ba))))) + ln(abs(x * cos(sin(tan(r4)))));
        case 14: return ln(abs(y * sin(cos(tan(r3 + ba))))) + ln(abs(ba + x * cos(sin(tan(ba)))));
        case 15:
            return y + sin(ln(abs(ba + x * r3))) * sin(cos(ba * y)) +
                   ln(abs(ba + r4 * y)) * sin(cos(ln(abs(tan(ba + r5)))));
        default: return kFail;
    }
}

}  // namespace momentart
