#include "engine/colouring/families.h"

namespace momentart::colouring {

void familyTwo(GenerationState& s, Canvas& canvas, Spot at, int tip) {
    stored(s.ba, Num(s.ba) * s.fba2);
    stored(s.k, Int(Num(s.ba)));
    switch (tip) {
        case 2:
            stored(s.k, Num(s.k) * 10);
            paintColourNumber(canvas, at,
                              Num(s.k) * s.r3 * s.r4 * abs(Num(s.r6) + s.r7) / ln(Num(s.r8)));
            break;
        case 3:
            paintColourNumber(canvas, at, Num(s.k) * 10000);
            break;
        default:
            break;  // no such scheme: nothing painted
    }
}

}  // namespace momentart::colouring
