#include "platform/disk_failure.h"

#include <cerrno>

namespace momentart {

QString diskFailure(int error) {
    if (error == ENOSPC) return "no space left on the device";
    if (error == EDQUOT) return "the disk quota is used up";
    return {};
}

}  // namespace momentart
