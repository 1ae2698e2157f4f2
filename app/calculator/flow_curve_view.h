// The flow curve beside the calculator: the flow (or the Cv needed) against the outlet
// pressure, drawn with QPainter from the calculator's own equation, with the choked area,
// the operating point and a tooltip at the pointer; an empty frame with one line of text
// while the calculator has no result.
#pragma once

#include <QFrame>
#include <optional>
#include <variant>

#include "app/calculator/calculator_fields.h"
#include "app/calculator/flow_curve_layout.h"
#include "rules/calculator/flow_curve.h"

class FlowCurveView : public QFrame {
    Q_OBJECT
  public:
    explicit FlowCurveView(QWidget* parent = nullptr);

    // The calculator's fields to draw the curve for. The curve is worked out at once while
    // the view is visible, and otherwise when it is next shown or asked for: typing on
    // another page costs nothing.
    void setFields(tarvek::CalculatorTexts fields);
    // The same for the sizing by the standard: its curve, in its units.
    void setSizingFields(tarvek::SizingCopy fields);
    const tarvek::FlowCurve& curve();
    // Where everything goes at the current size (worked out again only after a change).
    const tarvek::CurveLayout& layout();

    // The font of the axes' texts: smaller than the window's.
    QFont textFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void paintCurve(QPainter& painter, const tarvek::CurveLayout& layout) const;
    void forgetLayout();

    void fieldsChanged();

    std::variant<tarvek::CalculatorTexts, tarvek::SizingCopy> fields_;
    bool stale_ = true;  // the curve is not yet worked out for fields_
    tarvek::FlowCurve curve_;
    std::optional<tarvek::CurveLayout> layout_;
    std::optional<tarvek::CurvePoint> pointed_;  // the curve's point under the pointer
};
