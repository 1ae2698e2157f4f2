#include "tools/pictures/brand_art.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/pictures/drawing_kit.h"

namespace tarvek::art {
namespace {

// The diaphragm valve symbol: two triangles meeting at the seat, a stem and a handle.
void valveSymbol(QPainter& p, const QRectF& r, const QColor& ink) {
    const double w = r.width(), h = r.height();
    const QPointF seat(r.center().x(), r.top() + h * 0.66);
    QPainterPath symbol;
    symbol.moveTo(r.left() + w * 0.08, seat.y() - h * 0.22);
    symbol.lineTo(seat);
    symbol.lineTo(r.left() + w * 0.08, seat.y() + h * 0.22);
    symbol.closeSubpath();
    symbol.moveTo(r.right() - w * 0.08, seat.y() - h * 0.22);
    symbol.lineTo(seat);
    symbol.lineTo(r.right() - w * 0.08, seat.y() + h * 0.22);
    symbol.closeSubpath();
    p.setPen(QPen(ink, w * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(symbol);
    p.drawLine(seat, QPointF(seat.x(), r.top() + h * 0.2));
    p.drawLine(QPointF(seat.x() - w * 0.2, r.top() + h * 0.2),
               QPointF(seat.x() + w * 0.2, r.top() + h * 0.2));
}

}  // namespace

QImage brandPicture() {
    QImage image(kBrandSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF mark(14, 14, 136, 136);
    QLinearGradient disc(mark.topLeft(), mark.bottomRight());
    disc.setColorAt(0, colour::kTarvekBlue.lighter(130));
    disc.setColorAt(1, colour::kTarvekBlue.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(mark);
    valveSymbol(p, mark.adjusted(28, 24, -28, -28), Qt::white);

    QFont name = font(78, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(name);
    p.setPen(colour::kTarvekBlue);
    p.drawText(QPointF(172, 92), QStringLiteral("TARVEK"));
    p.fillRect(QRectF(174, 106, 390, 4), colour::kTarvekBlue);
    const QString tagline = QStringLiteral("GAS HANDLING COMPONENTS");
    QFont line = font(23);
    line.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    while (line.pixelSize() > 12 && QFontMetricsF(line).horizontalAdvance(tagline) > 388) {
        line.setPixelSize(line.pixelSize() - 1);
    }
    p.setFont(line);
    p.setPen(colour::kSubtleText);
    p.drawText(QPointF(174, 140), tagline);
    return image;
}

QImage windowIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, kIconSize - 16, kIconSize - 16);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, colour::kTarvekBlue.lighter(135));
    fill.setColorAt(1, colour::kTarvekBlue.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, 48, 48);
    valveSymbol(p, tile.adjusted(40, 30, -40, -40), Qt::white);
    return image;
}

}  // namespace tarvek::art
