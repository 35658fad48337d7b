#pragma once
// What the editor's fuzz targets share: an offscreen application, a
// question-answerer that says nothing, reading a file back.

#include "Dialogs.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <deque>
#include <functional>

namespace fuzzsupport {

inline void StartOffscreenApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

// Answers open-file dialogs from a list (cancel when it is empty); shows
// nothing (but tells onMessage); answers every question with No.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<QString> answers;
    QString OpenFileName(const QString&) override {
        if (answers.empty()) return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowMessage(const QString& text) override {
        if (onMessage) onMessage(text);
    }
    std::function<void(const QString&)> onMessage; // hears every message shown
    // Answers each question with the next answer given, No when none is left.
    std::deque<bool> yesNo;
    bool AskYesNo(const QString&) override {
        if (yesNo.empty()) return false;
        const bool a = yesNo.front();
        yesNo.pop_front();
        return a;
    }
};

// A folder for the files a target writes: in memory where the system has
// such a folder, since every save flushes its files to the disk.
inline QString ScratchTemplate() {
    const QString memory = QStringLiteral("/dev/shm");
    return QDir(QFileInfo(memory).isWritable() ? memory : QDir::tempPath())
        .filePath(QStringLiteral("meshmaker-fuzz-XXXXXX"));
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace fuzzsupport
