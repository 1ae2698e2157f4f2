// Diaphragm valves: the body of each series, the actuator by kind, the two together, and the
// V-block manifold. Proportions come from the catalogue's own words (flow rating, pressure
// class, kind of handle), so a new series or actuator needs no drawing code.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"

namespace tarvek::art {

struct SeriesLook {
    QString code;  // "MX2", printed on the body
    double bodyWidth = 170, bodyHeight = 94, tubeDiameter = 22;
    bool heavy = false;  // the very-high-pressure series: thicker walls, darker steel
};

enum class ActuatorKind { AirCylinder, RoundKnob, TeeKnob, Hybrid, LeverHandle };

struct ActuatorLook {
    QString code;  // "A310", printed on air actuators
    ActuatorKind kind = ActuatorKind::AirCylinder;
    bool normallyOpen = false;
    bool lockout = false;
    double diameter = 1.0, height = 1.0;  // relative to the low-pressure actuator
};

SeriesLook seriesLook(const Body& body);
ActuatorLook actuatorLook(const Actuator& actuator);
ActuatorLook leverHandleLook();

// Each fits its drawing into `area`, standing on the area's bottom edge.
void drawValve(QPainter& p, const QRectF& area, const SeriesLook& series, const ActuatorLook& actuator);
void drawActuator(QPainter& p, const QRectF& area, const ActuatorLook& actuator);
void drawVBlock(QPainter& p, const QRectF& area, const ActuatorLook& actuator, int stations);
// Several side by side at one common scale, as a family photograph shows them.
void drawValves(QPainter& p, const QRectF& area, const SeriesLook& series,
                const std::vector<ActuatorLook>& actuators);
void drawActuators(QPainter& p, const QRectF& area, const std::vector<ActuatorLook>& actuators);

}  // namespace tarvek::art
