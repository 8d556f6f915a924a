#include "colouring/colouring.h"

namespace momentart {

// Placeholder until the colouring families are written: paints nothing.
void barvanivo2(GenerationState&, Canvas&) {}

}  // namespace momentart
