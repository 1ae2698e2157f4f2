#include "app/search/search_icon.h"

#include <QPainter>
#include <QPixmap>

namespace tarvek {

QIcon funnelIcon(const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal s = size;
        const QPointF outline[] = {{s * 0.1, s * 0.15},  {s * 0.9, s * 0.15},  {s * 0.58, s * 0.52},
                                   {s * 0.58, s * 0.88}, {s * 0.42, s * 0.78}, {s * 0.42, s * 0.52}};
        painter.drawPolygon(outline, 6);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace tarvek
