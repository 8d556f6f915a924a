// Formula group 12: izraz combined with its own logarithm or with a
// trigonometric function of itself (formulas 1-3, 9-14), divided by a distance
// (6), or divided by the logarithm of a product with izraz (7-15). The
// logarithms of izraz and of products with it take no abs.
//
// The preamble, ln |x + y + r3 r4 sin(r5) r6 r7 cos(r8)| with the product
// formed from the left, is the group's new izraz.
#include "engine/formulas/bank.h"

namespace momentart {

Num preamble12(const GenerationState& s) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, r6 = s.r6, r7 = s.r7, r8 = s.r8;
    return ln(abs(x + y + r3 * r4 * sin(r5) * r6 * r7 * cos(r8)));
}

Num group12(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, r6 = s.r6, r7 = s.r7, r8 = s.r8,
              izraz = s.izraz;
    switch (v2) {
        case 1: return izraz + ln(izraz);
        case 2: return izraz * ln(izraz);
        case 3: return izraz * ln(abs(cos(izraz)));
        case 4: return izraz + ln(abs(x * cos(y) + y * sin(x))) / r8;
        case 5: return izraz * ln(pow(r5 / r6, r7 / r8)) * sin(x);
        case 6: return izraz / r4;
        case 7: return izraz / ln(izraz * tan(r6));
        case 8: return izraz / ln(izraz * cos(r5) * sin(r8));
        case 9: return izraz / ln(izraz * cos(izraz));
        case 10: return izraz / ln(izraz * sin(izraz));
        case 11: return izraz / ln(izraz * tan(izraz));
        case 12: return izraz / ln(izraz * sin(izraz) * cos(izraz));
        case 13: return izraz / ln(izraz * sin(izraz) * tan(izraz));
        case 14: return izraz / ln(izraz * cos(izraz) * tan(izraz));
        case 15: return izraz / ln(izraz * sin(x * r3) * cos(y * r4));
        default: return kFail;
    }
}

}  // namespace momentart
