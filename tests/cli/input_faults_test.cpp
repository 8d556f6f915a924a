// Bad input named for what it is, through the real program: a folder, a
// pipe, a loop of links or a path too long where a file is read; PNGs with
// two recipes or one too large; line ends no recipe has; history folders
// that cannot be listed; pictures that cannot be read. Each is one line of
// ours and a status that is not 0.
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "file_support.h"

namespace momentart {
namespace {

struct Refusal {
    QStringList arguments;
    int status;
    QString message;
};

void expectRefusals(const QList<Refusal>& refusals, const QString& folder) {
    for (const Refusal& r : refusals) {
        const cli::Result result = cli::run(r.arguments, folder);
        const std::string what = r.arguments.join(' ').left(200).toStdString();
        EXPECT_EQ(result.status, r.status) << what << ": " << result.err.left(400).toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << what << ": " << result.err.left(400).toStdString();
        EXPECT_TRUE(result.err.contains(r.message)) << what << ": " << result.err.left(400).toStdString();
        EXPECT_FALSE(result.err.contains("libpng")) << what;
    }
}

// A folder in `base` whose path is longer than the system takes, made a
// step at a time; removed with the folder that holds it (rm goes down by
// steps too).
class FolderTooLong {
public:
    explicit FolderTooLong(const QString& base) : top_(base + "/" + kStep), path_(top_) {
        const QString before = QDir::currentPath();
        EXPECT_EQ(::chdir(base.toLocal8Bit().constData()), 0);
        for (int n = 0; n < 25; ++n) {
            EXPECT_EQ(::mkdir(kStep.toLocal8Bit().constData(), 0755), 0);
            EXPECT_EQ(::chdir(kStep.toLocal8Bit().constData()), 0);
            if (n > 0) path_ += "/" + kStep;
        }
        EXPECT_EQ(::chdir(before.toLocal8Bit().constData()), 0);
    }
    ~FolderTooLong() { QProcess::execute("rm", {"-rf", top_}); }
    const QString& path() const { return path_; }

private:
    inline static const QString kStep = QString(200, 'd');
    QString top_;
    QString path_;
};

TEST(InputFaults, EveryCauseIsNamedWhereAFileIsRead) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    ASSERT_EQ(mkfifo(d.filePath("pipe.recipe").toLocal8Bit().constData(), 0644), 0);
    ASSERT_EQ(mkfifo(d.filePath("pipe.png").toLocal8Bit().constData(), 0644), 0);
    ASSERT_TRUE(d.mkdir("folder.recipe"));
    ASSERT_TRUE(QFile::link(d.filePath("loop1.recipe"), d.filePath("loop2.recipe")));
    ASSERT_TRUE(QFile::link(d.filePath("loop2.recipe"), d.filePath("loop1.recipe")));
    const FolderTooLong tooLong(dir.path());
    const QString deep = tooLong.path();

    RenderSettings settings;
    settings.seed = 5;
    const RenderedPicture picture = renderFresh(settings);
    const QString recipe = QString::fromStdString(encodeRecipe(picture.recipe));
    ASSERT_TRUE(testing::writeFile(d.filePath("mac.recipe"), recipe.toLatin1().replace('\n', '\r')));
    const QImage image = toQImage(*picture.canvas);
    // Twice the largest text chunk read, in a chunk that cannot be smaller.
    QString noise;
    for (int n = 0; n < 2 * 1024 * 1024; ++n) noise += QChar(0x20 + QRandomGenerator::global()->bounded(0xdf));
    ASSERT_TRUE(writeImage(image, d.filePath("two.png"), false, {{"Recipe", recipe}, {"Recipe", recipe}}).ok);
    ASSERT_TRUE(writeImage(image, d.filePath("big.png"), false, {{"Recipe", QString(100000, 'x')}}).ok);
    ASSERT_TRUE(writeImage(image, d.filePath("huge.png"), false, {{"Recipe", noise}}).ok);
    QFile half(d.filePath("half.png"));
    ASSERT_TRUE(QFile::copy(d.filePath("two.png"), d.filePath("half.png")));
    ASSERT_TRUE(half.resize(half.size() / 2));

    expectRefusals({
        {{"render", "--from", "pipe.recipe"}, 2, "pipe.recipe: not a regular file"},
        {{"render", "--from", "pipe.png"}, 2, "pipe.png: not a regular file"},
        {{"render", "--from", "folder.recipe"}, 2, "folder.recipe: a folder, not a recipe file"},
        {{"render", "--from", "loop1.recipe"}, 2, "loop1.recipe: a loop of symbolic links"},
        {{"render", "--from", deep + "/x.recipe"}, 2, "the path is too long"},
        {{"render", "--seed", "5", "--out", deep + "/x.png"}, 2, "x.png: the path is too long"},
        {{"render", "--from", "mac.recipe"}, 2, "line ends are not recognised"},
        {{"render", "--from", "two.png"}, 2, "carries 2 recipes"},
        {{"render", "--from", "big.png"}, 2, "its recipe is too large"},
        {{"render", "--from", "huge.png"}, 2, "a text of it was left out"},
        {{"half.png"}, 2, "half.png: cannot read it as a picture"},
        {{"sheet", "half.png", "--quiet"}, 1, "half.png: cannot read it as a picture"},
        {{"history", "--folder", "two.png"}, 1, "two.png: not a folder"},
        {{"history", "--folder", "missing"}, 1, "missing: no such folder"},
        {{"history", "--folder", deep}, 1, "the path is too long"},
    }, dir.path());
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.png"}, QDir::Files).filter("sheet").isEmpty());

    // The window's own history folder, before its first picture: nothing yet.
    const cli::Result none = cli::run({"history"}, dir.path());
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.out.startsWith("no pictures in the history yet")) << none.out.toStdString();
}

// The figures of a picture are the same in every locale: a French one
// writes no decimal comma into the file, nor on the screen. The locale is
// compiled into a folder of the test's own.
TEST(InputFaults, InterestFiguresHaveADecimalPointInAFrenchLocale) {
    QTemporaryDir dir;
    QProcess compile;
    compile.start("localedef", {"-i", "fr_FR", "-f", "UTF-8", dir.filePath("fr_FR.UTF-8")});
    if (!compile.waitForFinished(60000) || compile.exitCode() != 0)
        GTEST_SKIP() << "cannot compile the fr_FR locale here (localedef and the locales package)";
    QProcessEnvironment env = cli::scratchEnvironment(dir.path());
    env.insert("LOCPATH", dir.path());
    env.insert("LC_ALL", "fr_FR.UTF-8");
    QProcess render;
    render.setWorkingDirectory(dir.path());
    render.setProcessEnvironment(env);
    render.start(MOMENTART_BINARY, {"render", "--seed", "11", "--out", "p.png"});
    ASSERT_TRUE(render.waitForFinished(60000));
    const QString out = QString::fromUtf8(render.readAllStandardOutput());
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QString interest = QImage(dir.filePath("p.png")).text("Interest");
    EXPECT_TRUE(interest.contains(QRegularExpression("^common=\\d\\.\\d\\d spread=\\d+\\.\\d detail=\\d+\\.\\d$")))
        << interest.toStdString();
    EXPECT_TRUE(out.contains("interest: " + interest)) << out.toStdString();
}

}  // namespace
}  // namespace momentart
