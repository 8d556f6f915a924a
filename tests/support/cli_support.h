// Helpers of the command-line tests: running the real program in a scratch
// folder, with its own home so nothing lands in the user's Pictures folder,
// and comparing pictures.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace momentart::cli {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

inline QProcessEnvironment scratchEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

// Runs momentart with `arguments` in `folder`, which is also its home.
inline Result run(const QStringList& arguments, const QString& folder, int timeoutMs = 120000) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessEnvironment(scratchEnvironment(folder));
    process.start(MOMENTART_BINARY, arguments);
    Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "momentart " << arguments.join(' ').toStdString() << " did not finish";
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// Every file under `folder`, relative, sorted (hidden ones too).
inline QStringList filesIn(const QString& folder) {
    QStringList files;
    QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::AllDirs, QDir::Name)) {
        if (info.isDir()) {
            for (const QString& inner : filesIn(info.filePath())) files << info.fileName() + "/" + inner;
        } else {
            files << info.fileName();
        }
    }
    return files;
}

// The pixels of two images agree exactly (formats aside).
inline bool samePixels(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull() || a.size() != b.size()) return false;
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace momentart::cli
