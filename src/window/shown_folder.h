// A folder as the status line names it: the home folder as ~.
#pragma once

#include <QString>

namespace momentart {

// The folder `path` lies in.
QString shownFolder(const QString& path);

}  // namespace momentart
