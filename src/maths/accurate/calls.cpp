#include "maths/accurate/calls.h"

#include "maths/accurate.h"

namespace momentart::maths::accurate {

Calls calls() {
    constexpr auto kRelaxed = std::memory_order_relaxed;
    return {gCounters.sin.load(kRelaxed), gCounters.cos.load(kRelaxed), gCounters.tan.load(kRelaxed),
            gCounters.log.load(kRelaxed), gCounters.atan.load(kRelaxed), gCounters.pow.load(kRelaxed)};
}

}  // namespace momentart::maths::accurate
