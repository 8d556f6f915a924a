#include "window/window_main.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/history_store.h"
#include "engine/generation/run.h"
#include "platform/display.h"
#include "platform/options.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/shown_path.h"
#include "platform/system_clock.h"
#include "window/window_commands.h"

namespace momentart {

namespace {

const QList<OptionInfo> kWindowOptions = {
    {"pace", "SECONDS",
     "how long a picture takes to appear on screen (default 2; 0: as fast as it is computed)"},
    {"drive-d", "DIR",
     "the folder \"save on D:\" writes to (default: D:\\ on Windows, elsewhere the momentart folder of "
     "Pictures)"},
    {"drive-c", "DIR",
     "the folder \"save on C:\" writes to (default: C:\\ on Windows, elsewhere the momentart folder of "
     "Documents)"},
    {"history", "DIR", "where the recipe of every picture made is kept (default: the history folder of "
                       "momentart's application data; see 'momentart history')"},
    {"history-keep", "N", "how many pictures the history keeps, the newest (default 10000)"},
    {"large-scale", "K", "the scale of the picture the \"Large\" key L saves: 600 K x 450 K pixels, " +
                             wholeRange(2, kLargestScale) + " (default 4)"},
    {"help", nullptr, "show this help"},
};

// The picture file among the arguments (the one argument that is not an
// option or an option's value), taken out of them.
bool takesValue(const QString& argument) {
    const QString name = argument.mid(2);
    return std::any_of(kWindowOptions.begin(), kWindowOptions.end(),
                       [&](const OptionInfo& o) { return o.valueName != nullptr && name == o.name; });
}

QString takePictureFile(QStringList& arguments) {
    for (int n = 0; n < arguments.size(); ++n) {
        const QString& argument = arguments[n];
        if (argument.startsWith("-")) {
            if (takesValue(argument)) ++n;
            continue;
        }
        if (!carriesRecipe(argument)) continue;
        return arguments.takeAt(n);
    }
    return {};
}

// A file of some other kind given to open (notes.txt opened from a file
// manager, which has no terminal to read "unexpected argument" on).
QString foreignFile(const QStringList& arguments) {
    for (int n = 0; n < arguments.size(); ++n) {
        if (arguments[n].startsWith("-")) {
            if (takesValue(arguments[n])) ++n;
            continue;
        }
        if (QFileInfo(arguments[n]).isFile()) return arguments[n];
    }
    return {};
}

}  // namespace

QString windowHelp() {
    QList<QPair<QString, QString>> keys;
    for (const WindowCommand& command : windowCommands())
        if (!command.shortcut.isEmpty()) keys.append({command.shortcut.toString(), describeKey(command)});
    return describeOptions(kWindowOptions) + "\nkeys:\n" + describeEntries(keys);
}

QString readWindowSettings(const QStringList& given, WindowSettings& settings, bool& help, bool* pictureRefused) {
    QStringList arguments = given;
    const QString picture = takePictureFile(arguments);
    if (const QString foreign = foreignFile(arguments); !foreign.isEmpty()) {
        if (pictureRefused != nullptr) *pictureRefused = true;
        return shownPath(foreign) +
               ": not a picture momentart can open (a PNG or a bitmap with its recipe that momentart saved, a "
               ".recipe file, or a film it made)";
    }
    const ParsedOptions options = parseOptions(arguments, kWindowOptions);
    if (!options.error.isEmpty()) return options.error;
    help = options.has("help");
    if (!picture.isEmpty()) {
        // Checked now, so a file that cannot be opened stops with one line.
        if (const RecipeFromFile read = readRecipeOfAnyFile(picture); !read.recipe) {
            if (pictureRefused != nullptr) *pictureRefused = true;
            return read.error;
        }
        settings.open = picture;
    }
    if (options.has("history")) {
        settings.historyFolder = options.value("history");
        if (settings.historyFolder.isEmpty()) return "--history needs a folder";
    } else if (const QString missing = homeMissing(); !missing.isEmpty()) {
        // Said once at start; the window goes on without a history on disk.
        QTextStream(stderr) << "momentart: " << missing << ", so the history is not kept on disk (name a folder "
                               "with --history)\n";
    } else {
        settings.historyFolder = defaultHistoryFolder();
    }
    const WholeOption keep = wholeOption(options, "history-keep", 1, 100000000, kHistoryKeep);
    if (!keep.error.isEmpty()) return keep.error;
    settings.historyKeep = static_cast<int>(keep.value);
    if (const QString error = readPace(options, settings.pace); !error.isEmpty()) return error;
    const WholeOption large = wholeOption(options, "large-scale", 2, kLargestScale, 4);
    if (!large.error.isEmpty()) return large.error;
    settings.largeScale = static_cast<int>(large.value);
    for (const auto& [name, root] : {std::pair{"drive-d", &settings.drives.d}, std::pair{"drive-c", &settings.drives.c}}) {
        if (!options.has(name)) continue;
        const QString folder = options.value(name);
        if (folder.isEmpty()) return QString("--%1 needs a folder").arg(name);
        *root = folder;
    }
    return {};
}

int windowMain(int argc, char** argv, FrameOpener openFrame) {
    QStringList arguments;
    for (int n = 1; n < argc; ++n) arguments << QString::fromLocal8Bit(argv[n]);
    WindowSettings settings;
    bool help = false;
    bool pictureRefused = false;
    if (const QString error = readWindowSettings(arguments, settings, help, &pictureRefused); !error.isEmpty()) {
        QTextStream(stderr) << "momentart: " << error << (pictureRefused ? "" : " (see momentart --help)") << "\n";
        // A file opened from a file manager has no terminal to tell.
        if (pictureRefused && hasDisplay()) {
            QApplication app(argc, argv);
            QMessageBox::critical(nullptr, "momentart", "This file cannot be opened:\n" + error);
        }
        return 2;
    }
    if (help) {
        QTextStream(stdout) << "usage: momentart [window options] [PICTURE.png|PICTURE.bmp|RECIPE.recipe|FILM]\n"
                               "Opens the window and makes a picture; the moment decides the picture.\n"
                               "Given a picture momentart saved (or its recipe, or a film it made), the\n"
                               "window shows it first and new pictures go on from it.\n\n"
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
    window.setFrameOpener(std::move(openFrame));
    PictureSession& session = window.session();
    QObject::connect(&session, &PictureSession::exitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Filling the screen first keeps the window full size where no window
    // manager carries out "maximised"; its frame (title bar and all) starts
    // at the screen's corner, and a restored window is fitted back onto
    // the screen (MainWindow::fitOnScreen).
    if (const QScreen* screen = window.screen()) {
        window.resize(screen->availableGeometry().size());
        window.move(screen->availableGeometry().topLeft());
    }
    window.showMaximized();
    // Keys go to the window from the start, also where no window manager
    // hands it the focus.
    window.activateWindow();
    // The first picture is made as soon as the window is up.
    QTimer::singleShot(0, &session, &PictureSession::start);
    return app.exec();
}

}  // namespace momentart
