#include <cmath>

#include "engine/colouring/families.h"

namespace momentart::colouring {

void familyFive(GenerationState& s, Canvas& canvas, Spot at, int tip) {
    if (tip != kMixedScheme) return;  // the family's only scheme
    // The coin is single precision throughout; the largest Rnd value,
    // 1 - 2^-24, rounds 2 * u + 1 up to 3, which also picks scheme 13.
    const float u = s.rnd.rnd();
    stored(s.typ, static_cast<double>(std::floor(2.0f * u + 1.0f)));
    channelScheme(s, canvas, at, s.typ == 1 ? 6 : 13);
}

}  // namespace momentart::colouring
