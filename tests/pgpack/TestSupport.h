#pragma once
// Shared by the archiver's tests: small files made in code, a scratch
// folder, the per-user store, and modal questions answered from a script.

#include "Dialogs.h"

#include <QByteArray>
#include <QDir>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.size() << " bytes \"" << bytes.left(16).toHex(' ').toStdString()
        << (bytes.size() > 16 ? " ..." : "") << '"';
}

// length bytes that differ from those of any other seed, so a member copied
// from the wrong offset shows.
QByteArray Pattern(qsizetype length, int seed);

// A mesh file of length bytes (at least 20): the magic, the picture size at
// bytes 16..19, a pattern after that.
QByteArray MeshBytes(qsizetype length, qint16 width, qint16 height);

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);
bool Exists(const QString& path);

// Whether a text holds a Japanese character (kana, kanji, full-width forms).
bool HasJapanese(const QString& text);

// The names in a folder, sorted.
QStringList Entries(const QString& folder);

// Sets or removes the per-user DataDirectory (the tests' own store).
void SetDataDirectory(const std::optional<QString>& dir);

// A run of the program itself.
struct ProgramRun {
    bool Finished = false; // within the time given
    bool Crashed = false;  // ended by a signal (an abort, a core dump)
    int ExitCode = -1;
    QString Out, Err;
};

// The environment of a run of the program: no display, the given folder as
// the per-user settings, and the C locale, so that the system's reasons
// read as in English ("No space left on device").
QProcessEnvironment ProgramEnvironment(const QString& configFolder);

// Runs the program with args; childSetup runs in the child before the
// program starts (for limits and signals).
ProgramRun RunProgram(const QStringList& args, const QProcessEnvironment& env,
                      int timeoutMs = 30000, const std::function<void()>& childSetup = {});

// A scratch folder that is also the current directory while the test runs.
class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // path of name in the scratch folder, in the program's form.
    QString Path(const QString& name) const;
    // A sub-folder, made if needed; ends with a separator.
    QString Folder(const QString& name) const;

    QTemporaryDir scratch_;
    QString previous_;
};

// The questions a handler asks, answered from scripts and written down.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString Text;
        QString Caption;
        MessageButtons Buttons;
        MessageIcon Icon;
    };
    struct FileDialog {
        QString Filter;
        QString Folder;
    };

    std::deque<QString> Files;         // open-file answers, in order; "" cancels
    std::deque<MessageAnswer> Answers; // answers of OK/Cancel questions, in order
    std::vector<Shown> Messages;       // every message box, in order
    std::vector<FileDialog> FileDialogs;
    int VersionDialogs = 0;
    // Runs while an OK/Cancel question is open, before it is answered.
    std::function<void()> WhileAsking;

    QString OpenFileName(const QString& filter, const QString& initialFolder) override;
    MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons,
                             MessageIcon icon) override;
    void ShowVersionDialog() override { ++VersionDialogs; }

    QStringList Texts() const;
};
