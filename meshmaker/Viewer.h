#pragma once
// meshmaker --view: the 3-D view's window alone, on one PGX file; main.cpp
// runs it where the program has windows.

#include <QStringList>

// args are the words after "--view"; hasDisplay says whether a window can be
// shown at all. Returns the exit status: the model's and the picture's
// problems are reported before any window opens.
int RunViewer(int argc, char** argv, const QStringList& args, bool hasDisplay,
              const QString& language);
