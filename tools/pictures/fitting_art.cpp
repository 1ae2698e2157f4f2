#include "tools/pictures/fitting_art.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <functional>

#include "tools/pictures/drawing_kit.h"

namespace tarvek::art {
namespace {

bool says(std::string_view text, std::string_view words) {
    return text.find(words) != std::string_view::npos;
}

// A drawing in its own units: where it lies, and how to draw it there.
struct Drawing {
    QRectF extent;
    std::function<void(QPainter&)> draw;
    double tilt = 0;  // long parts are shown rising to the right
};

void hexagonEndView(QPainter& p, QPointF centre, double radius) {
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << centre + QPointF(radius * std::cos(M_PI / 3 * i), radius * std::sin(M_PI / 3 * i));
    QLinearGradient light(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    light.setColorAt(0, QColor(240, 243, 247));
    light.setColorAt(1, QColor(140, 148, 160));
    p.setPen(outlinePen());
    p.setBrush(light);
    p.drawPolygon(hexagon);
    p.setBrush(QColor(214, 219, 226));
    p.drawEllipse(centre, radius * 0.84, radius * 0.84);
}

Drawing nut(bool male) {
    const double axis = -100;
    return {QRectF(-240, -190, 480, 200), [=](QPainter& p) {
                floorShadow(p, QPointF(-120, 0), 220);
                floorShadow(p, QPointF(130, 0), 180);
                if (male) {
                    hexNutHorizontal(p, QRectF(-220, axis - 75, 90, 150), kStainless);
                    maleFaceSealEnd(p, -130, axis, 90, 64);
                } else {
                    tube(p, QRectF(-214, axis - 50, 14, 100), kStainless);
                    hexNutHorizontal(p, QRectF(-200, axis - 75, 150, 150), kStainless);
                }
                // The same nut from its end: the bore, threaded inside on the female nut.
                const QPointF centre(130, axis);
                hexagonEndView(p, centre, 80);
                p.setBrush(QColor(44, 48, 56));
                p.drawEllipse(centre, male ? 24.0 : 48.0, male ? 24.0 : 48.0);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(120, 128, 140), 1.5));
                if (male)
                    p.drawEllipse(centre, 36.0, 36.0);
                else
                    for (const double r : {42.0, 36.0, 30.0}) p.drawEllipse(centre, r, r);
            }};
}

Drawing gland(FittingKind kind) {
    const double diameter = kind == FittingKind::HighFlowGland ? 36 : 26;
    const double length = kind == FittingKind::ShortGland ? 110 : kind == FittingKind::LongGland ? 210 : 150;
    const double axis = -32, total = length + 40, left = -total / 2;
    return {QRectF(left - 10, axis - 34, total + 20, 68),
            [=](QPainter& p) {
                tube(p, QRectF(left, axis - diameter / 2, length, diameter), kStainless);
                tubeEnd(p, QPointF(left, axis), diameter, diameter * 0.4, kStainless);
                tube(p, QRectF(left + length, axis - 30, 20, 60),
                     kStainless);  // the shoulder the nut bears on
                tube(p, QRectF(left + length + 20, axis - 22, 16, 44), kStainless);
                tubeEnd(p, QPointF(left + total - 4, axis), 44, 16, kStainless);  // the sealing face
            },
            -18};
}

// A quarter-bend of tube around `centre`, shaded across the tube.
void bend(QPainter& p, QPointF centre, double radius, double diameter, double start, double sweep) {
    const double outer = radius + diameter / 2, inner = radius - diameter / 2;
    const QRectF outerBox(centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer));
    const QRectF innerBox(centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner));
    QPainterPath path;
    path.arcMoveTo(outerBox, start);
    path.arcTo(outerBox, start, sweep);
    path.arcTo(innerBox, start + sweep, -sweep);
    path.closeSubpath();
    QRadialGradient shading(centre, outer);
    const double in = inner / outer;
    shading.setColorAt(in, QColor(120, 128, 138));
    shading.setColorAt(in + (1 - in) * 0.3, QColor(242, 245, 248));
    shading.setColorAt(in + (1 - in) * 0.55, kStainless.base);
    shading.setColorAt(1, QColor(110, 118, 128));
    p.setPen(outlinePen());
    p.setBrush(shading);
    p.drawPath(path);
}

