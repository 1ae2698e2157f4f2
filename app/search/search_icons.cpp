#include "app/search/search_icons.h"

#include <QPainter>
#include <QPixmap>

namespace tarvek {
namespace {

// The pictures a drawing gives at 16, 24, 32 and 48 pixels, each drawn for its size.
template <typename Drawing>
QIcon drawnAtEverySize(Drawing draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, qreal(size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon magnifierIcon(const QColor& colour) {
    return drawnAtEverySize([&](QPainter& painter, qreal s) {
        painter.setPen(QPen(colour, s / 8.0, Qt::SolidLine, Qt::RoundCap));
        const qreal lens = s * 0.58;
        painter.drawEllipse(QRectF(s * 0.1, s * 0.1, lens, lens));
        painter.drawLine(QPointF(s * 0.62, s * 0.62), QPointF(s * 0.9, s * 0.9));
    });
}

QIcon funnelIcon(const QColor& colour) {
    return drawnAtEverySize([&](QPainter& painter, qreal s) {
        painter.setPen(QPen(colour, s / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF outline[] = {{s * 0.1, s * 0.15},  {s * 0.9, s * 0.15},  {s * 0.58, s * 0.52},
                                   {s * 0.58, s * 0.88}, {s * 0.42, s * 0.78}, {s * 0.42, s * 0.52}};
        painter.drawPolygon(outline, 6);
    });
}

}  // namespace tarvek
