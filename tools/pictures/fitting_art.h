// Face-seal and micro-weld fittings: nuts, glands, elbows to tribows, bulkheads and the LNQ
// fitting, each recognised from its catalogue entry.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "rules/catalogue/other_models.h"

namespace tarvek::art {

enum class FittingKind {
    FemaleNut,
    MaleNut,
    ShortGland,
    LongGland,
    HighFlowGland,
    WeldElbow,
    WeldTee,
    WeldCross,
    WeldTribow,
    FaceSealBulkhead,
    TubeBulkhead,
    CoaxBulkhead,
    LnqFitting,
};

FittingKind fittingKind(const Fitting& fitting);
QString fittingName(FittingKind kind);

// Each fits its drawing into `area`, resting on the area's bottom edge.
void drawFitting(QPainter& p, const QRectF& area, FittingKind kind);
// A family of fittings together, level, in the grid that shows them largest.
void drawFittings(QPainter& p, const QRectF& area, const std::vector<FittingKind>& kinds);

}  // namespace tarvek::art
