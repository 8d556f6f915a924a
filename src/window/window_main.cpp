#include "window/window_main.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <cmath>

#include "platform/options.h"
#include "platform/system_clock.h"
#include "window/window_commands.h"

namespace momentart {

namespace {

const QList<OptionInfo> kWindowOptions = {
    {"pace", "SECONDS",
     "how long a picture takes to appear on screen (default 2; 0: as fast as it is computed)"},
    {"drive-d", "DIR",
     "the folder \"save on D:\" writes to (default: D:\\ on Windows, elsewhere your Pictures folder)"},
    {"drive-c", "DIR", "the folder \"save on C:\" writes to (default: C:\\ on Windows, elsewhere your home folder)"},
    {"help", nullptr, "show this help"},
};

}  // namespace

QString windowHelp() {
    QStringList keys;
    for (const WindowCommand& command : windowCommands())
        if (!command.shortcut.isEmpty()) keys << command.shortcut.toString() + " " + command.caption;
    return describeOptions(kWindowOptions) + "keys: " + keys.join(", ") + "\n";
}

QString readWindowSettings(const QStringList& arguments, WindowSettings& settings, bool& help) {
    const ParsedOptions options = parseOptions(arguments, kWindowOptions);
    if (!options.error.isEmpty()) return options.error;
    help = options.has("help");
    if (options.has("pace")) {
        const QString text = options.value("pace").trimmed();
        bool ok = false;
        const double pace = text.toDouble(&ok);
        if (!ok || !std::isfinite(pace) || pace < 0)
            return "--pace must be a number of seconds, 0 or more, not '" + options.value("pace") + "'";
        settings.pace = pace;
    }
    for (const auto& [name, root] : {std::pair{"drive-d", &settings.drives.d}, std::pair{"drive-c", &settings.drives.c}}) {
        if (!options.has(name)) continue;
        const QString folder = options.value(name);
        if (folder.isEmpty()) return QString("--%1 needs a folder").arg(name);
        *root = folder;
    }
    return {};
}

int windowMain(int argc, char** argv) {
    QStringList arguments;
    for (int n = 1; n < argc; ++n) arguments << QString::fromLocal8Bit(argv[n]);
    WindowSettings settings;
    bool help = false;
    if (const QString error = readWindowSettings(arguments, settings, help); !error.isEmpty()) {
        QTextStream(stderr) << "momentart: " << error << " (see momentart --help)\n";
        return 2;
    }
    if (help) {
        QTextStream(stdout) << "usage: momentart [window options]\n"
                               "Opens the window and makes a picture; the moment decides the picture.\n\n"
                               "window options:\n"
                            << windowHelp();
        return 0;
    }

    QApplication app(argc, argv);
    // Wayland desktops find the window's menu entry (its name and icon) by
    // this id.
    QGuiApplication::setDesktopFileName(MOMENTART_APP_ID);
    SystemClock clock;
    MainWindow window(clock, settings);
    QObject::connect(&window, &MainWindow::exitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Filling the screen first keeps the window full size where no window
    // manager carries out "maximised".
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // Keys go to the window from the start, also where no window manager
    // hands it the focus.
    window.activateWindow();
    // The first picture is made as soon as the window is up.
    QTimer::singleShot(0, &window, &MainWindow::start);
    return app.exec();
}

}  // namespace momentart
