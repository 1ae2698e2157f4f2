#include "app/quote/printed_text.h"

#include <QPainter>

namespace tarvek {

QFont sheetFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

double printedText(QPainter& painter, bool draw, const QRectF& box, const QFont& font, const QColor& colour,
                   const QString& text, int flags) {
    painter.setFont(font);
    if (!draw) return painter.boundingRect(box, flags | Qt::TextWordWrap, text).height();
    painter.setPen(colour);
    QRectF drawn;  // the text laid out once for drawing and measuring alike
    painter.drawText(box, flags | Qt::TextWordWrap, text, &drawn);
    return drawn.height();
}

}  // namespace tarvek
