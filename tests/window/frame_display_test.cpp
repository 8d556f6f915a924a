// The real `momentart frame` on an X server of the test's own (Xvfb): full
// screen at 1920 x 1080 it shows render --scale 2's picture at the centre of
// a black field, the next picture on time, holds the desktop's screensaver
// off (a fake one on a session bus of the test's own) and leaves on Escape;
// given a screensaver's window it draws into it; bad windows and no display
// are refused.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include <gtest/gtest.h>

// Xlib last: its macros (None, True, Bool, ...) would spoil the others.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#undef None

namespace momentart::testing {
namespace {

// Runs the event loop until `done` or `milliseconds` have passed.
bool waitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A helper program that prints one line (a display number, a bus address)
// and is ended with the test.
class Helper {
public:
    Helper(const QString& program, const QStringList& arguments) {
        process_.start(program, arguments);
        waitFor([&] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; }, 10000);
        line_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Helper() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished();
    }
    const QString& line() const { return line_; }

private:
    QProcess process_;
    QString line_;
};

// An X server of 1920 x 1080 pixels, and this test's connection to it.
struct XServer {
    Helper xvfb{"Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset"}};
    QString name = ":" + xvfb.line();
    Display* display = XOpenDisplay(name.toLatin1().constData());
    ~XServer() {
        if (display != nullptr) XCloseDisplay(display);
    }

    // The pixels of `rect` of `window` (the whole screen by default).
    QImage grab(const QRect& rect, Window window = 0) const {
        XImage* image = XGetImage(display, window != 0 ? window : DefaultRootWindow(display), rect.x(), rect.y(),
                                  rect.width(), rect.height(), AllPlanes, ZPixmap);
        if (image == nullptr) return {};
        QImage copy(rect.size(), QImage::Format_RGB32);
        for (int y = 0; y < rect.height(); ++y)
            for (int x = 0; x < rect.width(); ++x)
                copy.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y) & 0xFFFFFF) | 0xFF000000u);
        XDestroyImage(image);
        return copy;
    }
    void press(KeySym key) const {
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
        XFlush(display);
    }
};

// The desktop's screensaver as far as the frame sees it.
class FakeScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QList<uint> inhibited, released;

public slots:
    uint Inhibit(const QString&, const QString&) {
        inhibited << 7000u + static_cast<uint>(inhibited.size());
        return inhibited.back();
    }
    void UnInhibit(uint cookie) { released << cookie; }
};

// The real program in a home of its own on the display `display`.
struct Frame {
    QTemporaryDir home;
    QProcess process;

    Frame(const QString& display, const QStringList& arguments, const QString& bus = "unix:path=/nonexistent",
          const QString& screensaverWindow = {}) {
        process.setProcessEnvironment(environment(display, bus, screensaverWindow));
        process.start(MOMENTART_BINARY, QStringList{"frame"} + arguments);
    }
    QProcessEnvironment environment(const QString& display, const QString& bus, const QString& window) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("DISPLAY", display);
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus);
        if (!window.isEmpty()) env.insert("XSCREENSAVER_WINDOW", window);
        return env;
    }
    // Another command of the program in the same home, on no display.
    QString run(const QStringList& arguments) const {
        QProcess other;
        QProcessEnvironment env = environment({}, {}, {});
        env.insert("QT_QPA_PLATFORM", "offscreen");
        other.setProcessEnvironment(env);
        other.start(MOMENTART_BINARY, arguments);
        other.waitForFinished(60000);
        return QString::fromUtf8(other.readAllStandardOutput() + other.readAllStandardError());
    }
    bool ended(int milliseconds) {
        return waitFor([&] { return process.state() == QProcess::NotRunning; }, milliseconds);
    }
    ~Frame() {
        process.kill();
        process.waitForFinished();
    }
};

bool allBlackOutside(const QImage& screen, const QRect& picture) {
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (!picture.contains(x, y) && (screen.pixel(x, y) & 0xFFFFFF) != 0) return false;
    return true;
}

