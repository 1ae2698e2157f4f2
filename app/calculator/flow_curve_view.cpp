#include "app/calculator/flow_curve_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "app/controls.h"
#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/sizing_curve.h"

namespace {

constexpr double kTextPointSize = 7;
constexpr double kPadding = 3;
constexpr double kMarkerRadius = 3.5;

struct CurveColours {
    QColor background, text, quietText, axis, grid, line, choked, chokedArea, marker;
};

// On a light desktop, the curve's own colours; "choked" in the colour of "Choked Flow!".
const CurveColours kLightColours{{255, 255, 255}, {48, 48, 48},    {96, 96, 96},
                                 {150, 150, 150}, {228, 228, 228}, {31, 86, 170},
                                 {128, 0, 0},     {128, 0, 0, 26}, {224, 112, 0}};

QColor mixed(const QColor& a, const QColor& b, double ofA) {
    return QColor::fromRgbF(float(a.redF() * ofA + b.redF() * (1 - ofA)),
                            float(a.greenF() * ofA + b.greenF() * (1 - ofA)),
                            float(a.blueF() * ofA + b.blueF() * (1 - ofA)));
}

// On a dark desktop, the palette's own base and text, lines that read on them, and the
// dark variant of "Choked Flow!" the window gives that label.
CurveColours coloursFor(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window), windowText = palette.color(QPalette::WindowText);
    if (window.lightness() >= windowText.lightness()) return kLightColours;
    const QColor base = palette.color(QPalette::Base), text = palette.color(QPalette::Text);
    return {base,
            text,
            mixed(text, base, 0.7),
            mixed(text, base, 0.45),
            mixed(text, base, 0.15),
            QColor(0x7A, 0xB0, 0xF5),
            QColor(0xFF, 0x9C, 0x94),
            QColor(0xFF, 0x9C, 0x94, 40),
            QColor(0xFF, 0xA6, 0x4D)};
}

// A one-pixel line on whole pixels at any scale: offset by half a pixel.
double crisp(double coordinate) { return std::floor(coordinate) + 0.5; }

}  // namespace

// The background is painted with the curve, in the colours of the desktop's palette.
FlowCurveView::FlowCurveView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMouseTracking(true);
}

QFont FlowCurveView::textFont() const {
    QFont small = font();
    small.setPointSizeF(kTextPointSize);
    return small;
}

void FlowCurveView::setFields(tarvek::CalculatorTexts fields) {
    fields_ = std::move(fields);
    fieldsChanged();
}

void FlowCurveView::setSizingFields(tarvek::SizingCopy fields) {
    fields_ = std::move(fields);
    fieldsChanged();
}

void FlowCurveView::fieldsChanged() {
    stale_ = true;
    if (isVisible()) curve();
}

const tarvek::FlowCurve& FlowCurveView::curve() {
    if (stale_) {
        if (const auto* sizing = std::get_if<tarvek::SizingCopy>(&fields_))
            curve_ = tarvek::sizingCurve(sizing->texts());
        else
            curve_ = tarvek::flowCurve(std::get<tarvek::CalculatorTexts>(fields_).fields());
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
    if (event->type() == QEvent::PaletteChange) update();
}

void FlowCurveView::paintEvent(QPaintEvent* event) {
    const CurveColours colours = coloursFor(palette());
    {
        QPainter background(this);
        background.fillRect(rect(), colours.background);
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setFont(textFont());
    paintCurve(painter, layout());
}

void FlowCurveView::paintCurve(QPainter& painter, const tarvek::CurveLayout& layout) const {
    using Role = tarvek::CurveLabel::Role;
    const CurveColours c = coloursFor(palette());
    const QRectF& plot = layout.plot;
    if (!plot.isEmpty()) {
        if (!layout.chokedArea.isEmpty()) {
            painter.fillRect(layout.chokedArea, c.chokedArea);
            painter.setPen(QPen(c.choked, 1, Qt::DashLine));
            painter.drawLine(QPointF(crisp(layout.chokedArea.right()), plot.top()),
                             QPointF(crisp(layout.chokedArea.right()), plot.bottom()));
        }
        painter.setPen(QPen(c.grid, 1));
        for (const double tick : layout.valueAxis.ticks)
            if (tick > layout.valueAxis.low)
                painter.drawLine(QPointF(plot.left(), crisp(layout.yAt(tick))),
                                 QPointF(plot.right(), crisp(layout.yAt(tick))));
        painter.setPen(QPen(c.axis, 1));
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
        painter.setPen(QPen(c.line, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPolygonF& line : layout.lines) painter.drawPolyline(line);
        if (layout.marker) {
            painter.setPen(QPen(c.background, 1.5));
            painter.setBrush(c.marker);
            painter.drawEllipse(*layout.marker, kMarkerRadius, kMarkerRadius);
        }
        if (pointed_) {
            const QPointF at(layout.xAt(pointed_->outlet), layout.yAt(pointed_->value));
            if (plot.contains(at)) {
                painter.setPen(QPen(c.line, 1.25));
                painter.setBrush(c.background);
                painter.drawEllipse(at, kMarkerRadius - 0.5, kMarkerRadius - 0.5);
            }
        }
        painter.restore();
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    for (const tarvek::CurveLabel& label : layout.labels) {
        const bool quiet = label.role == Role::Gap;
        painter.setPen(label.role == Role::Choked ? c.choked : quiet ? c.quietText : c.text);
        const Qt::Alignment alignment = label.role == Role::ValueTick   ? Qt::AlignRight | Qt::AlignVCenter
                                        : label.role == Role::AxisTitle ? Qt::AlignLeft | Qt::AlignVCenter
                                                                        : Qt::AlignCenter;
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
                           tarvek::qstr(tarvek::curvePointText(curve_, *point)), this);
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
