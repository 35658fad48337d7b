#pragma once
// The pictures of the tool buttons, drawn from the SVG files in icons/, for
// the main window and the version dialog.

#include <QIcon>
#include <QPixmap>

// An icon from icons/<name>.svg at the given size in pixels.
QIcon ToolIcon(const QString& name, QSize size);
QPixmap ToolPixmap(const QString& name, QSize size);
