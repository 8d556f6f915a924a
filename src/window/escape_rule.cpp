#include "window/escape_rule.h"

namespace momentart {

bool EscapeRule::exitsNow() {
    const bool tooSoon = ended_.has_value() && now_() - *ended_ < kGrace;
    // Warned once: the next Escape ends the program, however soon it comes.
    ended_.reset();
    return !tooSoon;
}

}  // namespace momentart
