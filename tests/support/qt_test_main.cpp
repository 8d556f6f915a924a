// The Qt test programs need an application object; they run on the
// offscreen platform, each in a home of its own. Only the window's tests
// need widgets.
#include <cstdlib>

#include <gtest/gtest.h>

#include "own_home.h"

#if defined(MOMENTART_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Made before the application, which reads HOME and XDG once, and
    // removed after it.
    const momentart::testing::OwnHome home;
    int status = 0;
    {
        TestApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
