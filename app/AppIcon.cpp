#include "app/AppIcon.h"

#include "platform/Fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawSeal(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = size / 6.0;
    const QRectF outer(0.5, 0.5, size - 1.0, size - 1.0);
    QPainterPath seal;
    seal.addRoundedRect(outer, radius, radius);
    p.fillPath(seal, QColor(196, 30, 36));
    if (size >= 24) {
        // The carved inner border of a seal.
        const qreal inset = size / 10.0;
        p.setPen(QPen(QColor(255, 236, 220), size / 32.0));
        p.drawRoundedRect(outer.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
    }
    QFont font = MakeFont(QStringLiteral("黑体"), -(size * 3 / 4), true);
    p.setFont(font);
    p.setPen(QColor(255, 244, 232));
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("名"));
    return pixmap;
}

} // namespace

QIcon MakeAppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(DrawSeal(size));
    return icon;
}
