// Formula group 11: izraz times the logarithm of |r4 sin(...)|, the sine's
// argument x r5 or x + r5, with a cosine factor or divisor (formulas 3-14)
// taken from x y, r3 fi5, r3 + fi5 or y / x.
//
// The preamble, ln(r3) ^ (r4 / (1 + r5)), is the group's new izraz; it fails
// where r3 <= 0, and where r3 < 1 (a negative base) unless the exponent is a
// whole number.
#include "engine/formulas/bank.h"

namespace momentart {

Num preamble11(const GenerationState& s) {
    const Num r3 = s.r3, r4 = s.r4, r5 = s.r5;
    return pow(ln(r3), r4 / (1 + r5));
}

Num group11(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, fi3 = s.fi3, fi5 = s.fi5,
              izraz = s.izraz;
    switch (v2) {
        case 1: return izraz * ln(abs(r4 * sin(x * r5)));
        case 2: return izraz * ln(abs(r4 * sin(x + r5)));
        case 3: return izraz * ln(abs(r4 * sin(x + r5) * cos(x * y)));
        case 4: return izraz * ln(abs(r4 * sin(x + r5) * cos(r3 * fi5)));
        case 5: return izraz * ln(abs(r4 * sin(x + r5) * cos(y / x)));
        case 6: return izraz * ln(abs(r4 * sin(x + r5) / cos(y * x)));
        case 7: return izraz * ln(abs(r4 * sin(x + r5) / cos(r3 * fi5)));
        case 8: return izraz * ln(abs(r4 * sin(x + r5) / cos(y / x)));
        case 9: return izraz * ln(abs(r4 * sin(x * r5) * cos(x * y)));
        case 10: return izraz * ln(abs(r4 * sin(x * r5) * cos(r3 + fi5)));
        case 11: return izraz * ln(abs(r4 * sin(x * r5) * cos(y / x)));
        case 12: return izraz * ln(abs(r4 * sin(x * r5) / cos(x * y)));
        case 13: return izraz * ln(abs(r4 * sin(x * r5) / cos(r3 * fi5)));
        case 14: return izraz * ln(abs(r4 * sin(x * r5) / cos(y / x)));
        case 15: return izraz * ln(abs(fi3 * sin(x * r5) / ln(abs(y + r4))));
        default: return kFail;
    }
}

}  // namespace momentart
