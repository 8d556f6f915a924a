#include "engine/colouring/colouring.h"

#include "engine/colouring/families.h"

namespace momentart {

void barvanivo2(GenerationState& s, Canvas& canvas) {
    using namespace colouring;
    const Spot at{s.i + s.zamikx, s.j + s.zamiky};
    if (at.px > s.sir0) return;
    if (at.py > s.vis0) return;

    // The scheme number is taken as a 16-bit integer; one that does not
    // convert selects no scheme.
    const auto tip = wholeIn(s.tip, -32768, 32767);
    const int scheme = tip ? static_cast<int>(*tip) : 0;

    if (s.barve == 2) {
        familyTwo(s, canvas, at, scheme);
    } else if (s.barve == 3) {
        channelScheme(s, canvas, at, scheme);
    } else if (s.barve == 5) {
        familyFive(s, canvas, at, scheme);
    }
}

}  // namespace momentart
