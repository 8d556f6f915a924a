// Batches: the same pictures as single renders whatever the number of
// workers, unique names, no file replaced, progress, stopping part way, and
// the command's answers to bad input.
#include <QFile>
#include <QTextStream>
#include <atomic>
#include <mutex>
#include <csignal>
#include <signal.h>
#include <thread>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "cli/batch_command.h"
#include "cli/progress.h"
#include "cli/batch_render.h"
#include "platform/image_convert.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

constexpr CalendarTime kMoment{2026, 12, 7, 8, 14, 53};
constexpr std::uint32_t kFirstSeed = 0x46A0E000u;  // a timer value: 20592 seconds

BatchPlan planOf(const QString& folder, int count, int jobs, int type = 0) {
    BatchPlan plan;
    plan.firstSeed = kFirstSeed;
    plan.count = count;
    plan.jobs = jobs;
    plan.type = type;
    plan.folder = folder;
    plan.moment = kMoment;
    return plan;
}

RenderedPicture single(std::uint32_t seed, int type = 0, bool stamp = true) {
    RenderSettings settings;
    settings.seed = seed;
    settings.type = type;
    settings.stamp = stamp;
    settings.moment = kMoment;
    return renderFresh(settings);
}

TEST(BatchRender, EveryPictureEqualsTheSingleRenderOfItsSeedWithOneOrSeveralWorkers) {
    constexpr int kCount = 4;
    std::vector<QImage> expected;
    std::vector<QString> names;
    for (int n = 0; n < kCount; ++n) {
        const RenderedPicture picture = single(kFirstSeed + n);
        expected.push_back(toQImage(*picture.canvas));
        names.push_back(batchFileBase(QString::fromStdString(picture.state.imeslike),
                                      static_cast<int>(picture.state.izbor), kFirstSeed + n) +
                        ".png");
    }
    for (int jobs : {1, 3}) {
        QTemporaryDir dir;
        const std::atomic<bool> stop{false};
        std::vector<BatchPicture> reported;
        const BatchOutcome outcome =
            runBatch(planOf(dir.path(), kCount, jobs), stop,
                     [&](const BatchPicture& picture) { reported.push_back(picture); });
        EXPECT_EQ(outcome.written, kCount) << jobs;
        EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
        EXPECT_EQ(reported.size(), static_cast<std::size_t>(kCount));
        EXPECT_EQ(cli::filesIn(dir.path()).size(), kCount);
        for (int n = 0; n < kCount; ++n) {
            const QImage file(dir.filePath(names[n]));
            EXPECT_TRUE(cli::samePixels(file, expected[n])) << names[n].toStdString() << " jobs " << jobs;
            EXPECT_EQ(file.text("Seed"), QString::number(kFirstSeed + n));
            EXPECT_FALSE(file.text("Recipe").isEmpty());
        }
    }
}

TEST(BatchRender, AGivenTypeAndNoStampApplyToEveryPicture) {
    QTemporaryDir dir;
    BatchPlan plan = planOf(dir.path(), 3, 2, 27);
    plan.stamp = false;
    const std::atomic<bool> stop{false};
    std::vector<BatchPicture> reported;
    runBatch(plan, stop, [&](const BatchPicture& p) { reported.push_back(p); });
    ASSERT_EQ(reported.size(), 3u);
    for (const BatchPicture& p : reported) {
        EXPECT_EQ(p.type, 27);
        EXPECT_TRUE(QFileInfo(p.path).fileName().contains("-type27-seed")) << p.path.toStdString();
        EXPECT_TRUE(cli::samePixels(QImage(p.path), toQImage(*single(p.seed, 27, false).canvas)));
    }
}

TEST(BatchRender, AnExistingFileIsNeverReplaced) {
    QTemporaryDir dir;
    const RenderedPicture first = single(kFirstSeed);
    const QString taken =
        dir.filePath(batchFileBase(QString::fromStdString(first.state.imeslike),
                                   static_cast<int>(first.state.izbor), kFirstSeed) + ".png");
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();

    const std::atomic<bool> stop{false};
    const BatchOutcome outcome = runBatch(planOf(dir.path(), 1, 1), stop);
    EXPECT_EQ(outcome.written, 1);
    QFile kept(taken);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "mine");
    QString second = taken;
    second.replace(".png", "-2.png");
    EXPECT_TRUE(cli::samePixels(QImage(second), toQImage(*first.canvas)));
}