void boss(QPainter& p, QPointF centre, double radius) {
    QRadialGradient shading(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    shading.setColorAt(0, QColor(246, 248, 250));
    shading.setColorAt(0.6, kStainless.base);
    shading.setColorAt(1, QColor(110, 118, 128));
    p.setPen(outlinePen());
    p.setBrush(shading);
    p.drawEllipse(centre, radius, radius);
}

Drawing weldFitting(FittingKind kind) {
    const double d = 36, leg = 110, radius = 56;
    const QPointF centre(0, -leg);
    switch (kind) {
        case FittingKind::WeldElbow:
            return {QRectF(-radius - d, -leg - radius - d, leg + radius + 2 * d, leg + radius + d + 8),
                    [=](QPainter& p) {
                        floorShadow(p, QPointF(0, 0), 2 * leg);
                        tubeVertical(p, QRectF(-radius - d / 2, -leg, d, leg), kStainless);
                        tubeEndVertical(p, QPointF(-radius, 0), d, 12, kStainless);
                        tube(p, QRectF(0, -leg - radius - d / 2, leg, d), kStainless);
                        tubeEnd(p, QPointF(leg, -leg - radius), d, d * 0.4, kStainless);
                        bend(p, centre, radius, d, 90, 90);
                    }};
        case FittingKind::WeldTee:
        case FittingKind::WeldCross:
            return {QRectF(-leg - d, -2 * leg - d, 2 * leg + 2 * d, 2 * leg + d + 8), [=](QPainter& p) {
                        floorShadow(p, QPointF(0, 0), 2 * leg);
                        tubeVertical(p, QRectF(-d / 2, -leg, d, leg), kStainless);
                        tubeEndVertical(p, QPointF(0, 0), d, 12, kStainless);
                        if (kind == FittingKind::WeldCross) {
                            tubeVertical(p, QRectF(-d / 2, -2 * leg, d, leg), kStainless);
                            tubeEndVertical(p, QPointF(0, -2 * leg), d, 12, kStainless);
                        }
                        tube(p, QRectF(-leg, -leg - d / 2, 2 * leg, d), kStainless);
                        tubeEnd(p, QPointF(-leg, -leg), d, d * 0.4, kStainless);
                        tubeEnd(p, QPointF(leg, -leg), d, d * 0.4, kStainless);
                        boss(p, centre, d * 0.72);
                    }};
        default:  // the tribow: three legs at right angles, the third towards the viewer
            return {QRectF(-leg - d, -leg - 2 * d, 2 * leg + 2 * d, leg + 2 * d + 8), [=](QPainter& p) {
                        floorShadow(p, QPointF(0, 0), 2 * leg);
                        tubeVertical(p, QRectF(-d / 2, -leg, d, leg), kStainless);
                        tubeEndVertical(p, QPointF(0, 0), d, 12, kStainless);
                        tube(p, QRectF(0, -leg - d / 2, leg, d), kStainless);
                        tubeEnd(p, QPointF(leg, -leg), d, d * 0.4, kStainless);
                        boss(p, centre, d * 0.72);
                        p.save();
                        p.translate(centre);
                        p.rotate(150);
                        tube(p, QRectF(0, -d / 2, leg * 0.8, d), kStainless);
                        tubeEnd(p, QPointF(leg * 0.8, 0), d, d * 0.55, kStainless);
                        p.restore();
                    }};
    }
}

Drawing bulkhead(FittingKind kind) {
    const double axis = -100;
    return {QRectF(-245, -218, 490, 222),
            [=](QPainter& p) {
                // The panel it passes through, cut away.
                p.setPen(outlinePen(1.5));
                p.setBrush(QColor(222, 226, 232));
                p.drawRect(QRectF(-8, -214, 20, 214));
                p.setBrush(QBrush(QColor(150, 158, 170), Qt::BDiagPattern));
                p.drawRect(QRectF(-8, -214, 20, 214));
                const QRectF shank(-120, axis - 34, 240, 68);
                tube(p, shank, kStainless);
                threadsHorizontal(p, shank.adjusted(90, 3, -20, -3));
                hexNutHorizontal(p, QRectF(-80, axis - 58, 56, 116), kStainless);
                hexNutHorizontal(p, QRectF(16, axis - 52, 36, 104), kStainless);
                for (const double side : {-1.0, 1.0}) {
                    p.save();
                    p.translate(side * 120, axis);
                    p.scale(side, 1);
                    switch (kind) {
                        case FittingKind::FaceSealBulkhead:
                            maleFaceSealEnd(p, 0, 0, 46, 34);
                            break;
                        case FittingKind::CoaxBulkhead:
                            tube(p, QRectF(0, -22, 56, 44), kStainless);
                            tubeEnd(p, QPointF(56, 0), 44, 16, kStainless);
                            tube(p, QRectF(56, -11, 60, 22), kStainless);
                            tubeEnd(p, QPointF(116, 0), 22, 9, kStainless);
                            break;
                        default:
                            tube(p, QRectF(0, -13, 100, 26), kStainless);
                            tubeEnd(p, QPointF(100, 0), 26, 10, kStainless);
                            break;
                    }
                    p.restore();
                }
            },
            -12};
}

Drawing lnqFitting() {
    const double axis = -48;
    return {QRectF(-218, axis - 50, 342, 100),
            [=](QPainter& p) {
                tube(p, QRectF(-210, axis - 13, 150, 26), kStainless);
                tubeEnd(p, QPointF(-210, axis), 26, 10, kStainless);
                tube(p, QRectF(-60, axis - 26, 40, 52), kStainless);
                hexNutHorizontal(p, QRectF(-20, axis - 46, 64, 92), kStainless);
                marking(p, QRectF(-20, axis - 14, 64, 28), QStringLiteral("LNQ"), 16, colour::kOutline);
                maleFaceSealEnd(p, 44, axis, 46, 60);
            },
            -18};
}

Drawing drawingFor(FittingKind kind) {
    switch (kind) {
        case FittingKind::FemaleNut:
            return nut(false);
        case FittingKind::MaleNut:
            return nut(true);
        case FittingKind::ShortGland:
        case FittingKind::LongGland:
        case FittingKind::HighFlowGland:
            return gland(kind);
        case FittingKind::WeldElbow:
        case FittingKind::WeldTee:
        case FittingKind::WeldCross:
        case FittingKind::WeldTribow:
            return weldFitting(kind);
        case FittingKind::FaceSealBulkhead:
        case FittingKind::TubeBulkhead:
        case FittingKind::CoaxBulkhead:
            return bulkhead(kind);
        case FittingKind::LnqFitting:
            return lnqFitting();
    }
    return lnqFitting();
}

}  // namespace

