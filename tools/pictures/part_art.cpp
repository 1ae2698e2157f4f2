#include "tools/pictures/part_art.h"

#include <QPainterPath>

#include "tools/pictures/drawing_kit.h"

namespace tarvek::art {
namespace {

// A thin domed disc seen from above at an angle.
void diaphragm(QPainter& p, QPointF centre, double radius) {
    const double squash = 0.38;
    // Its edge, a sliver of the disc's thickness.
    p.setPen(outlinePen(1.5));
    p.setBrush(QColor(150, 158, 168));
    p.drawEllipse(centre + QPointF(0, 4), radius, radius * squash);
    QRadialGradient dome(centre + QPointF(-radius * 0.3, -radius * 0.12), radius * 1.1);
    dome.setColorAt(0, QColor(250, 251, 253));
    dome.setColorAt(0.5, QColor(204, 210, 218));
    dome.setColorAt(1, QColor(138, 146, 158));
    p.setBrush(dome);
    p.drawEllipse(centre, radius, radius * squash);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 128, 140), 1.2));
    p.drawEllipse(centre, radius * 0.82, radius * 0.82 * squash);
}

// A seat ring seen from above at an angle: its top face, its bore, and its side.
void seatRing(QPainter& p, QPointF centre, double radius, const QColor& material) {
    const double squash = 0.42, thickness = radius * 0.22, bore = radius * 0.42;
    QPainterPath side;
    side.moveTo(centre + QPointF(-radius, 0));
    side.arcTo(QRectF(centre.x() - radius, centre.y() - radius * squash + thickness, 2 * radius,
                      2 * radius * squash),
               180, 180);
    side.lineTo(centre + QPointF(radius, 0));
    side.arcTo(QRectF(centre.x() - radius, centre.y() - radius * squash, 2 * radius, 2 * radius * squash), 0,
               -180);
    side.closeSubpath();
    QLinearGradient sideShade(centre.x() - radius, 0, centre.x() + radius, 0);
    sideShade.setColorAt(0, material.darker(150));
    sideShade.setColorAt(0.35, material.lighter(105));
    sideShade.setColorAt(1, material.darker(170));
    p.setPen(outlinePen(1.5));
    p.setBrush(sideShade);
    p.drawPath(side);

    QRadialGradient face(centre + QPointF(-radius * 0.3, -radius * 0.2), radius * 1.2);
    face.setColorAt(0, material.lighter(118));
    face.setColorAt(1, material.darker(118));
    p.setBrush(face);
    p.drawEllipse(centre, radius, radius * squash);
    // The raised sealing land, then the bore through to the dark beneath.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(material.darker(140), 1.5));
    p.drawEllipse(centre, radius * 0.7, radius * 0.7 * squash);
    p.setPen(outlinePen(1.5));
    p.setBrush(QColor(52, 56, 64));
    p.drawEllipse(centre, bore, bore * squash);
}

}  // namespace

void drawDiaphragms(QPainter& p, const QRectF& area) {
    p.save();
    fitInto(p, QRectF(-240, -230, 480, 240), area);
    floorShadow(p, QPointF(0, 0), 440);
    for (int i = 0; i < 3; ++i) diaphragm(p, QPointF(-90 + 90 * i, -60 - 60 * i), 130);
    p.restore();
}

void drawSeats(QPainter& p, const QRectF& area, bool vespel) {
    const QColor material = vespel ? colour::kVespel : colour::kPctfe;
    p.save();
    fitInto(p, QRectF(-240, -220, 480, 230), area);
    floorShadow(p, QPointF(0, 0), 440);
    seatRing(p, QPointF(-70, -80), 120, material);
    seatRing(p, QPointF(130, -150), 70, material);
    p.restore();
}

void drawToolKit(QPainter& p, const QRectF& area) {
    p.save();
    fitInto(p, QRectF(-250, -300, 500, 310), area);
    floorShadow(p, QPointF(0, 0), 500);
    // The open case, seen from above, with its tools in the foam.
    const QRectF caseBox(-230, -270, 460, 262);
    p.setPen(outlinePen(2.5));
    p.setBrush(QColor(56, 62, 74));
    p.drawRoundedRect(caseBox, 18, 18);
    p.setBrush(QColor(36, 40, 48));
    p.drawRoundedRect(caseBox.adjusted(16, 16, -16, -16), 10, 10);
    marking(p, QRectF(caseBox.left(), caseBox.bottom() - 16, caseBox.width(), 16), QStringLiteral("TARVEK"),
            12, QColor(200, 206, 216));

    // Seat insertion tool: a knurled handle on a long shank.
    tube(p, QRectF(-200, -230, 180, 16), kStainless);
    const QRectF handle(-20, -244, 110, 44);
    tube(p, handle, kBluePlastic);
    p.save();
    p.translate(handle.center());
    p.rotate(90);
    knurl(p, QRectF(-22, -55, 44, 110), 12);
    p.restore();
    // Extraction hook.
    tube(p, QRectF(-200, -170, 230, 12), kStainless);
    tube(p, QRectF(30, -180, 70, 32), kBlackPlastic);
    // Open-end wrench.
    QPainterPath wrench;
    wrench.addRoundedRect(QRectF(-200, -120, 250, 26), 12, 12);
    wrench.addEllipse(QPointF(70, -107), 34, 34);
    wrench = wrench.simplified();
    QPainterPath jaw;
    jaw.addRect(QRectF(78, -121, 40, 28));
    wrench = wrench.subtracted(jaw);
    p.setPen(outlinePen());
    p.setBrush(roundShading(QPointF(0, -140), QPointF(0, -74), kStainless));
    p.drawPath(wrench);
    // Spare seats.
    for (int i = 0; i < 3; ++i) seatRing(p, QPointF(150 + 0 * i, -232 + 62 * i), 30, colour::kPctfe);
    p.restore();
}

}  // namespace tarvek::art
