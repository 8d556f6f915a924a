// What stands in the way of writing a picture, tried through the real
// program: a full disk, a device, pipe or symbolic link where the file would
// go, a file where its folder should be, a folder of the file's name, no
// home. Each is one line of ours (no library chatter), status 1, and nothing
// written.
#include <QFile>
#include <QProcess>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "platform/bitmap_with_recipe.h"
#include "platform/history_store.h"
#include "platform/image_convert.h"
#include "platform/renderer.h"
#include "file_support.h"

namespace momentart {
namespace {

void expectOneLineRefusal(const cli::Result& result, const QString& message, const char* what) {
    EXPECT_EQ(result.status, 1) << what;
    EXPECT_TRUE(result.out.isEmpty()) << what;
    EXPECT_EQ(result.err.count('\n'), 1) << what << ": " << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(message)) << what << ": " << result.err.toStdString();
}

TEST(OutputFaults, OnlyRegularFilesAreReplacedAndWhatIsInTheWayIsNamed) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    ASSERT_EQ(mkfifo(d.filePath("pipe.png").toLocal8Bit().constData(), 0644), 0);
    ASSERT_TRUE(testing::writeFile(d.filePath("target.txt"), "keep me\n"));
    ASSERT_TRUE(QFile::link(d.filePath("target.txt"), d.filePath("link.png")));
    ASSERT_TRUE(d.mkdir("folder.png"));
    QFile plain(d.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    struct Case {
        const char* what;
        QString out;
        QString message;
    };
    const Case cases[] = {
        {"a pipe", "pipe.png", "a device or pipe of that name exists"},
        {"a symbolic link", "link.png", "a symbolic link of that name exists"},
        {"a folder", "folder.png", "a folder of that name exists"},
        {"a file as the folder", "plain/x.png", "plain is a file, not a folder"},
        {"no folder", "none/x.png", "no such folder"},
        {"a newline in the names", "no\nne/x.png", R"("no\nne/x.png": no such folder "no\nne")"},
    };
    for (const Case& c : cases) {
        for (const QStringList& command : {QStringList{"render", "--seed", "3", "--force", "--out", c.out},
                                           QStringList{"sheet", "--seed", "3", "--force", "--out", c.out}}) {
            expectOneLineRefusal(cli::run(command, dir.path()), c.message, c.what);
        }
    }
    EXPECT_EQ(testing::readFile(d.filePath("target.txt")), QByteArray("keep me\n"));
    EXPECT_TRUE(QFileInfo(d.filePath("link.png")).isSymLink());
    struct stat pipe {};
    ASSERT_EQ(lstat(d.filePath("pipe.png").toLocal8Bit().constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
}

// A small file system that fills up: a tmpfs of `size`. Needs the right to
// mount (root, as on CI).
// A name with control characters is written as given and shown quoted, so
// that the line that names it stays one line.
TEST(OutputFaults, ANameWithANewlineIsShownQuotedOnItsOwnLine) {
    QTemporaryDir dir;
    const QString name = "a\nb\x1b.png";
    const cli::Result result = cli::run({"render", "--seed", "3", "--out", name}, dir.path());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(name)));
    EXPECT_TRUE(result.out.startsWith(R"(file: "a\nb\x1b.png")" "\n")) << result.out.toStdString();
}

class SmallDisk : public ::testing::Test {
protected:
    void mountOf(const char* size) {
        ASSERT_TRUE(dir_.isValid());
        disk_ = dir_.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(disk_));
        if (mount("tmpfs", disk_.toLocal8Bit().constData(), "tmpfs", 0, (QByteArray("size=") + size).constData()) != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) umount(disk_.toLocal8Bit().constData());
    }
    // Nothing of a failed save is left: no picture, recipe or temporary file.
    void expectNothingLeft(const std::string& what) {
        EXPECT_EQ(cli::filesIn(disk_), QStringList{}) << what;
    }
    QTemporaryDir dir_;
    QString disk_;
    bool mounted_ = false;
};

