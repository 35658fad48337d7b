// Test runner for the 3-D view: a widget application on a real X server.
// ctest runs it under xvfb-run, where Mesa's software renderer draws. A test
// that cannot get an OpenGL context fails; none is skipped.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
