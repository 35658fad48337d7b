#pragma once
// Small fixtures for the editor's tests: pictures painted in code, BMP files
// written byte by byte, scripted answers to the editor's questions.

#include "Dialogs.h"
#include "EditorPicture.h"
#include "Fish.h"
#include "TForm1.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <vector>

namespace test {

inline constexpr QRgb Water = 0xFF3070C0u;  // background
inline constexpr QRgb Orange = 0xFFF08020u; // fish

// A picture of the background colour with fish rectangles painted on it.
QImage Picture(int width, int height, const std::vector<QRect>& fish = {},
               QRgb fishColour = Orange);

// A picture as the editor holds it once opened, and a fish on it with the
// given steps and four divisions, as an open starts it.
struct FishOnPicture {
    EditorPicture picture;
    Fish fish;
};
FishOnPicture FishOn(const QImage& picture, int step = 8);

// Writes a picture as a 24-bit BMP into dir and returns its path.
QString SaveBmp(const QTemporaryDir& dir, const QString& name, const QImage& picture);

// A BMP file built byte by byte: header fields as given, pixel bytes as given.
struct BmpLayout {
    int width = 0, height = 0; // negative height: rows stored top-down
    int bitsPerPixel = 24;
    int compression = 0;        // 0 plain, 1 RLE8, 3 bit fields
    std::vector<QRgb> palette;  // for 8 bits and less
    std::vector<quint32> masks; // red, green, blue masks for bit fields
    QByteArray pixels;          // rows as stored, padding included
};
QByteArray BmpBytes(const BmpLayout& layout);

// Answers the editor's questions from a script and keeps every message.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<QString> openAnswers;
    QStringList messages;
    std::deque<bool> yesNoAnswers; // No when there are none left
    QStringList questions;
    QString OpenFileName(const QString& filter) override;
    void ShowMessage(const QString& text) override { messages << text; }
    bool AskYesNo(const QString& question) override;
    QStringList filters;
};

// The whole contents of a file, empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// An editor with scripted answers; with a picture, that picture is saved as
// fish.bmp in its own folder and opened as the Open button opens it.
struct OpenedEditor {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    TForm1 form{dialogs};
    Fish& s = form.EditFish();
    EditorPicture& pic = form.Picture;
    Interaction& ui = form.Ui;
    OpenedEditor() = default;
    explicit OpenedEditor(const QImage& picture);
    // Opens a file through the Open button's dialog.
    void Open(const QString& path);
    // Runs one handler as the window runs an event, to its end.
    template <typename Handler> void Do(Handler&& handler) {
        handler();
        form.AfterEvent();
    }
};

} // namespace test