TEST_F(SmallDisk, FullIsReportedAsNoSpaceLeftAndLeavesNoFile) {
    mountOf("64k");
    if (!mounted_) return;
    const QStringList commands[] = {
        {"render", "--seed", "4", "--out", disk_ + "/one.png"},
        {"render", "--seed", "4", "--out", disk_ + "/one.bmp"},
        {"sheet", "--seed", "4", "--out", disk_ + "/sheet.png"},
        {"render", "--count", "2", "--seed", "4", "--out", disk_ + "/batch"},
        {"film", "--seed", "4", "--out", disk_ + "/film.mp4"},
        {"film", "--seed", "4", "--out", disk_ + "/film.apng"},
        {"film", "--seed", "4", "--out", disk_ + "/film.webp"},
    };
    for (const QStringList& command : commands) {
        const cli::Result result = cli::run(command, dir_.path());
        const std::string what = command.join(' ').toStdString();
        EXPECT_EQ(result.status, 1) << what;
        EXPECT_TRUE(result.err.contains("no space left on the device")) << what << ": " << result.err.toStdString();
        EXPECT_FALSE(result.err.contains("libpng")) << what << ": " << result.err.toStdString();
        expectNothingLeft(what);
    }
    // The window's history on a full disk: an error, never an empty entry.
    QFile filler(disk_ + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    HistoryStore history(disk_, 10);
    RenderSettings settings;
    settings.seed = 4;
    const RenderedPicture picture = renderFresh(settings);
    const HistoryStore::Added added = history.add(picture.recipe, "T4");
    EXPECT_TRUE(added.error.contains("no space left on the device")) << added.error.toStdString();
    EXPECT_EQ(cli::filesIn(disk_), (QStringList{".lock", "filler"}));
}

// 792 KB hold the bitmap of a picture (810,054 bytes) but not its recipe
// too: the save is one, so it fails whole, from the command and the window.
TEST_F(SmallDisk, ABitmapThatFitsWithoutItsRecipeIsNotSaved) {
    mountOf("792k");
    if (!mounted_) return;
    const cli::Result result = cli::run({"render", "--seed", "7", "--out", disk_ + "/a.bmp"}, dir_.path());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("a.recipe: no space left on the device")) << result.err.toStdString();
    expectNothingLeft("render --out a.bmp");

    RenderSettings settings;
    settings.seed = 7;
    const RenderedPicture picture = renderFresh(settings);
    const BitmapSave saved = saveBitmapWithRecipe(toQImage(*picture.canvas), picture.recipe, disk_, "T7");
    EXPECT_EQ(saved.outcome, BitmapSave::Outcome::Failed);
    EXPECT_TRUE(saved.error.contains("no space left on the device")) << saved.error.toStdString();
    expectNothingLeft("the window's save");
}

// With HOME unset there is no Pictures folder: nothing is made at the root.
TEST(Headless, WithoutHomeACommandAsksForOutAndMakesNothing) {
    QTemporaryDir dir;
    const bool before = QFileInfo::exists("/Pictures");
    for (const QStringList& command : {QStringList{"render", "--seed", "3"}, QStringList{"sheet", "--seed", "3"},
                                       QStringList{"render", "--count", "2", "--seed", "3"}}) {
        QProcessEnvironment env = cli::scratchEnvironment(dir.path());
        env.remove("HOME");
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessEnvironment(env);
        process.start(MOMENTART_BINARY, command);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1) << err.toStdString();
        EXPECT_TRUE(err.contains("HOME is not set") && err.contains("--out")) << err.toStdString();
    }
    EXPECT_EQ(QFileInfo::exists("/Pictures"), before);
    EXPECT_EQ(cli::filesIn(dir.path()), QStringList{});
}

TEST(Headless, NoDisplayWithTheOffscreenPlatformRendersAPictureAndEnds) {
    QTemporaryDir home;
    QProcessEnvironment env = cli::scratchEnvironment(home.path());
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setWorkingDirectory(home.path());
    process.setProcessEnvironment(env);
    process.start(MOMENTART_BINARY, QStringList{});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "momentart opened an invisible window";
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    bool picture = false;
    for (const QString& file : cli::filesIn(home.path())) picture = picture || file.endsWith(".png");
    EXPECT_TRUE(picture);
}

}  // namespace
}  // namespace momentart
