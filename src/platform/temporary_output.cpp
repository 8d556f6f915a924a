#include "platform/temporary_output.h"

#include <QFileInfo>
#include <cerrno>

namespace momentart {

TemporaryOutput::TemporaryOutput(const QString& path) : path_(path), held_(QFileInfo(path).path()) {}

QString TemporaryOutput::putInPlace(IfTaken ifTaken, QString& placed) {
    const int names = ifTaken == IfTaken::NextFreeName ? kMostNames : 1;
    for (int n = 1; n <= names; ++n) {
        const QString target = numberedPath(path_, n);
        errno = 0;
        if (moveFile(held_.path(), target, ifTaken == IfTaken::Replace)) {
            held_.setKept(true);
            placed = target;
            return {};
        }
        if (errno != EEXIST || ifTaken != IfTaken::NextFreeName) return failureText(errno);
    }
    return QString("every name up to -%1 is taken").arg(kMostNames);
}

}  // namespace momentart
