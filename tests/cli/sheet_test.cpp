// The contact sheet: its layout, and one real sheet checked cell by cell.
#include <QFile>
#include <QPainter>
#include <csignal>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "platform/image_convert.h"
#include "platform/renderer.h"
#include "cli/sheet_command.h"
#include "file_support.h"

namespace momentart {
namespace {

constexpr std::uint32_t kSeed = 0x46C35000u;  // 25000 seconds as a float

TEST(SheetLayout, FiftyEightCellsOfTypesNineToSixtySixInsideTheSheetWithoutOverlap) {
    const QList<SheetCell> cells = sheetCells();
    ASSERT_EQ(cells.size(), 58);
    const QRect sheet(QPoint(0, 0), sheetSize());
    for (int n = 0; n < cells.size(); ++n) {
        const SheetCell& cell = cells[n];
        EXPECT_EQ(cell.type, 9 + n);
        EXPECT_EQ(cell.picture.size(), QSize(kSheetPictureWidth, kSheetPictureHeight));
        EXPECT_TRUE(sheet.contains(cell.picture)) << cell.type;
        EXPECT_TRUE(sheet.contains(cell.label)) << cell.type;
        EXPECT_FALSE(cell.label.isEmpty());
        EXPECT_FALSE(cell.picture.intersects(cell.label)) << cell.type;
        EXPECT_FALSE(cell.picture.intersects(sheetHeading())) << cell.type;
        // The label sits right under its picture.
        EXPECT_EQ(cell.label.top(), cell.picture.bottom() + 1);
        EXPECT_EQ(cell.label.left(), cell.picture.left());
        for (int m = n + 1; m < cells.size(); ++m) {
            EXPECT_FALSE(cell.picture.intersects(cells[m].picture)) << cell.type << " " << cells[m].type;
            EXPECT_FALSE(cell.label.intersects(cells[m].label)) << cell.type << " " << cells[m].type;
            EXPECT_FALSE(cell.picture.intersects(cells[m].label)) << cell.type << " " << cells[m].type;
        }
    }
    // Row by row, kSheetColumns to a row.
    EXPECT_EQ(cells[1].picture.top(), cells[0].picture.top());
    EXPECT_GT(cells[kSheetColumns].picture.top(), cells[0].picture.top());
    EXPECT_EQ(cells[kSheetColumns].picture.left(), cells[0].picture.left());
}

QImage labelAlone(const SheetCell& cell) {
    QImage label(cell.label.size(), QImage::Format_RGB32);
    label.setDotsPerMeterX(3780);
    label.setDotsPerMeterY(3780);
    label.fill(kSheetBackground);
    QPainter painter(&label);
    drawSheetLabel(painter, QRect(QPoint(0, 0), cell.label.size()), cell.type);
    return label;
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kSheetBackground) return true;
    return false;
}

// One real sheet, made once by the program for all the checks below.
class SheetFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        result_ = new cli::Result(cli::run(
            {"sheet", "--seed", QString::number(kSeed), "--jobs", "2", "--out", "sheet.png"}, dir_->path()));
        sheet_ = new QImage(dir_->filePath("sheet.png"));
    }
    static void TearDownTestSuite() {
        delete sheet_;
        delete result_;
        delete dir_;
    }
    static QTemporaryDir* dir_;
    static cli::Result* result_;
    static QImage* sheet_;
};
QTemporaryDir* SheetFile::dir_ = nullptr;
cli::Result* SheetFile::result_ = nullptr;
QImage* SheetFile::sheet_ = nullptr;

TEST_F(SheetFile, IsWrittenWithItsTexts) {
    ASSERT_EQ(result_->status, 0) << result_->err.toStdString();
    EXPECT_EQ(result_->out, QString("file: sheet.png\nseed: %1\n").arg(kSeed));
    ASSERT_FALSE(sheet_->isNull());
    EXPECT_EQ(sheet_->size(), sheetSize());
    EXPECT_TRUE(sheet_->text("Software").startsWith("momentart"));
    EXPECT_EQ(sheet_->text("Seed"), QString::number(kSeed));
    EXPECT_TRUE(sheet_->text("Title").contains(QString::number(kSeed)));
    EXPECT_TRUE(hasInk(sheet_->copy(sheetHeading())));
}

