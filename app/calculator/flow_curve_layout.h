// Where each part of the flow curve goes inside its frame: the plot, the axes' ticks and
// texts, the choked area, the line cut to the plot and the operating point. Worked out
// from the curve, the free area and the text size alone, so it can be checked without a
// screen.
#pragma once

#include <QFontMetricsF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "rules/calculator/curve_axis.h"
#include "rules/calculator/flow_curve.h"
#include "rules/calculator/shown_curve.h"

namespace tarvek {

struct CurveLabel {
    enum class Role { PressureTick, ValueTick, AxisTitle, Choked, Gap };
    Role role;
    QString text;
    QRectF rect;
};

struct CurveLayout {
    QRectF plot;  // empty when nothing is plotted
    AxisScale pressureAxis, valueAxis;
    QRectF chokedArea;               // empty when no outlet pressure of the span is choked
    std::vector<QPolygonF> lines;    // the curve, cut where it leaves the plot
    std::optional<QPointF> marker;   // the operating point
    std::vector<CurveLabel> labels;  // none overlaps another; all inside the area

    double xAt(double pressure) const;
    double yAt(double value) const;
    double pressureAt(double x) const;
};

CurveLayout layoutCurve(const FlowCurve& curve, const QRectF& area, const QFontMetricsF& metrics);

}  // namespace tarvek
