// A write that failed for want of room, in plain words.
#pragma once

#include <QString>

namespace momentart {

// "no space left on the device" for ENOSPC, "the disk quota is used up" for
// EDQUOT; an empty string for any other error number.
QString diskFailure(int error);

}  // namespace momentart