TEST_F(SheetFile, EveryCellIsLabelledWithItsOwnTypeNumber) {
    ASSERT_FALSE(sheet_->isNull());
    std::set<QByteArray> distinct;
    for (const SheetCell& cell : sheetCells()) {
        const QImage label = sheet_->copy(cell.label).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(hasInk(label)) << cell.type;
        EXPECT_EQ(label, labelAlone(cell)) << cell.type;
        distinct.insert(QByteArray(reinterpret_cast<const char*>(label.constBits()), label.sizeInBytes()));
        // Every cell holds a picture, not the background.
        EXPECT_TRUE(hasInk(sheet_->copy(cell.picture))) << cell.type;
    }
    EXPECT_EQ(distinct.size(), 58u);
}

TEST_F(SheetFile, CellsHoldTheirTypesPicturesScaledDown) {
    ASSERT_FALSE(sheet_->isNull());
    const QList<SheetCell> cells = sheetCells();
    for (int type : {9, 40, 66}) {
        RenderSettings settings;
        settings.seed = kSeed;
        settings.type = type;
        settings.stamp = false;
        const QImage expected = toQImage(*renderFresh(settings).canvas)
                                    .scaled(kSheetPictureWidth, kSheetPictureHeight, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
        const SheetCell& cell = cells[type - 9];
        EXPECT_TRUE(cli::samePixels(sheet_->copy(cell.picture), expected)) << type;
        // And not its neighbour's.
        const SheetCell& other = cells[type == 66 ? 0 : type - 8];
        EXPECT_FALSE(cli::samePixels(sheet_->copy(other.picture), expected)) << type;
    }
}

TEST(SheetCommand, RefusesBadInputAndAnExistingFileBeforeAnyWork) {
    QTemporaryDir dir;
    ASSERT_TRUE(testing::writeFile(dir.filePath("old.png"), "keep me"));
    struct Case {
        QStringList options;
        int status;
    };
    const QList<Case> cases = {
        {{"--seed", "x"}, 2},         {{"--jobs", "0"}, 2},
        {{"--colour", "red"}, 2},     {{"--out", "sheet.txt"}, 2},
        {{"--force"}, 2},             {{"--out", "old.png"}, 1},
        {{"--out", "no/such/folder/s.png"}, 1},
    };
    for (const Case& c : cases) {
        const cli::Result result = cli::run(QStringList{"sheet"} + c.options, dir.path(), 20000);
        const std::string shown = c.options.join(' ').toStdString();
        EXPECT_EQ(result.status, c.status) << shown << ": " << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << shown << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("momentart sheet: ")) << shown;
    }
    EXPECT_EQ(testing::readFile(dir.filePath("old.png")), "keep me");
    EXPECT_EQ(cli::filesIn(dir.path()), QStringList{"old.png"});
}

}  // namespace
}  // namespace momentart

namespace momentart {
namespace {

// Ctrl-C as the last picture of the sheet is done, a little later each
// round: whenever the command has said it is stopping, there is no sheet
// and the status is 130; otherwise the sheet is whole and the status 0.
TEST(SheetCommand, OnceStoppingIsSaidNothingIsWritten) {
    for (const int delayMs : {0, 20}) {
        QTemporaryDir dir;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessEnvironment(cli::scratchEnvironment(dir.path()));
        process.setReadChannel(QProcess::StandardError);
        process.start(MOMENTART_BINARY, {"sheet", "--seed", "3", "--out", "s.png"});
        QByteArray err;
        while (!err.contains("58/58") && process.waitForReadyRead(60000)) err += process.readAllStandardError();
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(60000));
        err += process.readAllStandardError();
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
        const bool stopping = err.contains("stopping");
        EXPECT_EQ(process.exitCode(), stopping ? 130 : 0) << delayMs << ": " << err.toStdString();
        EXPECT_EQ(QFileInfo::exists(dir.filePath("s.png")), !stopping) << delayMs << ": " << err.toStdString();
    }
}

}  // namespace
}  // namespace momentart
