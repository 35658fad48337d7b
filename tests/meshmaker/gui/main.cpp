// Test runner for the editor's windows: an offscreen widget application.
#include <QApplication>

#include "Language.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Offscreen, even where an X display is at hand, there is no OpenGL:
    // the 3-D view's window is tested without it.
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
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
