#include "platform/temporary_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

QString TemporaryOutput::putInPlace() {
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(path_).constData()) != 0)
        return std::strerror(errno);
    temporary_.clear();
    return {};
}

}  // namespace momentart