TEST(BatchRender, StoppingStartsNoNewPictureAndLeavesOnlyWholeFiles) {
    QTemporaryDir dir;
    std::atomic<bool> stop{true};
    EXPECT_EQ(runBatch(planOf(dir.path(), 5, 2), stop).written, 0);
    EXPECT_TRUE(cli::filesIn(dir.path()).isEmpty());

    // Stop as the first file is reported: the picture the other worker has
    // under way is still finished, nothing after it is started.
    stop = false;
    const BatchOutcome outcome = runBatch(planOf(dir.path(), 12, 2), stop, [&](const BatchPicture&) {
        stop = true;
    });
    EXPECT_GE(outcome.written, 1);
    EXPECT_LE(outcome.written, 2);
    const QStringList files = cli::filesIn(dir.path());
    EXPECT_EQ(files.size(), outcome.written);
    for (const QString& name : files) {
        const QImage picture(dir.filePath(name));
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_FALSE(picture.text("Recipe").isEmpty()) << name.toStdString();
    }
}

TEST(BatchRender, AFolderThatCannotBeWrittenEndsTheBatchWithAnError) {
    const std::atomic<bool> stop{false};
    const BatchOutcome outcome = runBatch(planOf("/nonexistent-folder/for/sure", 3, 2), stop);
    EXPECT_EQ(outcome.written, 0);
    EXPECT_FALSE(outcome.error.isEmpty());
}

TEST(BatchProgressReport, TheBarShowsCountRateAndTimeLeft) {
    const QString half = progressBar(16, 32, 8.0);
    EXPECT_TRUE(half.startsWith("[############------------]")) << half.toStdString();
    EXPECT_TRUE(half.contains("16/32")) << half.toStdString();
    EXPECT_TRUE(half.contains("2.00 pictures/s")) << half.toStdString();
    EXPECT_TRUE(half.contains("0:08 left")) << half.toStdString();

    const QString start = progressBar(0, 32, 0.0);
    EXPECT_TRUE(start.startsWith("[------------------------]")) << start.toStdString();
    EXPECT_TRUE(start.contains(" 0/32")) << start.toStdString();
    EXPECT_FALSE(start.contains("left"));

    const QString slow = progressBar(1, 1000, 4.0);  // 0.25 a second: 999 pictures in 3996 s
    EXPECT_TRUE(slow.contains("0.25 pictures/s")) << slow.toStdString();
    EXPECT_TRUE(slow.contains("1:06:36 left")) << slow.toStdString();

    const QString done = progressBar(32, 32, 2.0);
    EXPECT_TRUE(done.startsWith("[########################]")) << done.toStdString();
    EXPECT_TRUE(done.contains("16.0 pictures/s")) << done.toStdString();
    EXPECT_TRUE(done.contains("0:00 left")) << done.toStdString();
}

TEST(BatchProgressReport, LinesNameEachFileAndQuietSaysNothing) {
    const BatchPicture picture{"/tmp/x/T1-type9-seed5.png", "T1", 9, 5};
    QString lines, quiet, bar;
    {
        QTextStream linesStream(&lines), quietStream(&quiet), barStream(&bar);
        Progress byLine(ProgressStyle::Lines, 2, linesStream);
        Progress silent(ProgressStyle::Quiet, 2, quietStream);
        Progress drawn(ProgressStyle::Bar, 2, barStream);
        for (Progress* p : {&byLine, &silent, &drawn}) {
            p->start();
            p->step(batchProgressLine(picture), 1.0);
            p->step(batchProgressLine(picture), 2.0);
            p->finish();
        }
    }
    EXPECT_EQ(lines.count('\n'), 2);
    EXPECT_TRUE(lines.startsWith("1/2 ")) << lines.toStdString();
    EXPECT_TRUE(lines.contains("T1-type9-seed5.png")) << lines.toStdString();
    EXPECT_TRUE(lines.contains("seed 5"));
    EXPECT_TRUE(quiet.isEmpty());
    // The bar is redrawn in place and ends with one line end.
    EXPECT_EQ(bar.count('\r'), 3);
    EXPECT_EQ(bar.count('\n'), 1);
    EXPECT_TRUE(bar.contains("2/2")) << bar.toStdString();
}

