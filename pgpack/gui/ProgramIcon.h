#pragma once
// The program's icon, drawn in the sixteen colours of the classic palette:
// a fish going into an archive box. 32 x 32 and 16 x 16.

#include <QIcon>
#include <QImage>

QImage ProgramIconImage(int size); // size 32 or 16
QIcon ProgramIcon();
