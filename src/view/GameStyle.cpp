#include "view/GameStyle.h"

#include <QPainter>
#include <QPixmap>

namespace {

// A double chevron, pointing right (more items to the right) or down.
QIcon Chevron(bool down) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    for (int k = 0; k < 2; ++k) {
        const qreal o = 4 + 5 * k;
        if (down) {
            p.drawLine(QPointF(4, o), QPointF(8, o + 3));
            p.drawLine(QPointF(8, o + 3), QPointF(12, o));
        } else {
            p.drawLine(QPointF(o, 4), QPointF(o + 3, 8));
            p.drawLine(QPointF(o + 3, 8), QPointF(o, 12));
        }
    }
    return QIcon(pm);
}

}  // namespace

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    switch (which) {
    case SP_ToolBarHorizontalExtensionButton:
        return Chevron(false);
    case SP_ToolBarVerticalExtensionButton:
        return Chevron(true);
    default:
        return QProxyStyle::standardIcon(which, option, widget);
    }
}
