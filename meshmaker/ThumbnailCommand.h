#pragma once
// meshmaker --thumbnail MODEL OUT.png SIZE: a PGX or PGDAF file drawn as a
// small picture of the fish in three quarters, textured as the 3-D view
// shows it, for file managers (the freedesktop thumbnailer convention:
// "meshmaker --thumbnail %i %o %s"). No display is needed: the model is
// drawn in software (preview/FishThumbnail). The PNG is written atomically;
// a file that cannot be read as a model gives exit status 1 and no file.

#include <QStringList>
#include <QTextStream>

// The longest side a thumbnail may ask for: twice the largest of the
// freedesktop sizes (1024), drawn in about 90 MB.
inline constexpr int MaxThumbnailSize = 2048;

// args are the words after "--thumbnail". Exit status 0 written (its path on
// out), 1 a malformed or unreadable model or a failed write (the reason on
// err), 2 a bad command.
int RunThumbnailCommand(const QStringList& args, QTextStream& out, QTextStream& err);

QString ThumbnailUsage();
