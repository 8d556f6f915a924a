// Groups not yet written: every formula fails, so `ba` keeps its value.
#include "formulas/bank.h"

namespace momentart {

#define PENDING_GROUP(n) \
    Num group##n(const GenerationState&, int) { return kFail; }
PENDING_GROUP(11)
PENDING_GROUP(12)
PENDING_GROUP(13)
PENDING_GROUP(14)
PENDING_GROUP(15)
PENDING_GROUP(16)
Num preamble11(const GenerationState&) { return kFail; }
Num preamble12(const GenerationState&) { return kFail; }

}  // namespace momentart
