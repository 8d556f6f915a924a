// Formula group 3: sums of terms v sin(v) or v cos(v) over the coordinates, the
// distances, the offsets and the angles. Formula 13 adds dy3 and sin(dy3) as two
// separate terms, where formula 14 has the product dy3 * sin(dy3).
#include "engine/formulas/bank.h"

namespace momentart {

Num group3(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, dx3 = s.dx3, dx4 = s.dx4, dy3 = s.dy3,
              dy4 = s.dy4, fi3 = s.fi3, fi4 = s.fi4;
    switch (v2) {
        case 1: return y * r4 * cos(ln(abs(x + y))) + r4 + sin(r3 * x);
        case 2: return x * sin(x) + y * sin(y) + r3 * sin(r3) + r4 * sin(r4);
        case 3: return x * cos(x) + y * cos(y) + r3 * cos(r3) + r4 * cos(r4);
        case 4: return x * sin(x) + y * cos(y) + r3 * sin(r3) + r4 * cos(r4);
        case 5: return x * cos(x) + y * sin(y) + r3 * cos(r3) + r4 * sin(r4);
        case 6: return x * sin(x * x) + y * sin(y * y) + x * y * sin(x * y);
        case 7: return x * sin(x * x) + y * cos(y * y);
        case 8: return x * cos(y * y) + y * sin(x * x);
        case 9: return r3 * sin(r3) + r4 * sin(r4);
        case 10: return r3 * sin(r3) + r4 * cos(r4) + sqrt(r3 * r4);
        case 11: return r3 * sin(r3) + r4 * sin(r4) + x * sin(sqrt(r3 * r4));
        case 12: return r3 * cos(r3) + r4 * cos(r4) + x * cos(sqrt(r3 * r4));
        case 13: return dx3 * sin(dx3) + dx4 * sin(dx4) + dy3 + sin(dy3) + dy4 * sin(dy4);
        case 14: return dx3 * sin(dx3) - dx4 * cos(dx4) + dy3 * sin(dy3) - dy4 * cos(dy4);
        case 15: return x * fi3 * sin(fi3) + y * fi4 * sin(fi4);
        default: return kFail;
    }
}

}  // namespace momentart
