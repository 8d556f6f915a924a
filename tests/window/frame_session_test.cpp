// The art frame's session without a screen: its pictures are the engine's
// own sequence at the frame's scale on any number of threads, skipping dull
// ones finds the first that is not, the timer pauses, and the schedule and
// the options say what they should.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <bit>

#include <gtest/gtest.h>

#include "engine/generation/run.h"
#include "engine/interest.h"
#include "engine/startup.h"
#include "platform/history_store.h"
#include "platform/image_convert.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/system_clock.h"
#include "frame/frame_options.h"
#include "frame/frame_session.h"
#include "frame/frame_window.h"

namespace momentart::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kScale = 2;

// Lets the frame finish its pictures and history files, then waits `extra`.
void settle(const FrameSession& frame, std::chrono::milliseconds extra = 0ms) {
    QElapsedTimer waited;
    waited.start();
    while ((frame.busy() || frame.waitingCommands() > 0 || frame.historyWritesPending() > 0 ||
            waited.elapsed() < extra.count()) &&
           waited.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct FrameUnderTest {
    QTemporaryDir folder;
    std::unique_ptr<FrameSession> session;
    QImage lastShown;

    explicit FrameUnderTest(FrameSettings settings) {
        settings.historyFolder = folder.filePath("history");
        session = std::make_unique<FrameSession>(settings, 1.0 / 60);
        QObject::connect(session.get(), &FrameSession::shown, [this](const QImage& image) { lastShown = image; });
    }
    void carry(FrameAction action) {
        session->perform(action);
        settle(*session);
    }
    FrameSession* operator->() { return session.get(); }
};

FrameSettings frameOf(int jobs, std::uint32_t seed) {
    FrameSettings settings;
    settings.scale = kScale;
    settings.jobs = jobs;
    settings.pace = 0;
    settings.stamp = false;
    settings.timing.every = 24h;
    settings.timing.seed = seed;
    return settings;
}

// One run of the engine at the frame's scale, as the frame would make it.
bool makeAt(GenerationState& s, Canvas& canvas, std::uint32_t seed, const CalendarTime& moment, int type = 0) {
    FixedMomentClock clock(seed, moment);
    RunHost host{clock, nullptr, nullptr};
    RunOptions options;
    options.scale = kScale;
    options.forcedType = type;
    return makeimage(s, canvas, host, options);
}

TEST(FrameSession, PicturesAreTheEngineSequenceAtTheFramesScaleOnAnyNumberOfThreads) {
    constexpr std::uint32_t kSeed = 4242;
    for (int jobs : {1, 3}) {
        SCOPED_TRACE(jobs);
        FrameUnderTest frame(frameOf(jobs, kSeed));
        frame->start();
        settle(*frame.session);
        frame.carry(FrameAction::NewImage);
        frame.carry(FrameAction::RepeatType);
        const PictureHistory& history = frame->history();
        ASSERT_EQ(history.size(), 3);

        // Start-up seeded as the first picture, then the seeds S, S+1, S+2,
        // the third repeating the type; each named as the frame named it.
        GenerationState s;
        startup(s, kSeed);
        std::vector<Canvas> expected;
        for (int n = 0; n < 3; ++n) {
            Canvas canvas(Canvas::kWidth * kScale, Canvas::kHeight * kScale);
            s.izbors = n == 2 ? 1 : 0;
            makeAt(s, canvas, kSeed + n, history.at(n).recipe.moment);
            EXPECT_EQ(history.at(n).recipe.seed, kSeed + n);
            EXPECT_EQ(history.at(n).recipe.scale, kScale);
            expected.push_back(std::move(canvas));
        }
        EXPECT_EQ(history.at(2).summary.type, history.at(1).summary.type);
        EXPECT_TRUE(frame->shownPicture() == expected[2]);
        EXPECT_EQ(frame.lastShown, toQImage(expected[2]));
        RenderSettings render;
        render.seed = kSeed;
        render.scale = kScale;
        render.stamp = false;
        EXPECT_TRUE(*renderFresh(render).canvas == expected[0]) << "not render --seed S --scale K's picture";

        // Back makes the one before again at the frame's scale; Keep saves it.
        frame.carry(FrameAction::Back);
        EXPECT_TRUE(frame->shownPicture() == expected[1]);
        EXPECT_EQ(frame.lastShown, toQImage(expected[1]));
        frame.carry(FrameAction::Keep);
        const QString kept = frame->history().shown().kept.value(kScale);
        ASSERT_FALSE(kept.isEmpty()) << frame->caption().toStdString();
        const RecipeFromFile read = readRecipeFromPicture(kept);
        ASSERT_TRUE(read.recipe) << read.error.toStdString();
        EXPECT_TRUE(*renderFromRecipe(*read.recipe).canvas == expected[1]);
        EXPECT_TRUE(frame->caption().contains("Saved")) << frame->caption().toStdString();

        // Every picture is in the history folder the window shares.
        EXPECT_EQ(newestHistory(frame.folder.filePath("history"), 10).size(), 3);
    }
}

TEST(FrameSession, SkipDullShowsTheFirstSeedWhosePictureIsNotDull) {
    // Type 24 is dull for about a third of the seeds: find a first picture
    // that is, and the first seed after it whose picture is not.
    constexpr int kType = 24;
    const CalendarTime moment{2026, 12, 8, 10, 0, 0};
    Canvas canvas(Canvas::kWidth * kScale, Canvas::kHeight * kScale);
    std::optional<std::uint32_t> dullSeed;
    GenerationState started;
    for (std::uint32_t seed = 1; seed <= 40 && !dullSeed; ++seed) {
        startup(started, seed);
        GenerationState s = started;
        makeAt(s, canvas, seed, moment, kType);
        if (isDull(measureInterest(canvas))) dullSeed = seed;
    }
    ASSERT_TRUE(dullSeed) << "no dull picture of type 24 among 40 seeds";
    std::uint32_t shownSeed = *dullSeed;
    do {
        GenerationState s = started;  // a skipped picture leaves no trace
        makeAt(s, canvas, ++shownSeed, moment, kType);
    } while (isDull(measureInterest(canvas)) && shownSeed < *dullSeed + 40);

    FrameSettings settings = frameOf(2, *dullSeed);
    settings.type = kType;
    settings.skipDull = true;
    FrameUnderTest frame(settings);
    frame->start();
    settle(*frame.session);
    ASSERT_EQ(frame->history().size(), 1);
    EXPECT_EQ(frame->history().at(0).recipe.seed, shownSeed);
    EXPECT_EQ(frame->dullSkipped(), static_cast<int>(shownSeed - *dullSeed));
    EXPECT_FALSE(isDull(measureInterest(frame->shownPicture())));
    EXPECT_TRUE(frame->shownPicture() == canvas);
}

TEST(FrameSession, NewPicturesComeOnTheTimerWhichSpacePauses) {
    FrameSettings settings = frameOf(1, 7);
    settings.scale = 1;
    settings.timing.every = 300ms;
    FrameUnderTest frame(settings);
    frame->start();
    settle(*frame.session, 1500ms);
    EXPECT_GE(frame->picturesMade(), 3);
    frame->perform(FrameAction::PauseResume);
    EXPECT_TRUE(frame->paused());
    EXPECT_TRUE(frame->caption().endsWith("paused")) << frame->caption().toStdString();
    settle(*frame.session);
    const int made = frame->picturesMade();
    settle(*frame.session, 1000ms);
    EXPECT_EQ(frame->picturesMade(), made);
    frame->perform(FrameAction::PauseResume);
    settle(*frame.session, 1000ms);
    EXPECT_GT(frame->picturesMade(), made);
}

TEST(FrameWindow, ThePictureIsCentredPixelForPixelTheCaptionFadesAndThePointerHides) {
    FrameUnderTest frame(frameOf(1, 5));
    FrameWindow window(*frame.session);
    window.resize(1300, 1000);
    window.show();
    frame->start();
    settle(*frame.session, 300ms);
    EXPECT_EQ(window.pictureRect(), QRect(50, 50, 1200, 900));
    EXPECT_TRUE(window.captionText().startsWith(frame->history().at(0).summary.name.c_str()));
    EXPECT_GT(window.captionOpacity(), 0.5);
    settle(*frame.session, std::chrono::milliseconds(kCaptionMilliseconds + 1500));
    EXPECT_TRUE(window.captionText().isEmpty());
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    QImage screen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen.copy(window.pictureRect()), toQImage(frame->shownPicture()));
    QPainter(&screen).fillRect(window.pictureRect(), Qt::black);
    QImage black(screen.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(screen, black) << "not black around the picture";
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    EXPECT_NE(window.cursor().shape(), Qt::BlankCursor);
}

TEST(FrameSchedule, EachSourceGivesTheSeedAndMomentOfItsRule) {
    const QDateTime now(QDate(2026, 12, 8), QTime(16, 3, 42, 500));
    FrameSchedule minute(FrameTiming{60s, true, {}});
    const PictureMoment first = minute.pictureAt(now);
    EXPECT_EQ(first.seed, timerSeedAt(QTime(16, 3)));
    EXPECT_EQ(first.seed, std::bit_cast<std::uint32_t>(static_cast<float>(16 * 3600 + 3 * 60)));
    EXPECT_EQ(first.moment.minute, 3);
    EXPECT_EQ(first.moment.second, 0);
    EXPECT_EQ(minute.nextDue(now), 17505ms);
    // A dull picture gives way to the next second's; a timer a little early
    // still gives the next minute's picture.
    EXPECT_EQ(minute.after(first, now).seed, timerSeedAt(QTime(16, 3, 1)));
    const PictureMoment early = minute.pictureAt(QDateTime(now.date(), QTime(16, 3, 59, 998)));
    EXPECT_EQ(early.seed, timerSeedAt(QTime(16, 4)));
    EXPECT_EQ(early.moment.minute, 4);

    FrameSchedule seeds(FrameTiming{90s, false, 4294967294u});
    EXPECT_EQ(seeds.pictureAt(now).seed, 4294967294u);
    EXPECT_EQ(seeds.after({}, now).seed, 4294967295u);
    EXPECT_EQ(seeds.nextDue(now), 90s);

    FrameSchedule timer(FrameTiming{});
    const PictureMoment timed = timer.pictureAt(now);
    EXPECT_EQ(timed.seed, timerSeedAt(now.time()));
    EXPECT_EQ(timed.moment.second, 42);
    EXPECT_NE(timer.after(timed, now).seed, timed.seed);
}

TEST(FrameOptions, DurationsWindowsAndConflicts) {
    const auto read = [](const QStringList& arguments, const QString& screensaver = {}) {
        FrameRequest request;
        const QString error = readFrameRequest(arguments, screensaver, request);
        return std::pair{error, request};
    };
    for (const auto& [text, milliseconds] :
         {std::pair{"90s", 90000}, {"1.5m", 90000}, {"2h", 7200000}, {"8", 8000}, {" 8 s", 8000}}) {
        const auto [error, request] = read({"--every", text});
        EXPECT_TRUE(error.isEmpty()) << text << ": " << error.toStdString();
        EXPECT_EQ(request.settings.timing.every.count(), milliseconds) << text;
    }
    const auto [error, request] = read({"--seed", "4242", "--no-stamp", "--type", "17"}, "0x2a00007");
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(request.windowId, 0x2a00007u);
    EXPECT_EQ(request.settings.timing.seed, 4242u);
    EXPECT_FALSE(request.settings.stamp);
    EXPECT_EQ(request.settings.type, 17);
    EXPECT_EQ(read({"--window-id", "44040199"}, "0x1").second.windowId, 44040199u);

    for (const QStringList& bad :
         {QStringList{"--every", "0"}, {"--every", "0.5s"}, {"--every", "25h"}, {"--every", "soon"},
          {"--every", "5x"}, {"--every", "-1s"}, {"--every", ""}, {"--on-the-minute", "--seed", "1"},
          {"--on-the-minute", "--every", "1m"}, {"--window-id", "zebra"}, {"--window-id", "0"},
          {"--window-id", "0x100000000"}, {"--screen", "1", "--window-id", "0x20"}, {"--type", "8"},
          {"--seed", "4294967296"}, {"--pace", "-1"}, {"picture.png"}})
        EXPECT_FALSE(read(bad).first.isEmpty()) << bad.join(' ').toStdString();
    EXPECT_TRUE(read({}, "not a window").first.contains("XSCREENSAVER_WINDOW"));
}

}  // namespace
}  // namespace momentart::testing
