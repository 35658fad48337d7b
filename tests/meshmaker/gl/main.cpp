// Test runner for the 3-D view: a widget application on a real X server.
// ctest runs it under xvfb-run, where Mesa's software renderer draws. A test
// that cannot get an OpenGL context fails; none is skipped.
#include <QApplication>

#include "Language.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    // The tests speak Japanese, the language of the texts they check, and so
    // do the programs they start; a test of English says so. The system's
    // own messages ("No space left on device") stay those of the C locale.
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "C");
    qputenv("LANGUAGE", "ja");
    QApplication app(argc, argv);
    Language::Use(Language::Japanese);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
