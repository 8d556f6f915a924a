// Formula group 10: the cube root of |ln |tan(r5)||, taken as a power with the
// exponent 1.0 / 3.0 of a value that is never negative, combined with |x| or
// |y| by product or sum and with one more term. Fails where tan(r5) is 0.
#include "engine/formulas/bank.h"

namespace momentart {

namespace {

// The exponent of the cube root: the double quotient, not an integer 1 / 3.
const Num kThird = Num(1.0) / 3.0;

}  // namespace

Num group10(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5;
    switch (v2) {
        case 1: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(x);
        case 2: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(x);
        case 3: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(y);
        case 4: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(y);
        case 5: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(x) + r3;
        case 6: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(x) + r3;
        case 7: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(y) + r3;
        case 8: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(y) + r3;
        case 9: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(x) + r3 * sin(r4);
        case 10: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(x) + r3 * sin(r4);
        case 11: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(y) + r3 * sin(r4);
        case 12: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(y) + r3 * sin(r4);
        case 13: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(x) + ln(abs(r3 * tan(r4)));
        case 14: return pow(abs(ln(abs(tan(r5)))), kThird) + abs(x) + ln(abs(r3 * tan(r4)));
        case 15: return pow(abs(ln(abs(tan(r5)))), kThird) * abs(y) + ln(abs(r3 * sin(r4)));
        default: return kFail;
    }
}

}  // namespace momentart