TEST(BatchCommand, WritesTheSinglePicturesOfTheSeedsIntoANewFolder) {
    QTemporaryDir dir;
    const QString seed = "1000";
    const cli::Result batch = cli::run({"render", "--count", "3", "--seed", seed, "--no-stamp", "--jobs", "2",
                                        "--out", "made/here"},
                                       dir.path());
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    EXPECT_TRUE(batch.out.isEmpty());
    // Not a terminal: one line per file, then the summary.
    EXPECT_EQ(batch.err.count('\n'), 4) << batch.err.toStdString();
    EXPECT_TRUE(batch.err.contains("3 pictures written to made/here")) << batch.err.toStdString();
    const QStringList files = cli::filesIn(dir.filePath("made/here"));
    ASSERT_EQ(files.size(), 3);
    for (int n = 0; n < 3; ++n) {
        const QString name = files.filter(QString("-seed%1.png").arg(1000 + n)).value(0);
        ASSERT_FALSE(name.isEmpty()) << files.join(' ').toStdString();
        EXPECT_TRUE(batch.err.contains(name));
        const cli::Result one = cli::run(
            {"render", "--seed", QString::number(1000 + n), "--no-stamp", "--out", QString("one%1.png").arg(n)},
            dir.path());
        ASSERT_EQ(one.status, 0) << one.err.toStdString();
        EXPECT_TRUE(one.out.contains(QString("type: %1\n").arg(name.section("-type", 1).section("-seed", 0, 0))))
            << name.toStdString() << " vs " << one.out.toStdString();
        EXPECT_TRUE(cli::samePixels(QImage(dir.filePath("made/here/" + name)),
                                    QImage(dir.filePath(QString("one%1.png").arg(n)))))
            << name.toStdString();
    }
}

TEST(BatchCommand, QuietPrintsNothingAndTheDefaultFolderIsInPictures) {
    QTemporaryDir dir;
    const cli::Result batch = cli::run({"render", "--count", "2", "--quiet", "--jobs", "1"}, dir.path());
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    EXPECT_TRUE(batch.out.isEmpty());
    EXPECT_TRUE(batch.err.isEmpty()) << batch.err.toStdString();
    EXPECT_EQ(cli::filesIn(dir.filePath("Pictures/momentart")).size(), 2);
}

TEST(BatchCommand, BadInputGetsOneLineStatusTwoAndWritesNothing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("taken"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QList<QStringList> cases = {
        {"--count", "0"},
        {"--count", "-1"},
        {"--count", "many"},
        {"--count", "2", "--jobs", "0"},
        {"--count", "2", "--jobs", "-3"},
        {"--count", "2", "--scale", "0"},
        {"--scale", "17"},
        {"--count", "2", "--force", "--out", "folder"},
        {"--count", "2", "--out", "taken"},
        {"--count", "2", "--out", "pictures.png"},
        {"--count", "2", "--seed", "4294967295"},
        {"--count", "2", "--colour", "red"},
        {"--count", "2", "extra"},
    };
    for (const QStringList& options : cases) {
        const cli::Result result = cli::run(QStringList{"render"} + options, dir.path());
        const std::string shown = options.join(' ').toStdString();
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_EQ(result.err.count('\n'), 1) << shown << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("momentart render: ")) << shown;
        EXPECT_TRUE(result.out.isEmpty()) << shown;
    }
    EXPECT_EQ(cli::filesIn(dir.path()), QStringList{"taken"});
}

TEST(BatchCommand, CtrlCStopsWithWholeFilesOnlyAndStatus130) {
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(cli::scratchEnvironment(dir.path()));
    process.start(MOMENTART_BINARY, {"render", "--count", "200", "--jobs", "2", "--out", "out"});
    ASSERT_TRUE(process.waitForStarted());
    // Wait for the first file, then interrupt.
    for (int wait = 0; wait < 600 && cli::filesIn(dir.filePath("out")).filter(".png").isEmpty(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.contains("interrupted: ")) << err.toStdString();

    const QStringList files = cli::filesIn(dir.filePath("out"));
    EXPECT_GE(files.size(), 1);
    EXPECT_LT(files.size(), 200);
    EXPECT_TRUE(err.contains(QString("interrupted: %1 of 200").arg(files.size()))) << err.toStdString();
    for (const QString& name : files) {
        EXPECT_TRUE(name.endsWith(".png")) << name.toStdString();
        const QImage picture(dir.filePath("out/" + name));
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_FALSE(picture.text("Recipe").isEmpty()) << name.toStdString();
    }
}

}  // namespace
}  // namespace momentart
