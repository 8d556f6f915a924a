// Golden pictures: the real program, run from the command line, must paint
// exactly the pixels it painted when each reference picture was made and
// looked at. Any change to the formulas, the colouring, the draws or the
// visiting orders shows up here as differing pixels.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGoldenFolder = QStringLiteral(MOMENTART_SOURCE_DIR "/tests/golden");

struct Golden {
    QString file;
    QString type, seed;
};

QList<Golden> goldens() {
    QList<Golden> list;
    const QRegularExpression pattern("^type(\\d+)-seed(\\d+)\\.png$");
    for (const QString& file : QDir(kGoldenFolder).entryList({"*.png"}, QDir::Files)) {
        const auto match = pattern.match(file);
        if (match.hasMatch()) list.push_back({file, match.captured(1), match.captured(2)});
    }
    return list;
}

TEST(GoldenImage, RendersMatchTheReferencePicturesPixelForPixel) {
    const QList<Golden> all = goldens();
    ASSERT_GE(all.size(), 10) << "reference pictures missing from " << kGoldenFolder.toStdString();
    QTemporaryDir dir;
    for (const Golden& golden : all) {
        SCOPED_TRACE(golden.file.toStdString());
        const QString out = dir.filePath(golden.file);
        QProcess program;
        program.start(MOMENTART_BINARY,
                      {"render", "--type", golden.type, "--seed", golden.seed, "--no-stamp", "--out", out});
        ASSERT_TRUE(program.waitForFinished(60000));
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QImage made = QImage(out).convertToFormat(QImage::Format_RGB32);
        const QImage reference = QImage(kGoldenFolder + "/" + golden.file).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(made.size(), QSize(600, 450));
        ASSERT_EQ(reference.size(), QSize(600, 450));
        int differing = 0;
        for (int row = 0; row < 450; ++row)
            for (int column = 0; column < 600; ++column)
                differing += made.pixel(column, row) != reference.pixel(column, row);
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
