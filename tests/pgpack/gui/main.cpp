// Test runner for the archiver's dialogs: an offscreen widget application
// whose per-user store is a scratch folder of this run.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "Language.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // The tests speak Japanese, the language of the texts they check, and so
    // do the programs they start; a test of English says so. The system's
    // own messages ("No space left on device") stay those of the C locale.
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "C");
    qputenv("LANGUAGE", "ja");
    QApplication app(argc, argv);
    Language::Use(Language::Japanese);
    QTemporaryDir store;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, store.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
