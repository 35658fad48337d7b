#pragma once
// Small fixtures for the editor's tests: pictures painted in code, BMP files
// written byte by byte, scripted answers to the editor's questions.

#include "Dialogs.h"
#include "EditorPicture.h"
#include "Fish.h"
#include "TForm1.h"

#include <QByteArray>
#include <QImage>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <ostream>
#include <vector>

// How a failed check prints the tool mode and a front view handle.
inline void PrintTo(const ToolMode& mode, std::ostream* out) {
    *out << "tool mode " << ModeNumber(mode);
}
inline void PrintTo(const FrontHandle& handle, std::ostream* out) {
    *out << "front handle " << int(handle.Of) << "/" << handle.Vertex;
}

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

// A picture encoded by Qt's writer in a format ("png", "jpeg", "webp",
// "tiff", "bmp"); quality and compression as QImageWriter takes them (-1:
// the writer's default).
QByteArray Encoded(const QImage& picture, const char* format, int quality = -1,
                   int compression = -1);

// A GIF file built byte by byte (Qt reads GIF but does not write it): a
// logical screen, a global palette, then frames of palette indices, each
// with its place and an optional transparent index.
struct GifFrame {
    QRect place;                 // within the logical screen
    std::vector<quint8> indices; // place.width() x place.height(), row by row
    int transparentIndex = -1;   // -1: none
};
struct GifLayout {
    int width = 0, height = 0; // the logical screen
    std::vector<QRgb> palette; // at most 256 colours
    std::vector<GifFrame> frames;
};
QByteArray GifBytes(const GifLayout& layout);
// A picture as one GIF frame over the whole screen; its colours (at most 256)
// become the palette.
QByteArray GifOf(const QImage& picture);

// An uncompressed CMYK TIFF (ink set CMYK, 8 bits a channel): pixels as
// 0xCCMMYYKK, row by row.
QByteArray CmykTiffBytes(int width, int height, const std::vector<quint32>& cmyk);

// The PNG of a picture with the width and height in its header replaced:
// the header then declares a picture that the data does not hold.
QByteArray PngDeclaring(int width, int height);

// Writes bytes to a file in dir and returns its path.
QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);

// Answers the editor's questions from a script and keeps every message and
// question. A question without a scripted answer is answered No.
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

// While it lives, the program speaks language (Language::English ...);
// then Japanese again, the language of the tests.
struct SpokenLanguage {
    explicit SpokenLanguage(const QString& language);
    ~SpokenLanguage();
};

// Whether a text holds a Japanese character (kana, kanji, full-width forms).
bool HasJapanese(const QString& text);

// The whole contents of a file, empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// A batch conversion run in this process: its exit status and what it
// printed on standard output and standard error.
struct BatchRun {
    int status;
    QString out, err;
};
BatchRun Batch(const QStringList& args);

// A run of a program: its exit status (-1 when it crashed or did not end
// within a minute) and what it printed.
struct ProgramRun {
    int ExitCode = -1;
    QString Out, Err;
};
ProgramRun
RunProgram(const QString& program, const QStringList& args,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QString& workingDirectory = {});

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
