// Formula group 2: a log-periodic term sin(ln |...|) or cos(ln |...|) of a
// product of the coordinates, weighted by a coordinate or by a coordinate times
// a distance, plus a second oscillating term.
#include "engine/formulas/bank.h"

namespace momentart {

Num group2(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, fi3 = s.fi3;
    switch (v2) {
        case 1: return x * sin(ln(abs(x * y)));
        case 2: return y + cos(ln(abs(x * y)));
        case 3: return x * sin(ln(abs(x * y))) + y * sin(fi3);
        case 4: return y * sin(ln(abs(x * y))) + x * sin(fi3);
        case 5: return x * cos(ln(abs(x * x))) + y * sin(fi3);
        case 6: return y * cos(ln(abs(y * y))) + x * sin(fi3);
        case 7: return x * sin(ln(abs(x * x))) + y * cos(x * y);
        case 8: return x * sin(ln(abs(x + x))) + y * cos(x * r4);
        case 9: return x * r3 * sin(ln(abs(x * r3))) + y * cos(x + r4);
        case 10: return y * r3 * sin(ln(abs(y * r3))) + x * cos(x * r4);
        case 11: return x * r3 * sin(ln(abs(x * r3))) + y * cos(y * r4);
        case 12: return y * r4 * cos(ln(abs(y * r3))) + x * sin(x * r4);
        case 13: return y * r4 * cos(ln(abs(y + x))) + r3 * sin(x * r4);
        case 14: return x + y * sin(ln(abs(x * r3))) + y * cos(x * r4);
        case 15: return y * r3 * sin(ln(abs(x * r3))) + r4 * cos(r3 * y);
        default: return kFail;
    }
}

}  // namespace momentart
