// A path as messages and printed lines show it.
#pragma once

#include <QString>

namespace momentart {

// The path with native separators; when it holds a control character (a
// newline would split the line that names it, an escape would reach the
// terminal), it is shown in double quotes, with \n, \t, \r, \", \\ and
// \xHH (\uHHHH past U+00FF) for such characters, so that it stays on one line
// and every byte of it can be told.
QString shownPath(const QString& path);

}  // namespace momentart
