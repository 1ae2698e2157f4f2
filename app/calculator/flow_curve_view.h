// The flow curve beside the calculator: the flow (or the Cv needed) against the outlet
// pressure, drawn with QPainter from the calculator's own equation, with the choked area,
// the operating point and a tooltip at the pointer; an empty frame with one line of text
// while the calculator has no result.
#pragma once

#include <QFrame>
#include <optional>

#include "app/calculator/flow_curve_layout.h"
#include "flowcalc/flow_curve.h"

class FlowCurveView : public QFrame {
    Q_OBJECT
  public:
    explicit FlowCurveView(QWidget* parent = nullptr);

    void setCurve(tarvek::FlowCurve curve);
    const tarvek::FlowCurve& curve() const { return curve_; }
    // Where everything goes at the current size (worked out again only after a change).
    const tarvek::CurveLayout& layout() const;

    // The font of the axes' texts: smaller than the window's.
    QFont textFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void paintCurve(QPainter& painter, const tarvek::CurveLayout& layout) const;
    void forgetLayout();

    tarvek::FlowCurve curve_;
    mutable std::optional<tarvek::CurveLayout> layout_;
    std::optional<tarvek::CurvePoint> pointed_;  // the curve's point under the pointer
};
