#include "app/desktop/visible_indicators.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleOption>
#include <cmath>

namespace tarvek {
namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window colour moved towards the text colour just far enough for 3.2 to 1: an outline
// that stands out without shouting (the desktop style's own, darker than the window, nearly
// vanishes on a dark one).
QColor outlineColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    for (double t = 0.4; t < 1.0; t += 0.05) {
        const QColor mixed = QColor::fromRgbF(float(window.redF() + (text.redF() - window.redF()) * t),
                                              float(window.greenF() + (text.greenF() - window.greenF()) * t),
                                              float(window.blueF() + (text.blueF() - window.blueF()) * t));
        if (contrast(mixed, window) >= 3.2) return mixed;
    }
    return text;
}

class IndicatorStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool radio = element == PE_IndicatorRadioButton;
        if (!radio && element != PE_IndicatorCheckBox) return;
        if (!(option->state & State_Enabled)) return;  // a control that does not answer keeps the quiet look
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, radio);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(outlineColour(option->palette), 1));
        const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (radio)
            painter->drawEllipse(box);
        else
            painter->drawRect(box);
        painter->restore();
    }
};

}  // namespace

void showIndicatorOutlines(QWidget& window) {
    auto* style = new IndicatorStyle;
    style->setParent(&window);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button)) button->setStyle(style);
}

}  // namespace tarvek
