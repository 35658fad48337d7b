// Test runner for the editor's core: an offscreen GUI application, so images
// and painters work without a display.
#include <QGuiApplication>

#include "Language.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests speak Japanese, the language of the texts they check, and so
    // do the programs they start; a test of English says so. The system's
    // own messages ("No space left on device") stay those of the C locale.
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "C");
    qputenv("LANGUAGE", "ja");
    QGuiApplication app(argc, argv);
    Language::Use(Language::Japanese);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
