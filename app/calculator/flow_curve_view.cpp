#include "app/calculator/flow_curve_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "app/controls.h"
#include "rules/calculator/flow_curve_text.h"

namespace {

constexpr double kTextPointSize = 7;
constexpr double kPadding = 3;
constexpr double kMarkerRadius = 3.5;

const QColor kBackground(255, 255, 255);
const QColor kText(48, 48, 48);
const QColor kQuietText(96, 96, 96);
const QColor kAxis(150, 150, 150);
const QColor kGrid(228, 228, 228);
const QColor kLine(31, 86, 170);
const QColor kChoked(128, 0, 0);  // the colour of "Choked Flow!"
const QColor kChokedArea(128, 0, 0, 26);
const QColor kMarker(224, 112, 0);

// A one-pixel line on whole pixels at any scale: offset by half a pixel.
double crisp(double coordinate) { return std::floor(coordinate) + 0.5; }

}  // namespace

FlowCurveView::FlowCurveView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setMouseTracking(true);
}

QFont FlowCurveView::textFont() const {
    QFont small = font();
    small.setPointSizeF(kTextPointSize);
    return small;
}

void FlowCurveView::setFields(tarvek::CalculatorTexts fields) {
    fields_ = std::move(fields);
    stale_ = true;
    if (isVisible()) curve();
}

const tarvek::FlowCurve& FlowCurveView::curve() {
    if (stale_) {
        curve_ = tarvek::flowCurve(fields_.fields());
        stale_ = false;
        setAccessibleDescription(tarvek::qstr(tarvek::curveSummary(curve_)));
        pointed_.reset();
        forgetLayout();
    }
    return curve_;
}

void FlowCurveView::forgetLayout() {
    layout_.reset();
    update();
}

const tarvek::CurveLayout& FlowCurveView::layout() {
    const tarvek::FlowCurve& curve = this->curve();
    if (!layout_) {
        const QRectF area = QRectF(contentsRect()).adjusted(kPadding, kPadding, -kPadding, -kPadding);
        layout_ = tarvek::layoutCurve(curve, area, QFontMetricsF(textFont()));
    }
    return *layout_;
}

void FlowCurveView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    curve();
}

void FlowCurveView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    forgetLayout();
}

void FlowCurveView::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) forgetLayout();
}

void FlowCurveView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setFont(textFont());
    paintCurve(painter, layout());
}

void FlowCurveView::paintCurve(QPainter& painter, const tarvek::CurveLayout& layout) const {
    using Role = tarvek::CurveLabel::Role;
    const QRectF& plot = layout.plot;
    if (!plot.isEmpty()) {
        if (!layout.chokedArea.isEmpty()) {
            painter.fillRect(layout.chokedArea, kChokedArea);
            painter.setPen(QPen(kChoked, 1, Qt::DashLine));
            painter.drawLine(QPointF(crisp(layout.chokedArea.right()), plot.top()),
                             QPointF(crisp(layout.chokedArea.right()), plot.bottom()));
        }
        painter.setPen(QPen(kGrid, 1));
        for (const double tick : layout.valueAxis.ticks)
            if (tick > layout.valueAxis.low)
                painter.drawLine(QPointF(plot.left(), crisp(layout.yAt(tick))),
                                 QPointF(plot.right(), crisp(layout.yAt(tick))));
        painter.setPen(QPen(kAxis, 1));
        painter.drawLine(QPointF(crisp(plot.left()), plot.top()), QPointF(crisp(plot.left()), plot.bottom()));
        painter.drawLine(QPointF(plot.left(), crisp(plot.bottom())),
                         QPointF(plot.right(), crisp(plot.bottom())));
        for (const double tick : layout.pressureAxis.ticks)
            painter.drawLine(QPointF(crisp(layout.xAt(tick)), plot.bottom()),
                             QPointF(crisp(layout.xAt(tick)), plot.bottom() + 3));

        painter.setRenderHint(QPainter::Antialiasing);
        painter.save();
        painter.setClipRect(plot.adjusted(-kMarkerRadius - 1, -kMarkerRadius - 1, kMarkerRadius + 1, 1),
                            Qt::IntersectClip);
        painter.setPen(QPen(kLine, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPolygonF& line : layout.lines) painter.drawPolyline(line);
        if (layout.marker) {
            painter.setPen(QPen(kBackground, 1.5));
            painter.setBrush(kMarker);
            painter.drawEllipse(*layout.marker, kMarkerRadius, kMarkerRadius);
        }
        if (pointed_) {
            const QPointF at(layout.xAt(pointed_->outlet), layout.yAt(pointed_->value));
            if (plot.contains(at)) {
                painter.setPen(QPen(kLine, 1.25));
                painter.setBrush(kBackground);
                painter.drawEllipse(at, kMarkerRadius - 0.5, kMarkerRadius - 0.5);
            }
        }
        painter.restore();
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    for (const tarvek::CurveLabel& label : layout.labels) {
        const bool quiet = label.role == Role::Gap;
        painter.setPen(label.role == Role::Choked ? kChoked : quiet ? kQuietText : kText);
        const Qt::Alignment alignment =
            label.role == Role::ValueTick ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter;
        painter.drawText(label.rect, alignment, label.text);
    }
}

void FlowCurveView::mouseMoveEvent(QMouseEvent* event) {
    QFrame::mouseMoveEvent(event);
    const tarvek::CurveLayout& layout = this->layout();
    const QPointF position = event->position();
    std::optional<tarvek::CurvePoint> point;
    if (layout.plot.adjusted(-2, -2, 2, 2).contains(position))
        point = tarvek::curvePointAt(curve_, layout.pressureAt(position.x()));
    if (point) {
        QToolTip::showText(event->globalPosition().toPoint(),
                           tarvek::qstr(tarvek::pointText(curve_.mode, *point)), this);
    } else {
        QToolTip::hideText();
    }
    if (point.has_value() != pointed_.has_value() || (point && point->outlet != pointed_->outlet)) {
        pointed_ = point;
        update();
    }
}

void FlowCurveView::leaveEvent(QEvent* event) {
    QFrame::leaveEvent(event);
    QToolTip::hideText();
    if (pointed_) {
        pointed_.reset();
        update();
    }
}
