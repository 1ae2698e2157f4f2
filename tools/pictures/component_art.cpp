#include "tools/pictures/component_art.h"

#include <QPainterPath>

#include "tools/pictures/drawing_kit.h"

namespace tarvek::art {
namespace {

// Regulator units: the floor under the body is y = 0.
constexpr double kBodyWidth = 150, kBodyHeight = 84, kStub = 80, kTube = 22;
constexpr double kFlangeHeight = 26, kBonnetHeight = 142, kKnobHeight = 62;

QRectF regulatorExtent(const RegulatorLook& r) {
    const double half = kBodyWidth / 2 + kStub + 8;
    const double height = kBodyHeight + 9 + kFlangeHeight + kBonnetHeight + kKnobHeight + 8;
    return QRectF(-half * r.size, -height * r.size, 2 * half * r.size, (height + 10) * r.size);
}

void drawRegulatorHere(QPainter& p, const RegulatorLook& r) {
    p.save();
    p.scale(r.size, r.size);
    floorShadow(p, QPointF(0, 0), (kBodyWidth + 2 * kStub) * 1.05);
    const double y = -kBodyHeight * 0.42;
    for (const double side : {-1.0, 1.0}) {
        const double inner = side * kBodyWidth / 2, outer = side * (kBodyWidth / 2 + kStub);
        tube(p, QRectF(std::min(inner, outer), y - kTube / 2, kStub, kTube), kStainless);
        tubeEnd(p, QPointF(outer, y), kTube, kTube * 0.4, kStainless);
    }
    block(p, QRectF(-kBodyWidth / 2, -kBodyHeight, kBodyWidth, kBodyHeight), 18, kStainless);
    marking(p, QRectF(-kBodyWidth / 2, -kBodyHeight * 0.9, kBodyWidth, kBodyHeight * 0.36), r.series, 17,
            QColor(78, 86, 98));
    flowArrow(p, QPointF(-40, -kBodyHeight * 0.3), QPointF(40, -kBodyHeight * 0.3));

    const double flangeTop = -kBodyHeight - 9 - kFlangeHeight;
    cylinder(p, QRectF(-92, flangeTop, 184, kFlangeHeight + 8), kDarkSteel);
    const double base = flangeTop + 6, top = base - kBonnetHeight;
    QPainterPath bell;
    bell.moveTo(-80, base);
    bell.lineTo(-62, top + 22);
    bell.quadTo(-60, top + 2, -40, top);
    bell.lineTo(40, top);
    bell.quadTo(60, top + 2, 62, top + 22);
    bell.lineTo(80, base);
    bell.arcTo(QRectF(-80, base - 14, 160, 28), 0, -180);
    bell.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(roundShading(QPointF(-80, 0), QPointF(80, 0), kStainless));
    p.drawPath(bell);
    marking(p, QRectF(-60, top + 40, 120, 50), r.model, 26, colour::kOutline);

    hexNutVertical(p, QRectF(-26, top - 18, 52, 22), kStainless);
    const QRectF knob(-44, top - 14 - kKnobHeight, 88, kKnobHeight);
    cylinder(p, knob, kBluePlastic);
    knurl(p, knob, 16);
    p.restore();
}

}  // namespace

void drawRegulator(QPainter& p, const QRectF& area, const RegulatorLook& regulator) {
    p.save();
    fitInto(p, regulatorExtent(RegulatorLook{regulator.model, regulator.series, 1.0}), area);
    drawRegulatorHere(p, RegulatorLook{regulator.model, regulator.series, 1.0});
    p.restore();
}

void drawRegulators(QPainter& p, const QRectF& area, const std::vector<RegulatorLook>& regulators) {
    drawInRow(p, area, regulators, regulatorExtent, [&](const RegulatorLook& r) { drawRegulatorHere(p, r); });
}

void drawCheckValve(QPainter& p, const QRectF& area, const QString& code, bool lnqGland) {
    const double axis = -50, body = 74, gland = 26;
    const double glandLength = lnqGland ? 70 : 46;
    const QRectF extent(-206, axis - 50, 206 + 110 + glandLength + 24, 100);
    p.save();
    fitInto(p, extent, area, -15);
    // Left: the gland and the female nut that holds it.
    tube(p, QRectF(-196, axis - gland / 2, 70, gland), kStainless);
    tubeEnd(p, QPointF(-196, axis), gland, gland * 0.4, kStainless);
    hexNutHorizontal(p, QRectF(-130, axis - 42, 52, 84), kStainless);
    // The body, its hex flats and the flow arrow.
    tube(p, QRectF(-78, axis - body / 2, 160, body), kStainless);
    hexNutHorizontal(p, QRectF(-24, axis - 46, 50, 92), kStainless);
    flowArrow(p, QPointF(-70, axis + 22), QPointF(76, axis + 22));
    marking(p, QRectF(-78, axis - body / 2 - 4, 54, body * 0.6), code, 14, colour::kOutline);
    // Right: the face-seal gland, longer on the LNQ version.
    tube(p, QRectF(82, axis - 20, 28, 40), kStainless);
    tube(p, QRectF(110, axis - gland / 2 - 4, glandLength, gland + 8), kStainless);
    if (lnqGland) {
        tube(p, QRectF(110 + glandLength * 0.45, axis - gland / 2 - 7, 8, gland + 14), kDarkSteel);
        marking(p, QRectF(110, axis + gland / 2 + 6, glandLength, 20), QStringLiteral("LNQ"), 14,
                colour::kOutline);
    }
    maleFaceSealEnd(p, 110 + glandLength, axis, 30, 8);
    p.restore();
}

void drawVacuumGenerator(QPainter& p, const QRectF& area, const QString& code, int vacuumPorts) {
    const double width = 220, height = 72, axis = -height * 0.45;
    p.save();
    fitInto(p, QRectF(-250, -height - 150, 500, height + 160), area);
    floorShadow(p, QPointF(0, 0), 460);
    // Supply: a tube stub in through a nut on the left.
    tube(p, QRectF(-width / 2 - 120, axis - 12, 80, 24), kStainless);
    tubeEnd(p, QPointF(-width / 2 - 120, axis), 24, 10, kStainless);
    hexNutHorizontal(p, QRectF(-width / 2 - 42, axis - 30, 42, 60), kStainless);
    // Exhaust: a ribbed silencer on the right.
    const QRectF silencer(width / 2, axis - 26, 110, 52);
    tube(p, silencer, kDarkSteel);
    p.setPen(QPen(QColor(80, 86, 96), 1.4));
    for (double x = silencer.left() + 10; x < silencer.right() - 4; x += 8)
        p.drawLine(QPointF(x, silencer.top() + 3), QPointF(x, silencer.bottom() - 3));
    tubeEnd(p, QPointF(silencer.right(), axis), 52, 18, kDarkSteel);
    block(p, QRectF(-width / 2, -height, width, height), 16, kStainless);
    marking(p, QRectF(-width / 2, -height * 0.6, width, height * 0.5), code, 18, colour::kOutline);
    // Vacuum: one or two ports upwards.
    for (int i = 0; i < vacuumPorts; ++i) {
        const double x = vacuumPorts == 1 ? 0 : (i == 0 ? -52 : 52);
        hexNutVertical(p, QRectF(x - 26, -height - 40, 52, 34), kStainless);
        tubeVertical(p, QRectF(x - 12, -height - 140, 24, 104), kStainless);
        tubeEndVertical(p, QPointF(x, -height - 140), 24, 10, kStainless);
    }
    p.restore();
}

}  // namespace tarvek::art
