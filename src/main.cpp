// momentart: the window with no command, or one of the commands.
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "cli/film_command.h"
#include "cli/history_command.h"
#include "cli/render_command.h"
#include "cli/sheet_command.h"
#include "cli/vary_command.h"
#include "platform/display.h"
#include "frame/frame_main.h"
#include "frame/frame_over_window.h"
#include "window/window_main.h"

namespace {

// The window's F11: the art frame over the window's screen, taking on its
// pace and its history.
std::unique_ptr<QObject> openFrameFromWindow(QScreen* screen, const momentart::PictureSession& session,
                                             std::function<void(int made)> left) {
    momentart::FrameFromWindow from;
    from.pace = session.settings().pace;
    from.historyFolder = session.settings().historyFolder;
    from.historyKeep = session.settings().historyKeep;
    return momentart::openFrameOverWindow(screen, from, session.state(), session.history(), std::move(left));
}

// Qt's note that it picked a runtime folder itself is noise to our users.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    qt_message_output(type, context, message);
}

// A command that needs no window: its name, what it does, its body (called
// with the arguments after the command's name), and whether those arguments
// make it draw text, which needs Qt's fonts and so a GUI application object
// (null: always).
struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
    bool (*drawsText)(const QStringList& arguments);
};

const Command kCommands[] = {
    {"render", "compute pictures without a window and write them to files", momentart::renderCommand,
     momentart::renderDrawsText},
    {"sheet", "a contact sheet: one small picture of every image type for a seed, or of "
              "the pictures in a folder", momentart::sheetCommand, nullptr},
    {"vary", "siblings of a picture: one part (centres, colours, formula, zoom) drawn anew",
     momentart::varyCommand, nullptr},
    {"film", "a film of a picture growing (MP4, WebM, APNG or animated WebP), with its recipe",
     momentart::filmCommand, momentart::filmDrawsText},
    {"history", "list the newest pictures the window made, with the file that makes each again",
     momentart::historyCommand, [](const QStringList&) { return false; }},
};

// A command of the window library: it makes its own application object.
struct WindowCommandEntry {
    const char* name;
    const char* summary;
    int (*run)(int argc, char** argv);
};

const WindowCommandEntry kWindowCommands[] = {
    {"frame", "the art frame: pictures one after another, full screen at the largest whole "
              "scale, or as a screensaver", momentart::frameMain},
};

QString commandLine(const char* name, const char* summary) {
    return QString("  %1 %2\n").arg(QString(name).leftJustified(10)).arg(summary);
}

QString mainHelp() {
    QString text =
        "usage: momentart [window options]\n"
        "       momentart [window options] PICTURE.png|PICTURE.bmp|RECIPE.recipe|FILM\n"
        "       momentart COMMAND [options]\n"
        "Makes abstract pictures entirely by computation; the moment decides the picture.\n"
        "With no command it opens the window (on a machine without a display it renders\n"
        "one picture headless instead and says where it went). Given a picture momentart\n"
        "saved, its recipe or a film it made, the window opens on that picture and goes\n"
        "on from it.\n\n"
        "commands:\n";
    for (const Command& command : kCommands) text += commandLine(command.name, command.summary);
    for (const WindowCommandEntry& command : kWindowCommands) text += commandLine(command.name, command.summary);
    text += "\n'momentart COMMAND --help' lists a command's options;\n"
            "'momentart --version' (or -V) prints the version.\n";
    const QString window = momentart::windowHelp();
    if (!window.isEmpty()) text += "\nwindow options:\n" + window;
    return text;
}

// A command tells each failure in one line of its own; what Qt and its
// libraries print on the way (libpng's "Read Error", the image reader's
// "Rejecting image") would only come first and confuse it. libpng prints
// with fprintf(stderr, ...), past Qt's message handler, so a command keeps
// the C library's stderr stream for its own lines and points the `stderr`
// that libraries read at /dev/null (the descriptor, and so the terminal and
// the Ctrl-C notice, stay as they were).
FILE* commandErrors = stderr;

void quietLibraries() {
#ifdef __GLIBC__
    FILE* null = std::fopen("/dev/null", "w");
    if (null == nullptr) return;
    commandErrors = stderr;
    stderr = null;
#endif
}

void commandMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(commandErrors, "momentart: %s\n", qPrintable(message));
}

// Runs a command: on Qt's offscreen platform, which needs no display, when
// it draws text; otherwise without a GUI at all, which starts faster.
int runCommand(const Command& command, int argc, char** argv) {
    QStringList arguments;
    for (int n = 2; n < argc; ++n) arguments << QString::fromLocal8Bit(argv[n]);
    quietLibraries();
    qInstallMessageHandler(commandMessages);
    QTextStream out(stdout), err(commandErrors);
    if (command.drawsText != nullptr && !command.drawsText(arguments)) {
        QCoreApplication app(argc, argv);
        return command.run(app.arguments().mid(2), out, err);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return command.run(app.arguments().mid(2), out, err);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    // The window's history and the history command find the same folder.
    QCoreApplication::setApplicationName("momentart");
    const char* first = argc > 1 ? argv[1] : "";
    for (const Command& command : kCommands)
        if (std::strcmp(first, command.name) == 0) return runCommand(command, argc, argv);
    for (const WindowCommandEntry& command : kWindowCommands)
        if (std::strcmp(first, command.name) == 0) return command.run(argc, argv);
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        QTextStream(stdout) << mainHelp();
        return 0;
    }
    if (std::strcmp(first, "--version") == 0 || std::strcmp(first, "-V") == 0) {
        QTextStream(stdout) << "momentart " MOMENTART_VERSION "\n";
        return 0;
    }
    if (argc == 1 && !momentart::hasDisplay()) {
        QTextStream(stderr) << "momentart: no display here, so one picture is rendered headless instead of "
                               "opening the window\n";
        return runCommand(kCommands[0], argc, argv);
    }
    return momentart::windowMain(argc, argv, openFrameFromWindow);
}
