// What stands in the way of writing a picture, tried through the real
// program: a full disk, a device, pipe or symbolic link where the file would
// go, a file where its folder should be, a folder of the file's name. Each is
// one line of ours (no library chatter), status 1, and nothing written.
#include <QFile>
#include <QProcess>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_support.h"

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
    QFile target(d.filePath("target.txt"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("keep me\n");
    target.close();
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
    };
    for (const Case& c : cases) {
        for (const QStringList& command : {QStringList{"render", "--seed", "3", "--force", "--out", c.out},
                                           QStringList{"sheet", "--seed", "3", "--force", "--out", c.out}}) {
            expectOneLineRefusal(cli::run(command, dir.path()), c.message, c.what);
        }
    }
    QFile kept(d.filePath("target.txt"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me\n"));
    EXPECT_TRUE(QFileInfo(d.filePath("link.png")).isSymLink());
    struct stat pipe {};
    ASSERT_EQ(lstat(d.filePath("pipe.png").toLocal8Bit().constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
}

// A small file system that fills up: a tmpfs of 64 KiB, smaller than one
// picture or film. Needs the right to mount (root, as on CI).
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        disk_ = dir_.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(disk_));
        if (mount("tmpfs", disk_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) umount(disk_.toLocal8Bit().constData());
    }
    QTemporaryDir dir_;
    QString disk_;
    bool mounted_ = false;
};

TEST_F(FullDisk, IsReportedAsNoSpaceLeftAndLeavesNoFile) {
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
        for (const QString& file : cli::filesIn(disk_))
            EXPECT_FALSE(file.endsWith(".png") || file.endsWith(".bmp") || file.contains(".tmp") || file.contains("film"))
                << what << " left " << file.toStdString();
    }
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
