#pragma once
// Whether there is a display for the windows, and the connection to it.
// main.cpp asks before it opens the editor or the 3-D view. The twin of
// pgpack/DisplayCheck.h: the two programs share no code, so each keeps this
// check, and both do it the same way under the same names; the two files
// differ only in these opening lines. tests/syscallfaults holds both
// programs to it.
//
// Whether a display is named: a display variable that is set but empty names
// none. While the application object connects to the display, Qt's messages
// are held back; should the connection fail, Qt ends with a fatal message
// (and would abort, with a core dump): instead the user reads one line that
// says which display could not be reached, and the program exits as a
// failure does.

#include <QString>

namespace DisplayCheck {

// True when DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM names a display.
// One that is set but empty is taken away, so that nothing after this (Qt
// included) mistakes it for one.
bool Named();

// Before the application object that connects to the display is made: should
// the connection fail, unreachable(variable) is written on standard error,
// the variable being the one that names the display with its value
// ("DISPLAY=:5"), and the program ends with the status failed.
void HoldMessagesWhileConnecting(QString (*unreachable)(const QString& variable), int failed);

// Once the application object is made: what was held back is passed on.
void PassOnHeldMessages();

} // namespace DisplayCheck
