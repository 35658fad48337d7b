#pragma once
// The editing session: everything needed to go on with a fish where its last
// save left it, written beside the PGX file as a small JSON document
// (<name>.session.json beside <name>.pgx) by the editor's save and the
// batch, and read when the editor opens the picture again. It holds every
// field of the fish under its key (VisitFishFields: the lists with their
// counts, the ranges, the section and top-view arrays, the eye, the steps,
// N, the scroll positions, the done flags) and the facts of the picture it
// was traced on (PictureFacts.h).
//
//   {
//     "format": "meshmaker editing session",
//     "version": 1,
//     "picture": { "width": 400, "height": 200, "checksum": "..." },
//     "fish": { "BodyLast": 75, "BodyX": [0, 0, 8, 8, ...], ... }
//   }
//
// An array lists its entries up to the last one that is not zero (the rest
// are zero); a real of -0.0, which JSON numbers cannot tell from 0, is the
// string "-0". Reading trusts nothing: the document must be an object of
// this format and version, every field of the fish must be there with its
// type, no other field may be, arrays fit their capacities, counts and end
// markers agree as the editor keeps them, and every real is finite and
// within MaxSessionMagnitude. A session that fails any check is not used at
// all.

#include "EditorPicture.h"
#include "Fish.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The version of the sessions this editor writes; it reads every version up
// to it. A key is never renamed or given another meaning: a session of any
// version must load, and save the same fish, forever. To add a key:
//
//   1. raise SessionVersion;
//   2. a field of the fish: its line in VisitFishFields (fish/Fish.h) with
//      this version as its since; a key of the document itself (beside
//      "picture" and "fish"): its line in DocumentKeys (EditingSession.cpp)
//      with this version, and its reading in ReadSession;
//   3. save a session with the new editor into tests/meshmaker/sessions/ as
//      v<version>.session.json, beside the PGX file of the same save
//      (SessionVersionsTest says how).
//
// A session of an older version lacks the new key: its field keeps the value
// a new fish has. SessionVersionsTest holds every version's session to this,
// and fails when a key changes without a new version.
inline constexpr int SessionVersion = 1;
inline constexpr qint64 MaxSessionBytes = qint64(1) << 20;
// Larger than any coordinate, depth or width a traced picture gives, and
// small enough that every view and every file value made from it is finite.
inline constexpr double MaxSessionMagnitude = 1e8;

// The session of the PGX file at pgxPath.
QString SessionPath(const QString& pgxPath);

// The session document of a fish traced on picture.
QByteArray BuildSessionBytes(const Fish& fish, const EditorPicture& picture);

struct SessionReading {
    std::optional<Fish> fish; // set only when the whole document passed every check
    QJsonObject picture;      // the picture facts it recorded
    QString error;            // why it was refused
};
SessionReading ReadSession(const QByteArray& bytes);
// Reads a session file; one larger than MaxSessionBytes is refused unread.
SessionReading ReadSessionFile(const QString& path);

// Whether the recorded facts are exactly those of picture.
bool SamePicture(const QJsonObject& facts, const EditorPicture& picture);

// The dragged rectangles of a session's fish within the picture it is
// restored on, where the editor's presses and releases keep them. A fish
// restored on its own picture is unchanged.
void FitRangesToPicture(Fish& fish, const EditorPicture& picture);
