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
#include "engine/interest.h"
#include "file_support.h"
#include <QRegularExpression>

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
    ASSERT_TRUE(testing::writeFile(taken, "mine"));

    const std::atomic<bool> stop{false};
    const BatchOutcome outcome = runBatch(planOf(dir.path(), 1, 1), stop);
    EXPECT_EQ(outcome.written, 1);
    EXPECT_EQ(testing::readFile(taken), "mine");
    QString second = taken;
    second.replace(".png", "-2.png");
    EXPECT_TRUE(cli::samePixels(QImage(second), toQImage(*first.canvas)));
}

TEST(BatchRender, StoppingStartsNoNewPictureAndLeavesOnlyWholeFiles) {
    QTemporaryDir dir;
    std::atomic<bool> stop{true};
    EXPECT_EQ(runBatch(planOf(dir.path(), 5, 2), stop).written, 0);
    EXPECT_TRUE(cli::filesIn(dir.path()).isEmpty());

    // Stop as the first file is reported: the pictures already made are
    // still written, in seed order, and no later one is started. How many
    // were under way depends on the machine's load; that the files are the
    // first seeds, with no gap, does not.
    stop = false;
    std::vector<std::uint32_t> reportedSeeds;
    const BatchOutcome outcome = runBatch(planOf(dir.path(), 12, 2), stop, [&](const BatchPicture& picture) {
        reportedSeeds.push_back(picture.seed);
        stop = true;
    });
    EXPECT_GE(outcome.written, 1);
    EXPECT_LT(outcome.written, 12);
    std::vector<std::uint32_t> firstSeeds;
    for (int n = 0; n < outcome.written; ++n) firstSeeds.push_back(kFirstSeed + static_cast<std::uint32_t>(n));
    EXPECT_EQ(reportedSeeds, firstSeeds);
    const QStringList files = cli::filesIn(dir.path());
    EXPECT_EQ(files.size(), outcome.written);
    for (const QString& name : files) {
        const QImage picture(dir.filePath(name));
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_FALSE(picture.text("Recipe").isEmpty()) << name.toStdString();
        const QString seed = name.section("-seed", 1).section('.', 0, 0);
        EXPECT_LT(seed.toUInt() - kFirstSeed, static_cast<unsigned>(outcome.written)) << name.toStdString();
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

// A batch stopped part way goes on: the seeds whose pictures are whole in
// the folder are skipped, the missing one and the one cut short are made
// (the broken file set aside, so the folder holds each seed once), and a
// picture of another batch does not count.
TEST(BatchCommand, ContinueMakesOnlyThePicturesNotWholeInTheFolder) {
    QTemporaryDir dir;
    const QStringList batch = {"render", "--count", "4", "--seed", "300", "--type", "20", "--no-stamp",
                               "--out", "out"};
    ASSERT_EQ(cli::run(batch + QStringList{"--quiet"}, dir.path()).status, 0);
    const QDir out(dir.filePath("out"));
    const auto fileOfSeed = [&](int seed) {
        return out.filePath(out.entryList({QString("*-seed%1.png").arg(seed)}).value(0));
    };
    ASSERT_TRUE(QFile::remove(fileOfSeed(302)));
    const QString cutPath = fileOfSeed(303);
    QFile cut(cutPath);
    const qint64 cutSize = cut.size() / 2;
    ASSERT_TRUE(cut.resize(cutSize));
    ASSERT_EQ(cli::run({"render", "--count", "1", "--seed", "302", "--type", "21", "--out", "out"}, dir.path()).status, 0);

    const cli::Result goOn = cli::run(batch + QStringList{"--continue"}, dir.path());
    EXPECT_EQ(goOn.status, 0) << goOn.err.toStdString();
    EXPECT_TRUE(goOn.err.contains("2 pictures written to out, 2 seeds skipped: their pictures were there already, "
                                  "1 damaged picture set aside as " + cutPath.mid(dir.path().size() + 1) + ".damaged\n"))
        << goOn.err.toStdString();
    EXPECT_EQ(out.entryList({"*-type20-*.png"}).size(), 4);
    EXPECT_EQ(QFileInfo(cutPath + ".damaged").size(), cutSize);
    for (int seed = 300; seed < 304; ++seed) {
        const QStringList files = out.entryList({QString("*-type20-seed%1*.png").arg(seed)});
        const bool whole = std::any_of(files.begin(), files.end(), [&](const QString& file) {
            return cli::samePixels(QImage(out.filePath(file)), toQImage(*single(seed, 20, false).canvas));
        });
        EXPECT_TRUE(whole) << seed;
    }
}

// Type 24 is dull for about a third of its seeds.
constexpr int kOftenDull = 24;

TEST(SkipDull, WritesTheFirstPassingSeedsBitForBitWhateverTheWorkers) {
    // Which of the seeds from kFirstSeed are dull, from single renders.
    constexpr std::uint32_t kFrom = 98;  // seeds 100 to 103 are dull
    std::vector<std::uint32_t> passing;
    int dullBefore = 0;
    for (std::uint32_t seed = kFrom; passing.size() < 3; ++seed) {
        const bool dull = isDull(measureInterest(*single(seed, kOftenDull, false).canvas));
        if (dull && passing.size() < 3) ++dullBefore;
        if (!dull) passing.push_back(seed);
    }
    ASSERT_GT(dullBefore, 0) << "no dull seed among the first: choose another first seed";

    for (int jobs : {1, 2}) {
        QTemporaryDir dir;
        BatchPlan plan = planOf(dir.path(), 3, jobs, kOftenDull);
        plan.firstSeed = kFrom;
        plan.stamp = false;
        plan.skipDull = true;
        const std::atomic<bool> stop{false};
        std::vector<std::uint32_t> skippedSeeds;
        const BatchOutcome outcome =
            runBatch(plan, stop, {}, [&](std::uint32_t seed) { skippedSeeds.push_back(seed); });
        EXPECT_EQ(outcome.written, 3);
        EXPECT_EQ(outcome.skipped, dullBefore) << jobs;
        EXPECT_EQ(static_cast<int>(skippedSeeds.size()), dullBefore);
        EXPECT_FALSE(outcome.gaveUp);
        const QStringList files = cli::filesIn(dir.path());
        ASSERT_EQ(files.size(), 3) << jobs;
        for (const std::uint32_t seed : passing) {
            const QString name = files.filter(QString("-seed%1.png").arg(seed)).value(0);
            ASSERT_FALSE(name.isEmpty()) << "seed " << seed << " jobs " << jobs;
            const QImage file(dir.filePath(name));
            const QStringList figures = file.text("Interest").split(' ');
            ASSERT_EQ(figures.size(), 3) << file.text("Interest").toStdString();
            const Interest stored{figures[0].section('=', 1).toDouble(), figures[1].section('=', 1).toDouble(),
                                  figures[2].section('=', 1).toDouble()};
            EXPECT_FALSE(isDull(stored)) << file.text("Interest").toStdString();
            EXPECT_TRUE(cli::samePixels(file, toQImage(*single(seed, kOftenDull, false).canvas)))
                << name.toStdString();
        }
    }
}

TEST(SkipDull, GivesUpAfterAHundredSeedsPerPictureInARowWithStatusOne) {
    QTemporaryDir dir;
    BatchRequest request;
    request.plan = planOf(dir.filePath("out"), 1, 2, kOftenDull);
    request.plan.stamp = false;
    request.plan.skipDull = true;
    request.plan.dull = [](const Interest&) { return true; };  // nothing passes
    QString err;
    QTextStream stream(&err);
    EXPECT_EQ(runBatchCommand(request, stream), 1);
    stream.flush();
    EXPECT_TRUE(err.contains("skipped 100: seed " + QString::number(kFirstSeed + 99) + " is dull"))
        << err.right(300).toStdString();
    EXPECT_FALSE(err.contains("skipped 101")) << err.right(300).toStdString();
    EXPECT_TRUE(err.contains("momentart render: stopped: 100 seeds in a row gave only dull pictures; "
                             "0 of 1 pictures written to "))
        << err.right(300).toStdString();
    EXPECT_TRUE(err.endsWith(", 100 dull pictures skipped\n")) << err.right(300).toStdString();
    EXPECT_TRUE(cli::filesIn(dir.filePath("out")).isEmpty());
}

TEST(SkipDull, TheCommandSaysHowManyItSkippedAndRenderPrintsTheFigures) {
    QTemporaryDir dir;
    const cli::Result batch =
        cli::run({"render", "--count", "2", "--type", "24", "--seed", "100", "--skip-dull", "--out", "b"}, dir.path());
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    // Seeds 100 to 103 of type 24 are dull, 104 and 105 are not.
    EXPECT_TRUE(batch.err.contains("skipped 4: seed 103 is dull")) << batch.err.toStdString();
    EXPECT_TRUE(batch.err.endsWith("2 pictures written to b, 4 dull pictures skipped\n")) << batch.err.toStdString();
    EXPECT_EQ(cli::filesIn(dir.filePath("b")).filter(QRegularExpression("seed10[45]\\.png$")).size(), 2);

    const cli::Result dull = cli::run({"render", "--type", "24", "--seed", "100", "--out", "d.png"}, dir.path());
    ASSERT_EQ(dull.status, 0) << dull.err.toStdString();
    EXPECT_TRUE(dull.out.contains(QRegularExpression("\ninterest: common=0\\.\\d\\d spread=\\d+\\.\\d "
                                                     "detail=\\d+\\.\\d \\(dull\\)\\n$")))
        << dull.out.toStdString();
    EXPECT_TRUE(dull.out.endsWith(QImage(dir.filePath("d.png")).text("Interest") + " (dull)\n"));

    const cli::Result alone = cli::run({"render", "--skip-dull"}, dir.path());
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(alone.err, "momentart render: --skip-dull goes with --count\n");
}

}  // namespace
}  // namespace momentart
