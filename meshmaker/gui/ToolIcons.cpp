// The tool buttons' pictures, from the icons built into the program; the main
// window and the version dialog use them.

#include "ToolIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap ToolPixmap(const QString& name, QSize size) {
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(name));
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (svg.isValid()) {
        QPainter p(&pixmap);
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

QIcon ToolIcon(const QString& name, QSize size) {
    return QIcon(ToolPixmap(name, size));
}
