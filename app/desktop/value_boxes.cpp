#include "app/desktop/value_boxes.h"

#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace tarvek {
namespace {

// The desktop's style for everything but the panel's border, which it draws one device
// pixel wide on the pixels the box covers: at 125 % a border of one logical pixel falls
// between device pixels, and a side would be lost to rounding.
class ValueBoxStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_Frame) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        const QTransform toDevice = painter->deviceTransform();
        const QRectF box = toDevice.mapRect(QRectF(option->rect));
        const QRect pixels(QPoint(qRound(box.left()), qRound(box.top())),
                           QPoint(qRound(box.right()) - 1, qRound(box.bottom()) - 1));
        // The colour of the desktop style's own panel border (Fusion's), from the window colour.
        const QColor border = option->palette.color(QPalette::Window).darker(140).lighter(108);
        painter->save();
        // From here on one unit is one device pixel.
        painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());
        painter->fillRect(QRect(pixels.left(), pixels.top(), pixels.width(), 1), border);
        painter->fillRect(QRect(pixels.left(), pixels.bottom(), pixels.width(), 1), border);
        painter->fillRect(QRect(pixels.left(), pixels.top(), 1, pixels.height()), border);
        painter->fillRect(QRect(pixels.right(), pixels.top(), 1, pixels.height()), border);
        painter->restore();
    }
};

bool isValueBox(const QLabel& label) {
    return label.autoFillBackground() && label.frameShape() == QFrame::StyledPanel &&
           label.frameShadow() == QFrame::Sunken;
}

}  // namespace

void showValueBoxes(QWidget& window) {
    auto* style = new ValueBoxStyle;
    style->setParent(&window);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!isValueBox(*label)) continue;
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
        label->setStyle(style);
    }
}

}  // namespace tarvek
