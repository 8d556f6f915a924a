// momentart: the window with no arguments, or a command.
#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "shell/render_command.h"

namespace {

QString mainHelp() {
    return "usage: momentart [command] [options]\n"
           "Makes abstract pictures entirely by computation; the moment decides the picture.\n\n"
           "commands:\n"
           "  (none)      open the window and make pictures there\n"
           "  render      compute one picture without a window and write it to a file\n"
           "  --help      show this help; 'momentart COMMAND --help' shows a command's options\n";
}

// Qt's note that it picked a runtime folder itself is noise to our users.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    qt_message_output(type, context, message);
}

// Commands that need no display run on Qt's offscreen platform.
void useOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == "render") {
        useOffscreenPlatform();
        QGuiApplication app(argc, argv);
        QStringList arguments = app.arguments().mid(2);
        QTextStream out(stdout), err(stderr);
        return momentart::renderCommand(arguments, out, err);
    }
    QTextStream out(stdout), err(stderr);
    if (command == "--help" || command == "-h" || command == "help") {
        out << mainHelp();
        return 0;
    }
    err << "momentart: unknown command '" << command << "' (see momentart --help)\n";
    return 2;
}
