// Formula group 1: quadratic forms in x and y, each square or cross product
// divided by a distance (1-4), the same with x sin x or x cos x added (5-12),
// and three log-periodic formulas (13-15).
#include "engine/formulas/bank.h"

namespace momentart {

Num group1(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4;
    switch (v2) {
        case 1: return x * x / r3 + y * y / r4;
        case 2: return x * x / r3 - y * y / r4;
        case 3: return x * x / r3 + x * y / r4;
        case 4: return x * x / r3 - x * y / r4;
        case 5: return x * x / r3 + y * y / r4 + x * sin(x);
        case 6: return x * x / r3 + y * y / r4 + x * cos(x);
        case 7: return x * x / r3 - y * y / r4 + x * sin(x);
        case 8: return x * x / r3 - y * y / r4 + x * cos(x);
        case 9: return x * x / r3 + x * y / r4 + x * sin(x);
        case 10: return x * x / r3 + x * y / r4 + x * cos(x);
        case 11: return x * x / r3 - x * y / r4 + x * sin(x);
        case 12: return x * x / r3 - x * y / r4 + x * cos(x);
        case 13: return r3 * sin(ln(abs(x))) + y;
        case 14: return r4 * sin(ln(abs(y))) + x;
        case 15: return r3 * cos(ln(abs(r4 * x)));
        default: return kFail;
    }
}

}  // namespace momentart
