#pragma once
// meshmaker --view MODEL.pgx [--picture PICTURE]: the model and its picture,
// read and checked before any window opens, so that a malformed file gets
// the reader's message and nothing else. The window itself is the 3-D view's
// (gui/PreviewWindow).

#include "PgxReader.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <variant>

struct ViewRequest {
    PgxFile file;
    QImage picture; // null: shown untextured
    QString name;   // the caption's: the picture's file name, or the model's without one
};

// Reads what --view shows; args are the words after "--view". The picture is
// PICTURE, or by default the BMP of the model's name beside it (as --export
// finds it); without one the model is shown untextured, with a note on err.
// On failure the reason goes to err and the exit status is returned: 2 a bad
// command, 1 a malformed file, a picture that does not read or has another
// size than the file records.
std::variant<ViewRequest, int> PrepareView(const QStringList& args, QTextStream& err);
