// The accurate path's constants, computed when the program was built.
#pragma once

#include "maths/accurate/constants.h"

namespace momentart::maths::accurate {

inline constexpr Constants kConstants =
#include "maths/accurate_constants.inc"
    ;

}  // namespace momentart::maths::accurate