TEST(ArtFrame, FillsA1080pScreenWithRenderScale2sPicturesOnTimeAndLeavesOnEscape) {
    XServer x;
    ASSERT_NE(x.display, nullptr) << "no Xvfb";
    Helper bus("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QDBusConnection connection = QDBusConnection::connectToBus(bus.line(), "frame-test");
    ASSERT_TRUE(connection.isConnected()) << bus.line().toStdString();
    FakeScreenSaver saver;
    ASSERT_TRUE(connection.registerObject("/org/freedesktop/ScreenSaver", &saver, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService("org.freedesktop.ScreenSaver"));

    QElapsedTimer clock;
    clock.start();
    Frame frame(x.name, {"--seed", "4242", "--no-stamp", "--every", "8s"}, bus.line());
    const QString expectedFile = frame.home.filePath("expected.png");
    frame.run({"render", "--seed", "4242", "--scale", "2", "--no-stamp", "--out", expectedFile});
    const QImage expected = QImage(expectedFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), QSize(1200, 900));
    EXPECT_TRUE(waitFor([&] { return saver.inhibited.size() == 1; }, 10000)) << "the screensaver was not held off";

    // Once grown (and its caption gone), the picture alone at the centre.
    const QRect centre(360, 90, 1200, 900);
    QImage screen;
    const bool shown = waitFor(
        [&] {
            screen = x.grab({0, 0, 1920, 1080});
            return screen.copy(centre) == expected && allBlackOutside(screen, centre);
        },
        7500 - static_cast<int>(clock.elapsed()));
    EXPECT_TRUE(shown) << "after " << clock.elapsed() << " ms";
    waitFor([] { return false; }, 14000 - static_cast<int>(clock.elapsed()));
    const QImage later = x.grab(centre);

    x.press(XK_Escape);
    ASSERT_TRUE(frame.ended(10000)) << "Escape did not end the frame";
    EXPECT_EQ(frame.process.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return saver.released == saver.inhibited; }, 5000)) << "the screensaver was not let go";

    // Both pictures are in the history; the second is on screen at 14 s.
    const QStringList history = frame.run({"history"}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(history.size(), 2) << history.join('\n').toStdString();
    const QString second = history.front().section(' ', -1);
    const QString secondFile = frame.home.filePath("second.png");
    frame.run({"render", "--from", second, "--out", secondFile});
    EXPECT_EQ(later, QImage(secondFile).convertToFormat(QImage::Format_RGB32)) << second.toStdString();
    EXPECT_NE(later, expected);
}

TEST(ArtFrame, DrawsIntoAScreensaversWindowUntilKilledAndRefusesWhatIsNotThere) {
    XServer x;
    ASSERT_NE(x.display, nullptr) << "no Xvfb";
    // The screensaver daemon's window: room for scale 2 with a margin.
    const Window window = XCreateSimpleWindow(x.display, DefaultRootWindow(x.display), 0, 0, 1250, 950, 0, 0, 0);
    XMapWindow(x.display, window);
    XSync(x.display, False);

    Frame frame(x.name, {"--seed", "99", "--no-stamp", "--pace", "0"}, {}, QString("0x%1").arg(window, 0, 16));
    const QString expectedFile = frame.home.filePath("expected.png");
    frame.run({"render", "--seed", "99", "--scale", "2", "--no-stamp", "--out", expectedFile});
    const QImage expected = QImage(expectedFile).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(waitFor([&] { return x.grab({25, 25, 1200, 900}, window) == expected; }, 20000))
        << "the picture is not in the window";
    frame.process.terminate();
    ASSERT_TRUE(frame.ended(10000)) << "a kill did not end the frame";
    EXPECT_EQ(frame.process.exitCode(), 130);

    Frame nowhere(x.name, {"--window-id", "0x7ffffe"});
    ASSERT_TRUE(nowhere.ended(20000));
    EXPECT_EQ(nowhere.process.exitCode(), 2);
    const QString said = QString::fromUtf8(nowhere.process.readAllStandardError());
    EXPECT_EQ(said, "momentart frame: there is no window 0x7ffffe on this display\n");
    Frame noDisplay("", {});
    ASSERT_TRUE(noDisplay.ended(20000));
    EXPECT_EQ(noDisplay.process.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(noDisplay.process.readAllStandardError()),
              "momentart frame: no display here to show pictures on\n");
}

}  // namespace
}  // namespace momentart::testing

#include "frame_display_test.moc"
