// Golden pictures: the real program, run from the command line, must paint
// exactly the pixels it painted when each reference picture was made and
// looked at. Any change to the formulas, the colouring, the draws, the
// visiting orders or the maths shows up here as differing pixels.
//
// tests/golden/ holds pictures of the correctly rounded maths, made again
// from their type and seed, also with another C library's maths preloaded;
// tests/golden/c-library/ pictures that the program saved before correctly
// rounded maths, made again from the recipes they carry.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli_support.h"

namespace momentart::cli {
namespace {

const QString kGoldenFolder = QStringLiteral(MOMENTART_SOURCE_DIR "/tests/golden");

struct Golden {
    QString path;
    QString type, seed;
};

QList<Golden> goldens(const QString& folder) {
    QList<Golden> list;
    const QRegularExpression pattern("^type(\\d+)-seed(\\d+)\\.png$");
    for (const QString& file : QDir(folder).entryList({"*.png"}, QDir::Files)) {
        const auto match = pattern.match(file);
        if (match.hasMatch()) list.push_back({folder + "/" + file, match.captured(1), match.captured(2)});
    }
    return list;
}

// Runs the program with `arguments` (and `preload` preloaded, if given),
// and returns how many pixels of the picture it wrote to `out` differ from
// the golden's; -1 when it wrote none.
int differingPixels(const Golden& golden, QStringList arguments, const QString& out,
                    const QString& preload = {}, QString* printed = nullptr) {
    QProcess program;
    QProcessEnvironment env = scratchEnvironment(QFileInfo(out).path());
    if (!preload.isEmpty()) env.insert("LD_PRELOAD", preload);
    program.setProcessEnvironment(env);
    program.start(MOMENTART_BINARY, arguments << "--force" << "--out" << out);
    if (!program.waitForFinished(60000) || program.exitCode() != 0) {
        ADD_FAILURE() << program.readAllStandardError().toStdString();
        return -1;
    }
    if (printed != nullptr) *printed = QString::fromUtf8(program.readAllStandardOutput());
    const QImage made = QImage(out).convertToFormat(QImage::Format_RGB32);
    const QImage reference = QImage(golden.path).convertToFormat(QImage::Format_RGB32);
    if (made.size() != QSize(600, 450) || reference.size() != QSize(600, 450)) return -1;
    int differing = 0;
    for (int row = 0; row < 450; ++row)
        for (int column = 0; column < 600; ++column) differing += made.pixel(column, row) != reference.pixel(column, row);
    return differing;
}

QStringList fresh(const Golden& golden) {
    return {"render", "--type", golden.type, "--seed", golden.seed, "--no-stamp"};
}

TEST(GoldenImage, RendersMatchTheReferencePicturesPixelForPixel) {
    const QList<Golden> all = goldens(kGoldenFolder);
    ASSERT_GE(all.size(), 10) << "reference pictures missing from " << kGoldenFolder.toStdString();
    QTemporaryDir dir;
    for (const Golden& golden : all)
        EXPECT_EQ(differingPixels(golden, fresh(golden), dir.filePath("made.png")), 0) << golden.path.toStdString();
}

TEST(GoldenImage, PicturesSavedBeforeCorrectRoundingAreMadeAgainFromTheirRecipesBitForBit) {
    const QList<Golden> all = goldens(kGoldenFolder + "/c-library");
    ASSERT_GE(all.size(), 8);
    QTemporaryDir dir;
    for (const Golden& golden : all) {
        QString printed;
        EXPECT_EQ(differingPixels(golden, {"render", "--from", golden.path, "--jobs", "2"}, dir.filePath("again.png"),
                                  {}, &printed),
                  0)
            << golden.path.toStdString();
        EXPECT_TRUE(printed.contains("\nmaths: the C library's, as when the picture was made")) << printed.toStdString();
    }
}

// Another C library's maths changes the old pictures, and no new one.
TEST(GoldenImage, AnotherMathsLibraryPreloadedChangesNoNewPicture) {
    QTemporaryDir dir;
    for (const Golden& golden : goldens(kGoldenFolder))
        EXPECT_EQ(differingPixels(golden, fresh(golden), dir.filePath("made.png"), MOMENTART_PERTURBED_MATHS), 0)
            << golden.path.toStdString();
    int changed = 0;
    for (const Golden& golden : goldens(kGoldenFolder + "/c-library"))
        changed += differingPixels(golden, {"render", "--from", golden.path}, dir.filePath("again.png"),
                                   MOMENTART_PERTURBED_MATHS) > 0;
    EXPECT_GE(changed, 6) << "the preloaded maths did not reach the C library's pictures";
}

}  // namespace
}  // namespace momentart::cli
