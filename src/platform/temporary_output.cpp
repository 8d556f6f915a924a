#include "platform/temporary_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>


namespace momentart {

namespace {
constexpr int kNameTries = 100;
}  // namespace

TemporaryOutput::TemporaryOutput(const QString& path) : path_(path) {
    const QFileInfo info(path);
    for (int n = 0; n < kNameTries; ++n) {
        const quint32 tag = QRandomGenerator::global()->generate();
        QFile file(info.dir().filePath(QString(".%1.%2.tmp").arg(info.fileName()).arg(tag, 8, 16, QChar('0'))));
        // Made anew, so with the permissions of any new file.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            temporary_ = file.fileName();
            return;
        }
        if (!file.exists()) {
            error_ = file.errorString();
            return;
        }
    }
    error_ = "cannot find a free temporary name";
}

TemporaryOutput::~TemporaryOutput() {
    if (!temporary_.isEmpty()) QFile::remove(temporary_);
}

QString TemporaryOutput::putInPlace(IfTaken ifTaken, QString& placed) {
    const int names = ifTaken == IfTaken::NextFreeName ? kMostNames : 1;
    for (int n = 1; n <= names; ++n) {
        const QString target = numberedPath(path_, n);
        errno = 0;
        if (moveFile(temporary_, target, ifTaken == IfTaken::Replace)) {
            temporary_.clear();
            placed = target;
            return {};
        }
        if (errno != EEXIST || ifTaken != IfTaken::NextFreeName) return failureText(errno);
    }
    return QString("every name up to -%1 is taken").arg(kMostNames);
}

}  // namespace momentart
