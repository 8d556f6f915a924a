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

#include <iostream>

#include "cli_support.h"

namespace momentart::cli {
namespace {

const QString kGoldenFolder = QStringLiteral(MOMENTART_SOURCE_DIR "/tests/golden");

struct Golden {
    QString path;
    QString type, seed;
};

void PrintTo(const Golden& golden, std::ostream* out) { *out << golden.path.toStdString(); }

QList<Golden> goldens(const QString& folder) {
    QList<Golden> list;
    const QRegularExpression pattern("^type(\\d+)-seed(\\d+)\\.png$");
    for (const QString& file : QDir(folder).entryList({"*.png"}, QDir::Files)) {
        const auto match = pattern.match(file);
        if (match.hasMatch()) list.push_back({folder + "/" + file, match.captured(1), match.captured(2)});
    }
    return list;
}

// Paints the pixels of `made` that differ from `reference` red over a dimmed
// copy of the reference, so that a failing picture can be looked at.
QImage differenceImage(const QImage& made, const QImage& reference) {
    QImage difference(reference.size(), QImage::Format_RGB32);
    for (int row = 0; row < reference.height(); ++row)
        for (int column = 0; column < reference.width(); ++column) {
            const QRgb was = reference.pixel(column, row);
            difference.setPixel(column, row,
                                made.pixel(column, row) != was
                                    ? qRgb(255, 0, 0)
                                    : qRgb(qRed(was) / 4, qGreen(was) / 4, qBlue(was) / 4));
        }
    return difference;
}

// Runs the program with `arguments` (and `preload` preloaded, if given) and
// returns the picture it wrote to `out`; a null picture when it wrote none.
QImage madePicture(QStringList arguments, const QString& out, const QString& preload = {},
                   QString* printed = nullptr) {
    QProcess program;
    QProcessEnvironment env = scratchEnvironment(QFileInfo(out).path());
    if (!preload.isEmpty()) env.insert("LD_PRELOAD", preload);
    program.setProcessEnvironment(env);
    program.start(MOMENTART_BINARY, arguments << "--force" << "--out" << out);
    if (!program.waitForFinished(60000) || program.exitCode() != 0) {
        ADD_FAILURE() << program.readAllStandardError().toStdString();
        return {};
    }
    if (printed != nullptr) *printed = QString::fromUtf8(program.readAllStandardOutput());
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// How many pixels of `made` differ from the golden's; -1 when either is not
// a whole picture. When some differ, the difference image is written to the
// build's golden-differences folder, named after the golden and `run`.
int differingPixels(const Golden& golden, const QString& run, const QImage& made) {
    const QImage reference = QImage(golden.path).convertToFormat(QImage::Format_RGB32);
    if (made.size() != QSize(600, 450) || reference.size() != QSize(600, 450)) return -1;
    int differing = 0;
    for (int row = 0; row < 450; ++row)
        for (int column = 0; column < 600; ++column) differing += made.pixel(column, row) != reference.pixel(column, row);
    if (differing > 0) {
        const QString folder = QStringLiteral(MOMENTART_DIFFERENCES_DIR);
        const QString file = folder + "/" + QFileInfo(golden.path).completeBaseName() + "-" + run + ".png";
        const bool written = QDir().mkpath(folder) && differenceImage(made, reference).save(file);
        std::cerr << differing << " pixels differ from " << golden.path.toStdString() << "; "
                  << (written ? "they are red in " : "could not write ") << file.toStdString() << "\n";
    }
    return differing;
}

QStringList fresh(const Golden& golden) {
    return {"render", "--type", golden.type, "--seed", golden.seed, "--no-stamp"};
}

std::string testName(const testing::TestParamInfo<Golden>& info) {
    return "type" + info.param.type.toStdString() + "_seed" + info.param.seed.toStdString();
}

TEST(GoldenImage, TheReferencePicturesAreThere) {
    EXPECT_GE(goldens(kGoldenFolder).size(), 10) << "reference pictures missing from " << kGoldenFolder.toStdString();
    EXPECT_GE(goldens(kGoldenFolder + "/c-library").size(), 8);
}

class FreshGolden : public testing::TestWithParam<Golden> {};

TEST_P(FreshGolden, RendersPixelForPixel) {
    QTemporaryDir dir;
    EXPECT_EQ(differingPixels(GetParam(), "made", madePicture(fresh(GetParam()), dir.filePath("made.png"))), 0);
}

// Another C library's maths changes no new picture.
TEST_P(FreshGolden, AnotherMathsLibraryPreloadedChangesNothing) {
    QTemporaryDir dir;
    const QImage made = madePicture(fresh(GetParam()), dir.filePath("made.png"), MOMENTART_PERTURBED_MATHS);
    EXPECT_EQ(differingPixels(GetParam(), "preloaded", made), 0);
}

INSTANTIATE_TEST_SUITE_P(GoldenImage, FreshGolden, testing::ValuesIn(goldens(kGoldenFolder)), testName);

class SavedBeforeCorrectRounding : public testing::TestWithParam<Golden> {};

TEST_P(SavedBeforeCorrectRounding, IsMadeAgainFromItsRecipeBitForBit) {
    QTemporaryDir dir;
    QString printed;
    const QImage made =
        madePicture({"render", "--from", GetParam().path, "--jobs", "2"}, dir.filePath("again.png"), {}, &printed);
    EXPECT_EQ(differingPixels(GetParam(), "again", made), 0);
    EXPECT_TRUE(printed.contains("\nmaths: the C library's, as when the picture was made")) << printed.toStdString();
}

INSTANTIATE_TEST_SUITE_P(GoldenImage, SavedBeforeCorrectRounding,
                         testing::ValuesIn(goldens(kGoldenFolder + "/c-library")), testName);

// ...while it does change the old pictures, made with the C library's maths.
TEST(GoldenImage, AnotherMathsLibraryPreloadedChangesThePicturesOfTheCLibrarysMaths) {
    QTemporaryDir dir;
    int changed = 0;
    for (const Golden& golden : goldens(kGoldenFolder + "/c-library"))
        changed += madePicture({"render", "--from", golden.path}, dir.filePath("again.png"), MOMENTART_PERTURBED_MATHS) !=
                   QImage(golden.path).convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(changed, 6) << "the preloaded maths did not reach the C library's pictures";
}

}  // namespace
}  // namespace momentart::cli
