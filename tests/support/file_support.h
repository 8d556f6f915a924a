// Files a test lays down before it runs the program (a stranger's file in
// the way, a damaged picture, a recipe in another form) and reads back.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace momentart::testing {

// `bytes` as the whole of the file at `path`, made or emptied; false if it
// could not be written.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The whole of the file at `path`; a null array if it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace momentart::testing
