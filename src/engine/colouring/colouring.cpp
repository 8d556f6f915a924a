#include "engine/colouring/colouring.h"

#include "engine/colouring/families.h"

namespace momentart {

namespace {

// The scheme number is taken as a 16-bit integer; one that does not convert
// selects no scheme.
int schemeOf(const GenerationState& s) {
    const auto tip = colouring::wholeIn(s.tip, -32768, 32767);
    return tip ? static_cast<int>(*tip) : 0;
}

}  // namespace

void barvanivo2(GenerationState& s, Canvas& canvas, int clipScale) {
    using namespace colouring;
    const Spot at{s.i + s.zamikx, s.j + s.zamiky};
    if (at.px > s.sir0 * clipScale) return;
    if (at.py > s.vis0 * clipScale) return;

    const int scheme = schemeOf(s);
    if (s.barve == 2) {
        familyTwo(s, canvas, at, scheme);
    } else if (s.barve == 3) {
        channelScheme(s, canvas, at, scheme);
    } else if (s.barve == 5) {
        familyFive(s, canvas, at, scheme);
    }
}

int colouringDraws(const GenerationState& s) {
    return s.barve == 5 && schemeOf(s) == colouring::kMixedScheme ? 1 : 0;
}

}  // namespace momentart