FittingKind fittingKind(const Fitting& fitting) {
    const std::string_view family = fitting.family, entry = fitting.entry, code = fitting.code;
    if (says(family, "Nut")) return says(entry, "Male") ? FittingKind::MaleNut : FittingKind::FemaleNut;
    if (says(family, "Gland")) {
        if (says(entry, "Hi-Flo")) return FittingKind::HighFlowGland;
        return says(code, "-3S-") ? FittingKind::ShortGland : FittingKind::LongGland;
    }
    if (says(family, "Micro Weld")) {
        if (says(entry, "Tribow")) return FittingKind::WeldTribow;
        if (says(entry, "Cross")) return FittingKind::WeldCross;
        if (says(entry, "Tee")) return FittingKind::WeldTee;
        return FittingKind::WeldElbow;
    }
    if (says(family, "Bulkhead")) {
        if (says(entry, "Coax")) return FittingKind::CoaxBulkhead;
        if (says(entry, "Face Seal")) return FittingKind::FaceSealBulkhead;
        return FittingKind::TubeBulkhead;
    }
    return FittingKind::LnqFitting;
}

QString fittingName(FittingKind kind) {
    switch (kind) {
        case FittingKind::FemaleNut:
            return QStringLiteral("Female Nut");
        case FittingKind::MaleNut:
            return QStringLiteral("Male Nut");
        case FittingKind::ShortGland:
            return QStringLiteral("Short Face Seal Gland");
        case FittingKind::LongGland:
            return QStringLiteral("Face Seal Gland");
        case FittingKind::HighFlowGland:
            return QStringLiteral("Hi-Flo Face Seal Gland");
        case FittingKind::WeldElbow:
            return QStringLiteral("Micro Weld Elbow");
        case FittingKind::WeldTee:
            return QStringLiteral("Micro Weld Tee");
        case FittingKind::WeldCross:
            return QStringLiteral("Micro Weld Cross");
        case FittingKind::WeldTribow:
            return QStringLiteral("Micro Weld Tribow");
        case FittingKind::FaceSealBulkhead:
            return QStringLiteral("Face Seal Bulkhead");
        case FittingKind::TubeBulkhead:
            return QStringLiteral("Tube Bulkhead");
        case FittingKind::CoaxBulkhead:
            return QStringLiteral("Coax Tube Bulkhead");
        case FittingKind::LnqFitting:
            return QStringLiteral("LNQ Fitting");
    }
    return {};
}

void drawFitting(QPainter& p, const QRectF& area, FittingKind kind) {
    const Drawing drawing = drawingFor(kind);
    p.save();
    fitInto(p, drawing.extent, area, drawing.tilt);
    drawing.draw(p);
    p.restore();
}

void drawFittings(QPainter& p, const QRectF& area, const std::vector<FittingKind>& kinds) {
    std::vector<Drawing> drawings;
    for (const FittingKind kind : kinds) drawings.push_back(drawingFor(kind));
    drawGrid(
        p, area, drawings, [](const Drawing& d) { return d.extent; }, [&](const Drawing& d) { d.draw(p); });
}

}  // namespace tarvek::art
