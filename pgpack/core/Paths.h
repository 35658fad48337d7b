#pragma once
// Paths of a model's files. Inside the program a path holds Qt's separator
// '/' on every platform; fields show it with the platform's own separator,
// and a path typed by the user or read from the settings is taken back into
// the program's form first (QDir::fromNativeSeparators).

#include <QString>

inline constexpr QChar PathSeparator = u'/';

// The path without its last extension. The characters are looked at from the
// last one down to the second: a '.' met before any separator cuts the path
// there; a separator met first, or no dot at all, leaves the path as it is.
// So a dot in a folder name, or a leading dot, never cuts.
QString StripExtension(const QString& path);

// The model name: what follows the last separator of StripExtension(path).
QString BaseName(const QString& path);

// The path up to and including its last separator; empty if it has none.
QString DirectoryPart(const QString& path);

// True when the file system has an entry under path, a folder included;
// false for an empty path. Used for targets and outputs that would be
// replaced.
bool FileExists(const QString& path);

// True when path names something that can be read as a whole file: an
// existing entry that is not a folder. Used for every source.
bool SourceFileExists(const QString& path);

// dir with a separator at its end; an empty dir (the current directory)
// stays empty.
QString WithTrailingSeparator(const QString& dir);

// Conversions at the edges: a path as the user, a dialog or the settings
// give it, and a path as a field shows it.
QString FromUserPath(const QString& path);
QString ShownPath(const QString& path);
