// The Qt test programs need an application object; they run on the
// offscreen platform. Only the window's tests need widgets.
#include <cstdlib>

#include <gtest/gtest.h>

#if defined(MOMENTART_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
