#include "frame/frame_main.h"

#include <QApplication>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <memory>
#include <new>

#include "engine/canvas.h"
#include "platform/display.h"
#include "platform/history_store.h"
#include "platform/interrupt.h"
#include "platform/worker_pool.h"
#include "frame/foreign_window.h"
#include "frame/frame_options.h"
#include "frame/frame_window.h"
#include "platform/screen_facts.h"

namespace momentart {

namespace {

// How often a kill is looked for.
constexpr int kInterruptPollMilliseconds = 100;

int fail(int status, const QString& message, bool seeHelp = false) {
    QTextStream(stderr) << "momentart frame: " << message << (seeHelp ? " (see momentart frame --help)" : "")
                        << "\n";
    return status;
}

}  // namespace

int frameMain(int argc, char** argv) {
    QStringList arguments;
    for (int n = 2; n < argc; ++n) arguments << QString::fromLocal8Bit(argv[n]);
    FrameRequest request;
    if (const QString error =
            readFrameRequest(arguments, qEnvironmentVariable("XSCREENSAVER_WINDOW"), request);
        !error.isEmpty())
        return fail(2, error, true);
    if (request.help) {
        QTextStream(stdout) << frameHelp();
        return 0;
    }
    auto probe = std::make_unique<DisplayProbe>();
    if (!hasDisplay() || !probe->reachable()) return fail(1, "no display here to show pictures on");

    QApplication app(argc, argv);
    probe.reset();
    QGuiApplication::setDesktopFileName(MOMENTART_APP_ID);
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize pixels;
    if (request.windowId) {
        const std::optional<QSize> size = foreignWindowSize(*request.windowId);
        if (!size) return fail(2, QString("there is no window 0x%1 on this display").arg(*request.windowId, 0, 16));
        pixels = *size;
    } else {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (request.screen && *request.screen >= screens.size())
            return fail(2, QString("--screen %1: %2")
                               .arg(*request.screen)
                               .arg(screens.size() == 1 ? QString("there is 1 screen (0)")
                                                        : QString("there are %1 screens (0 to %2)")
                                                              .arg(screens.size())
                                                              .arg(screens.size() - 1)));
        if (request.screen) screen = screens[*request.screen];
        if (screen == nullptr) return fail(1, "no screen to show pictures on");
        pixels = physicalPixels(*screen);
    }

    FrameSettings settings = request.settings;
    settings.scale = largestScaleFitting(pixels);
    settings.jobs = everyCore();
    settings.historyFolder = defaultHistoryFolder();
    std::unique_ptr<FrameSession> session;
    try {
        session = std::make_unique<FrameSession>(settings, frameSecondsOf(screen));
    } catch (const std::bad_alloc&) {
        return fail(1, QString("not enough memory for pictures of %1 x %2 pixels")
                           .arg(Canvas::kWidth * settings.scale)
                           .arg(Canvas::kHeight * settings.scale));
    }
    FrameWindow window(*session);
    QObject::connect(session.get(), &FrameSession::leaveRequested, &app, [] { QCoreApplication::exit(0); });
    // A screensaver daemon ends its hack with a kill: leave tidily (the
    // pictures' threads stopped, the desktop's screensaver let go).
    const InterruptGuard interrupt;
    QTimer killWatch;
    QObject::connect(&killWatch, &QTimer::timeout, &app, [&interrupt] {
        if (interrupt.flag().load()) QCoreApplication::exit(kInterruptedStatus);
    });
    killWatch.start(kInterruptPollMilliseconds);

    if (request.windowId)
        window.showInside(*request.windowId, pixels);
    else
        window.showFullScreenOn(screen);
    QTimer::singleShot(0, session.get(), &FrameSession::start);
    return app.exec();
}

}  // namespace momentart
