#include "shell/window_main.h"

#include <QApplication>

namespace momentart {

int windowMain(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}

const char* windowHelp() { return ""; }

}  // namespace momentart
