// Formula group 9: the logarithm of a product that contains ln(r4), times
// tan(r5) (formulas 1-2), nested once more in a logarithm (3-5), or a fixed
// product logarithm times a varying factor (6-15). Every formula fails where r4
// is 1 (ln r4 = 0 inside the outer logarithm) or 0.
#include "engine/formulas/bank.h"

namespace momentart {

Num group9(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, dx4 = s.dx4, dx5 = s.dx5,
              fi3 = s.fi3, fi4 = s.fi4;
    switch (v2) {
        case 1: return ln(abs(x * sin(y) * y * cos(x) * ln(r4))) * tan(r5);
        case 2: return ln(abs(y * sin(x) * x * cos(y) * ln(r4))) * tan(r5);
        case 3: return ln(abs(ln(abs(y * sin(x) * x * cos(y) * ln(r4))) * tan(r5)));
        case 4: return dx4 + ln(abs(ln(abs(y * sin(x) * x * cos(y) * ln(r4))) * tan(r5)));
        case 5: return x * fi4 * ln(abs(ln(abs(y * sin(x) * x * cos(y) * ln(r4))) * tan(r5)));
        case 6: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * tan(x);
        case 7: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * tan(y);
        case 8: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * tan(x * y);
        case 9: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * tan(abs(x * y));
        case 10: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * tan(abs(r4 * fi3));
        case 11: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * sin(x);
        case 12: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * sqrt(abs(x));
        case 13: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * sqrt(abs(y));
        case 14: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * ln(abs(r4 + fi3 + dx5));
        case 15: return ln(abs(x * sin(r3) * y * cos(r4) * ln(r4))) * sqrt(abs(r4 + fi3 + dx5));
        default: return kFail;
    }
}

}  // namespace momentart
