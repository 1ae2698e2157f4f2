#include "tools/pictures/valve_art.h"

#include <QPainterPath>
#include <cmath>

#include "rules/numbers/number_text.h"
#include "tools/pictures/drawing_kit.h"

namespace tarvek::art {
namespace {

bool says(std::string_view text, std::string_view words) {
    return text.find(words) != std::string_view::npos;
}

QString codeOf(std::string_view segment) {
    QString code = QString::fromUtf8(segment.data(), qsizetype(segment.size()));
    return code.startsWith(u'-') ? code.mid(1) : code;
}

// Where the parts of one valve sit, in its own units: x across from the centre line,
// y upwards negative from the floor under the body.
struct ValveGeometry {
    SeriesLook s;
    double stub, depth, bonnetWidth, bonnetHeight;

    explicit ValveGeometry(const SeriesLook& series) : s(series) {
        stub = s.bodyWidth * 0.62;
        depth = s.bodyHeight * 0.2;
        bonnetWidth = s.bodyWidth * (s.heavy ? 0.7 : 0.6);
        bonnetHeight = s.bodyHeight * (s.heavy ? 0.55 : 0.42);
    }
    double halfWidth() const { return s.bodyWidth / 2 + stub + s.tubeDiameter * 0.25; }
    double bonnetBase() const { return -s.bodyHeight - depth * 0.5; }
    double actuatorBase() const { return bonnetBase() - bonnetHeight + bonnetWidth * 0.08; }
    double actuatorDiameter(const ActuatorLook& a) const { return s.bodyWidth * 0.66 * a.diameter; }
};

struct ActuatorSize {
    double height, left, right;  // above its base; reach to each side of its axis
};

ActuatorSize actuatorSize(const ActuatorLook& a, double d) {
    const double plate = a.lockout ? d * 0.95 : 0;
    switch (a.kind) {
        case ActuatorKind::AirCylinder:
            return {d * (0.14 + 1.2 * a.height) + d * 0.26, d / 2, d / 2};
        case ActuatorKind::Hybrid:
            return {d * (0.14 + 0.9 * a.height) + d * 0.36, d / 2, std::max(d / 2, plate)};
        case ActuatorKind::RoundKnob:
            return {d * 0.8, d * 0.52, std::max(d * 0.52, plate)};
        case ActuatorKind::TeeKnob:
            return {d * 0.98, d * 0.95, std::max(d * 0.95, plate)};
        case ActuatorKind::LeverHandle:
            return {d * 1.0, d * 0.3, d * 1.05};
    }
    return {d, d / 2, d / 2};
}

void drawStub(QPainter& p, double innerX, double outerX, double y, double diameter) {
    const double left = std::min(innerX, outerX), width = std::abs(outerX - innerX);
    tube(p, QRectF(left, y - diameter / 2, width, diameter), kStainless);
    // The weld collar where the stub leaves the body.
    const double collar = diameter * 0.35;
    const double collarX = outerX < innerX ? innerX - collar : innerX;
    tube(p, QRectF(collarX, y - diameter * 0.62, collar, diameter * 1.24), kStainless);
    tubeEnd(p, QPointF(outerX, y), diameter, diameter * 0.4, kStainless);
}

void drawBody(QPainter& p, const ValveGeometry& g) {
    const SeriesLook& s = g.s;
    const double y = -s.bodyHeight * 0.42;
    drawStub(p, -s.bodyWidth / 2, -s.bodyWidth / 2 - g.stub, y, s.tubeDiameter);
    drawStub(p, s.bodyWidth / 2, s.bodyWidth / 2 + g.stub, y, s.tubeDiameter);
    block(p, QRectF(-s.bodyWidth / 2, -s.bodyHeight, s.bodyWidth, s.bodyHeight), g.depth,
          s.heavy ? kDarkSteel : kStainless);
    marking(p, QRectF(-s.bodyWidth / 2, -s.bodyHeight * 0.92, s.bodyWidth, s.bodyHeight * 0.4), s.code,
            s.bodyHeight * 0.2, QColor(78, 86, 98));
    flowArrow(p, QPointF(-s.bodyWidth * 0.26, -s.bodyHeight * 0.3),
              QPointF(s.bodyWidth * 0.26, -s.bodyHeight * 0.3));
    hexNutVertical(p,
                   QRectF(-g.bonnetWidth / 2, g.bonnetBase() - g.bonnetHeight, g.bonnetWidth, g.bonnetHeight),
                   s.heavy ? kDarkSteel : kStainless);
}

// A coloured ring around a cylinder, between two heights measured from its top.
void band(QPainter& p, const QRectF& cylinderBox, double from, double to, const QColor& colour) {
    const double cap = std::min(cylinderBox.width() * 0.2, cylinderBox.height() * 0.5);
    const double y1 = cylinderBox.top() + cap / 2 + from, y2 = cylinderBox.top() + cap / 2 + to;
    QPainterPath ring;
    ring.moveTo(cylinderBox.left(), y1);
    ring.arcTo(QRectF(cylinderBox.left(), y1 - cap / 2, cylinderBox.width(), cap), 180, 180);
    ring.lineTo(cylinderBox.right(), y2);
    ring.arcTo(QRectF(cylinderBox.left(), y2 - cap / 2, cylinderBox.width(), cap), 0, -180);
    ring.closeSubpath();
    p.setPen(outlinePen(1.5));
    p.setBrush(
        roundShading(QPointF(cylinderBox.left(), 0), QPointF(cylinderBox.right(), 0), Finish{colour, 0.7}));
    p.drawPath(ring);
}

void lockoutPlate(QPainter& p, double y, double d) {
    const QRectF plate(-d * 0.2, y - d * 0.06, d * 1.12, d * 0.12);
    p.setPen(outlinePen(1.5));
    p.setBrush(roundShading(QPointF(0, plate.top()), QPointF(0, plate.bottom()), kStainless));
    p.drawRoundedRect(plate, d * 0.06, d * 0.06);
    p.setBrush(QColor(60, 66, 76));
    p.drawEllipse(QPointF(plate.right() - d * 0.13, plate.center().y()), d * 0.07, d * 0.035);
}

// Draws upwards from `base`; returns nothing, sizes come from actuatorSize.
void drawActuatorAt(QPainter& p, const ActuatorLook& a, double base, double d) {
    const auto knob = [&](double width, double height, double bottom) {
        const QRectF box(-width / 2, bottom - height, width, height);
        cylinder(p, box, kBluePlastic);
        knurl(p, box, 14);
    };
    const auto stem = [&](double width, double height) {
        cylinder(p, QRectF(-width / 2, base - height, width, height), kStainless);
        return base - height + width * 0.1;
    };
    switch (a.kind) {
        case ActuatorKind::AirCylinder:
        case ActuatorKind::Hybrid: {
            const double neckTop = stem(d * 0.46, d * 0.14 + d * 0.1);
            const double height = d * (a.kind == ActuatorKind::Hybrid ? 0.9 : 1.2) * a.height;
            const QRectF body(-d / 2, neckTop - height, d, height);
            cylinder(p, body, kAluminium);
            band(p, body, height * 0.1, height * 0.22,
                 a.normallyOpen ? colour::kNormallyOpen : colour::kTarvekBlue);
            if (a.height >= 1.25) band(p, body, height * 0.8, height * 0.86, QColor(110, 118, 130));
            marking(p, QRectF(body.left(), body.top() + height * 0.3, body.width(), height * 0.45), a.code,
                    d * 0.17, colour::kOutline);
            if (a.kind == ActuatorKind::Hybrid) {
                if (a.lockout) lockoutPlate(p, body.top() + d * 0.1, d);
                knob(d * 0.56, d * 0.3, body.top() + d * 0.12);
            } else {
                // The air port: a small fitting on the cap.
                const double port = d * 0.16;
                hexNutVertical(p, QRectF(d * 0.12, body.top() + d * 0.04 - port * 0.7, port, port * 0.7),
                               kStainless);
                cylinder(p, QRectF(d * 0.12 + port * 0.25, body.top() - port * 1.3, port * 0.5, port * 0.75),
                         kStainless);
            }
            break;
        }
        case ActuatorKind::RoundKnob: {
            const double top = stem(d * 0.36, d * 0.3);
            if (a.lockout) lockoutPlate(p, top + d * 0.02, d);
            knob(d * 1.04, d * 0.52, top + d * 0.04);
            break;
        }
        case ActuatorKind::TeeKnob: {
            const double top = stem(d * 0.28, d * 0.5);
            if (a.lockout) lockoutPlate(p, base - d * 0.25, d);
            cylinder(p, QRectF(-d * 0.22, top - d * 0.24, d * 0.44, d * 0.26), kBluePlastic);
            const QRectF bar(-d * 0.95, top - d * 0.46, d * 1.9, d * 0.24);
            p.setPen(outlinePen());
            p.setBrush(roundShading(QPointF(0, bar.top()), QPointF(0, bar.bottom()), kBluePlastic));
            p.drawRoundedRect(bar, d * 0.12, d * 0.12);
            break;
        }
        case ActuatorKind::LeverHandle: {
            const double top = stem(d * 0.28, d * 0.4);
            const QRectF hub(-d * 0.28, top - d * 0.3, d * 0.56, d * 0.32);
            p.save();
            p.translate(0, hub.center().y());
            p.rotate(-18);
            const QRectF lever(-d * 0.05, -d * 0.12, d * 1.05, d * 0.24);
            p.setPen(outlinePen());
            p.setBrush(roundShading(QPointF(0, lever.top()), QPointF(0, lever.bottom()), kBluePlastic));
            p.drawRoundedRect(lever, d * 0.12, d * 0.12);
            p.restore();
            cylinder(p, hub, kBluePlastic);
            break;
        }
    }
}

}  // namespace

SeriesLook seriesLook(const Body& body) {
    // Bigger flow, bigger valve: the body grows with the square root of its Cv.
    const double cv = std::clamp(leadingNumber(body.note), 0.1, 2.0);
    SeriesLook look;
    look.code = codeOf(body.code);
    look.heavy = says(body.note, "psig");
    look.bodyWidth = 120 + 110 * std::sqrt(cv);
    if (says(body.entry, "Miniature")) look.bodyWidth *= 0.84;
    look.bodyHeight = look.bodyWidth * (look.heavy ? 0.68 : 0.55);
    look.tubeDiameter = 10 + 24 * std::sqrt(cv);
    return look;
}

ActuatorLook actuatorLook(const Actuator& actuator) {
    const std::string_view e = actuator.entry;
    ActuatorLook look;
    look.code = codeOf(actuator.code);
    look.normallyOpen = says(e, "N.O.");
    look.lockout = says(e, "LOTO");
    if (says(e, "Hybrid"))
        look.kind = ActuatorKind::Hybrid;
    else if (says(e, "Tee Knob"))
        look.kind = ActuatorKind::TeeKnob;
    else if (says(e, "Knob"))
        look.kind = ActuatorKind::RoundKnob;
    // Higher pressure takes a stronger spring: a wider, taller cylinder. Later rows win.
    struct PressureClass {
        std::string_view words;
        double diameter, height;
    };
    static constexpr PressureClass kClasses[] = {{"Med Pressure", 1.1, 1.12},
                                                 {"High Pressure", 1.16, 1.28},
                                                 {"Very High", 1.2, 1.42},
                                                 {"Pneumatic", 1.34, 1.3}};
    for (const PressureClass& c : kClasses)
        if (says(e, c.words)) {
            look.diameter = c.diameter;
            look.height = c.height;
        }
    return look;
}

ActuatorLook leverHandleLook() {
    ActuatorLook look;
    look.code = QStringLiteral("LS");
    look.kind = ActuatorKind::LeverHandle;
    return look;
}

namespace {

// A valve's extent in its own units, and how to draw it there.
QRectF valveExtent(const SeriesLook& series, const ActuatorLook& actuator) {
    const ValveGeometry g(series);
    const ActuatorSize size = actuatorSize(actuator, g.actuatorDiameter(actuator));
    const double top = g.actuatorBase() - size.height;
    const double half = std::max({g.halfWidth(), size.left, size.right});
    return QRectF(-half, top, 2 * half, -top + series.bodyHeight * 0.08);
}

void drawValveHere(QPainter& p, const SeriesLook& series, const ActuatorLook& actuator) {
    const ValveGeometry g(series);
    floorShadow(p, QPointF(0, 0), g.halfWidth() * 2.1);
    drawBody(p, g);
    drawActuatorAt(p, actuator, g.actuatorBase(), g.actuatorDiameter(actuator));
}

constexpr double kActuatorUnit = 120;

struct NutGeometry {
    double d, nutHeight, nutWidth, base;
    explicit NutGeometry(const ActuatorLook& a)
        : d(kActuatorUnit * a.diameter),
          nutHeight(d * 0.36),
          nutWidth(d * 0.86),
          base(-nutHeight + nutWidth * 0.08) {}
};

QRectF actuatorExtent(const ActuatorLook& actuator) {
    const NutGeometry g(actuator);
    const ActuatorSize size = actuatorSize(actuator, g.d);
    const double half = std::max({g.nutWidth / 2, size.left, size.right});
    return QRectF(-half, g.base - size.height, 2 * half, size.height - g.base + g.d * 0.05);
}

// Sold as an assembly: the actuator on its own bonnet nut, ready to fit a body.
void drawActuatorHere(QPainter& p, const ActuatorLook& actuator) {
    const NutGeometry g(actuator);
    floorShadow(p, QPointF(0, 0), g.nutWidth * 1.6);
    hexNutVertical(p, QRectF(-g.nutWidth / 2, -g.nutHeight, g.nutWidth, g.nutHeight), kStainless);
    drawActuatorAt(p, actuator, g.base, g.d);
}

}  // namespace

void drawValve(QPainter& p, const QRectF& area, const SeriesLook& series, const ActuatorLook& actuator) {
    p.save();
    fitInto(p, valveExtent(series, actuator), area);
    drawValveHere(p, series, actuator);
    p.restore();
}

void drawActuator(QPainter& p, const QRectF& area, const ActuatorLook& actuator) {
    // Alone it would fill the picture: keep it to the size a valve's actuator has there.
    const QRectF inner(area.center().x() - area.width() * 0.34, area.top() + area.height() * 0.1,
                       area.width() * 0.68, area.height() * 0.9);
    p.save();
    fitInto(p, actuatorExtent(actuator), inner);
    drawActuatorHere(p, actuator);
    p.restore();
}

void drawValves(QPainter& p, const QRectF& area, const SeriesLook& series,
                const std::vector<ActuatorLook>& actuators) {
    drawGroup(
        p, area, actuators, [&](const ActuatorLook& a) { return valveExtent(series, a); },
        [&](const ActuatorLook& a) { drawValveHere(p, series, a); });
}

void drawActuators(QPainter& p, const QRectF& area, const std::vector<ActuatorLook>& actuators) {
    drawGrid(p, area, actuators, actuatorExtent, [&](const ActuatorLook& a) { drawActuatorHere(p, a); });
}

void drawVBlock(QPainter& p, const QRectF& area, const ActuatorLook& actuator, int stations) {
    const double pitch = 150, blockHeight = 96, depth = 22, tubeDiameter = 22;
    const double blockWidth = pitch * stations;
    SeriesLook station;
    station.bodyWidth = 150;
    station.bodyHeight = blockHeight;
    const ValveGeometry g(station);
    const double d = g.actuatorDiameter(actuator);
    const ActuatorSize size = actuatorSize(actuator, d);
    const double half = blockWidth / 2 + 70;
    p.save();
    fitInto(p, QRectF(-half, g.actuatorBase() - size.height, 2 * half, size.height - g.actuatorBase() + 10),
            area);
    floorShadow(p, QPointF(0, 0), blockWidth * 1.2);
    const double y = -blockHeight * 0.42;
    drawStub(p, -blockWidth / 2, -blockWidth / 2 - 64, y, tubeDiameter);
    drawStub(p, blockWidth / 2, blockWidth / 2 + 64, y, tubeDiameter);
    block(p, QRectF(-blockWidth / 2, -blockHeight, blockWidth, blockHeight), depth, kStainless);
    // The V-shaped passage from each seat to the common run, engraved on the face.
    p.setPen(QPen(QColor(110, 118, 130), 2.5, Qt::DashLine));
    for (int i = 0; i < stations; ++i) {
        const double x = -blockWidth / 2 + pitch * (i + 0.5);
        p.drawLine(QPointF(x - 34, y), QPointF(x, -blockHeight * 0.86));
        p.drawLine(QPointF(x + 34, y), QPointF(x, -blockHeight * 0.86));
    }
    p.drawLine(QPointF(-blockWidth / 2 + 8, y), QPointF(blockWidth / 2 - 8, y));
    for (int i = 0; i < stations; ++i) {
        const double x = -blockWidth / 2 + pitch * (i + 0.5);
        p.save();
        p.translate(x, 0);
        hexNutVertical(
            p, QRectF(-g.bonnetWidth / 2, g.bonnetBase() - g.bonnetHeight, g.bonnetWidth, g.bonnetHeight),
            kStainless);
        drawActuatorAt(p, actuator, g.actuatorBase(), d);
        p.restore();
    }
    p.restore();
}

}  // namespace tarvek::art
