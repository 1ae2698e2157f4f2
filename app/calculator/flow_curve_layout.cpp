#include "app/calculator/flow_curve_layout.h"

#include <algorithm>
#include <cmath>

#include "app/controls.h"
#include "rules/calculator/flow_curve_text.h"

namespace tarvek {
namespace {

constexpr double kGap = 2;           // between the plot and its texts
constexpr double kLabelSpacing = 8;  // between neighbouring tick texts
constexpr int kMostPressureTicks = 9;
constexpr int kMostValueTicks = 5;

bool overlapsAny(const QRectF& rect, const std::vector<CurveLabel>& labels) {
    return std::any_of(labels.begin(), labels.end(), [&](const CurveLabel& label) {
        return label.rect.adjusted(-kLabelSpacing / 2, 0, kLabelSpacing / 2, 0).intersects(rect);
    });
}

QRectF textRect(const QFontMetricsF& metrics, const QString& text) {
    return QRectF(0, 0, std::ceil(metrics.horizontalAdvance(text)), std::ceil(metrics.height()));
}

// The pressure ticks' texts, centred under their ticks and kept inside left .. right; as
// many ticks as fit without their texts touching.
std::vector<CurveLabel> pressureTicks(CurveLayout& layout, const FlowCurve& curve,
                                      const QFontMetricsF& metrics, double left, double right, double top) {
    std::vector<CurveLabel> labels;
    for (int wanted = kMostPressureTicks; wanted >= 2; --wanted) {
        layout.pressureAxis = axisScale(curve.vacuum, curve.inlet, wanted);
        labels.clear();
        bool fits = true;
        const std::vector<double>& ticks = layout.pressureAxis.ticks;
        for (std::size_t i = 0; i < ticks.size() && fits; ++i) {
            const QString text = qstr(tickText(ticks[i], layout.pressureAxis.step));
            QRectF rect = textRect(metrics, text);
            rect.moveTo(layout.xAt(ticks[i]) - rect.width() / 2, top);
            if (rect.right() > right) rect.moveRight(right);
            if (rect.left() < left) rect.moveLeft(left);
            // A tick at the plot's corner, where the value axis's lowest text already stands
            // (0 at vacuum, over a huge span), goes without its text.
            if (overlapsAny(rect, layout.labels)) continue;
            fits = !overlapsAny(rect, labels) && rect.right() <= right;
            labels.push_back({CurveLabel::Role::PressureTick, text, rect});
        }
        if (fits && labels.size() >= std::min<std::size_t>(2, ticks.size())) return labels;
    }
    return {};  // not even two texts fit: ticks without texts
}

// Cuts a line of points at the plot's top and bottom: a segment that leaves the plot ends
// where it crosses the edge, and the line goes on where it comes back.
std::vector<QPolygonF> cutToBand(const std::vector<QPointF>& points, double top, double bottom) {
    std::vector<QPolygonF> lines;
    QPolygonF current;
    const auto inside = [&](const QPointF& p) { return p.y() >= top && p.y() <= bottom; };
    const auto crossing = [&](const QPointF& a, const QPointF& b, double y) {
        const double t = (y - a.y()) / (b.y() - a.y());
        return QPointF(a.x() + t * (b.x() - a.x()), y);
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF& p = points[i];
        if (i > 0) {
            const QPointF& previous = points[i - 1];
            if (inside(previous) && !inside(p)) {
                current << crossing(previous, p, p.y() < top ? top : bottom);
                lines.push_back(current);
                current.clear();
            } else if (!inside(previous) && inside(p)) {
                current << crossing(previous, p, previous.y() < top ? top : bottom);
            } else if (!inside(previous) && !inside(p) && (previous.y() < top) != (p.y() < top)) {
                lines.push_back(
                    {crossing(previous, p, top), crossing(previous, p, bottom)});  // straight across
            }
        }
        if (inside(p)) current << p;
    }
    if (current.size() > 1) lines.push_back(current);
    return lines;
}

}  // namespace

double CurveLayout::xAt(double pressure) const {
    const double span = pressureAxis.high - pressureAxis.low;
    return plot.left() + (pressure - pressureAxis.low) / span * plot.width();
}

double CurveLayout::yAt(double value) const {
    return plot.bottom() - (value - valueAxis.low) / (valueAxis.high - valueAxis.low) * plot.height();
}

double CurveLayout::pressureAt(double x) const {
    if (!(plot.width() > 0)) return pressureAxis.low;
    const double fraction = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
    return pressureAxis.low + fraction * (pressureAxis.high - pressureAxis.low);
}

CurveLayout layoutCurve(const FlowCurve& curve, const QRectF& area, const QFontMetricsF& metrics) {
    CurveLayout layout;
    const double lineHeight = std::ceil(metrics.height());
    if (!curve.drawn()) {
        const QString text = metrics.elidedText(qstr(gapText(curve)), Qt::ElideRight, area.width());
        QRectF rect = textRect(metrics, text);
        rect.moveCenter(area.center());
        layout.labels.push_back({CurveLabel::Role::Gap, text, rect & area});
        return layout;
    }

    // The axes' titles with their units: the value axis's above the plot, the pressure
    // axis's under the pressure ticks.
    const auto title = [&](const std::string& text, double top, Qt::Alignment side) {
        const QString shown = metrics.elidedText(qstr(text), Qt::ElideRight, area.width());
        QRectF rect = textRect(metrics, shown);
        rect.moveTop(top);
        if (side == Qt::AlignLeft)
            rect.moveLeft(area.left());
        else
            rect.moveLeft(area.center().x() - rect.width() / 2);
        layout.labels.push_back({CurveLabel::Role::AxisTitle, shown, rect & area});
    };

    // The value axis: its texts decide how far in from the left the plot starts.
    const double top = lineHeight + lineHeight / 2;
    const double plotHeight = area.height() - top - (kGap + lineHeight) * 2;
    const int valueTicks = std::clamp(int(plotHeight / (lineHeight * 1.25)) + 1, 2, kMostValueTicks);
    layout.valueAxis = axisScaleFromZero(plottedMaximum(curve), valueTicks);
    std::vector<QString> valueTexts;
    double gutter = 0;
    for (std::size_t i = 0; i < layout.valueAxis.ticks.size(); ++i) {
        const QString text = qstr(tickText(layout.valueAxis.ticks[i], layout.valueAxis.step));
        gutter = std::max(gutter, std::ceil(metrics.horizontalAdvance(text)));
        valueTexts.push_back(text);
    }
    gutter = std::min(gutter + kGap * 2, area.width() / 3);
    const double rightMargin = std::ceil(metrics.horizontalAdvance(QStringLiteral("0")));
    layout.plot =
        QRectF(area.left() + gutter, area.top() + top, area.width() - gutter - rightMargin, plotHeight);
    if (layout.plot.width() < 8 || layout.plot.height() < 8) return CurveLayout{};
    title(valueAxisTitle(curve), area.top(), Qt::AlignLeft);
    title(pressureAxisTitle(curve), layout.plot.bottom() + kGap * 2 + lineHeight, Qt::AlignHCenter);

    for (std::size_t i = 0; i < valueTexts.size(); ++i) {
        QRectF rect = textRect(metrics, valueTexts[i]);
        rect.moveTopRight(QPointF(layout.plot.left() - kGap * 2,
                                  layout.yAt(layout.valueAxis.ticks[i]) - rect.height() / 2));
        rect.moveLeft(std::max(rect.left(), area.left()));
        layout.labels.push_back({CurveLabel::Role::ValueTick, valueTexts[i], rect & area});
    }

    // The pressure axis: as many ticks as fit; the plot spans vacuum to the inlet exactly,
    // whatever ticks were chosen.
    for (const CurveLabel& tick :
         pressureTicks(layout, curve, metrics, area.left(), area.right(), layout.plot.bottom() + kGap))
        layout.labels.push_back(tick);
    layout.pressureAxis.low = curve.vacuum;
    layout.pressureAxis.high = curve.inlet;

    // The choked area: every outlet pressure from vacuum up to (1 - Xt) x P1.
    if (curve.chokedOutlet >= curve.vacuum) {
        const double right =
            std::min(layout.xAt(std::min(curve.chokedOutlet, curve.inlet)), layout.plot.right());
        layout.chokedArea = QRectF(QPointF(layout.plot.left(), layout.plot.top()),
                                   QPointF(std::max(right, layout.plot.left() + 1), layout.plot.bottom()));
        const QString text = qstr(kChokedLabel);
        QRectF rect = textRect(metrics, text);
        // Away from the line: the choked flow runs along the top, the choked Cv along the bottom.
        const double y =
            curve.mode == FlowMode::Cv ? layout.plot.top() + 1 : layout.plot.bottom() - rect.height() - 1;
        if (layout.chokedArea.width() >= rect.width() + 6)
            rect.moveTopLeft(QPointF(layout.chokedArea.center().x() - rect.width() / 2, y));
        else
            rect.moveTopLeft(QPointF(layout.chokedArea.right() + 3, y));
        rect.moveRight(std::min(rect.right(), layout.plot.right()));
        layout.labels.push_back({CurveLabel::Role::Choked, text, rect});
    }

    std::vector<QPointF> points;
    points.reserve(curve.points.size());
    for (const CurvePoint& point : curve.points)
        points.emplace_back(layout.xAt(point.outlet), layout.yAt(point.value));
    layout.lines = cutToBand(points, layout.plot.top(), layout.plot.bottom());

    const QPointF marker(layout.xAt(curve.operatingPoint.outlet), layout.yAt(curve.operatingPoint.value));
    if (layout.plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(marker)) layout.marker = marker;
    return layout;
}

}  // namespace tarvek
