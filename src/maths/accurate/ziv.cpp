#include "maths/accurate/ziv.h"

#include <bit>
#include <cstdint>

namespace momentart::maths::accurate {

double roundedWithin(const Approximation& a, bool& decided) {
    const double nearest = a.value.rounded();
    const int n = a.value.limbs();
    if (a.errorBits < -32 * n) {  // exact
        decided = true;
        return nearest;
    }
    // The interval widened to twice the bound: the sums below truncate
    // towards zero, by less than eps = 2^(2 - 32n) relative, which the extra
    // width outweighs (errorBits >= 4 in every use).
    const Real width = a.value.abs().scaled(a.errorBits + 1 - 32 * n);
    const double low = (a.value - width).rounded(), high = (a.value + width).rounded();
    decided = std::bit_cast<std::uint64_t>(low) == std::bit_cast<std::uint64_t>(high);
    return nearest;
}

}  // namespace momentart::maths::accurate
