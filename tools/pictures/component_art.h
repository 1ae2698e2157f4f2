// Pressure regulators, check valves and vacuum generators.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace tarvek::art {

struct RegulatorLook {
    QString model;   // "T400", on the bonnet
    QString series;  // "GN1", on the body
    double size = 1.0;
};

void drawRegulator(QPainter& p, const QRectF& area, const RegulatorLook& regulator);
void drawRegulators(QPainter& p, const QRectF& area, const std::vector<RegulatorLook>& regulators);
// A check valve in line between two face-seal ends; the LNQ version has the longer gland.
void drawCheckValve(QPainter& p, const QRectF& area, const QString& code, bool lnqGland);
// A vacuum generator: supply in, exhaust out, and one or two vacuum ports on top.
void drawVacuumGenerator(QPainter& p, const QRectF& area, const QString& code, int vacuumPorts);

}  // namespace tarvek::art
