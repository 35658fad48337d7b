#pragma once
// What an editing session records about the picture it was made on, so that
// opening the picture again can tell whether it is still the same one. The
// facts are listed once, in PictureFacts.cpp: each is a name and how to read
// it off the opened picture. A fact added there is written into every new
// session and compared when one is opened, with nothing else to change.

#include "EditorPicture.h"

#include <QJsonObject>
#include <QJsonValue>

#include <vector>

struct PictureFact {
    const char* Name;
    QJsonValue (*Of)(const EditorPicture& picture);
};

// Every fact, in the order a session lists them.
const std::vector<PictureFact>& PictureFacts();

// The facts of an opened picture, by name.
QJsonObject FactsOf(const EditorPicture& picture);

// A checksum of the picture's pixels as exact RGB (the alpha byte left
// out): 16 hexadecimal digits. Two pictures of the same size and colours
// give the same checksum, whatever file they came from.
QString PixelChecksum(const QImage& picture);
