#include "app/document_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int kMargin = 6;
}

DocumentButton::DocumentButton(QWidget* parent) : QToolButton(parent) {}

void DocumentButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();  // the style draws the bevel only; picture and caption are laid out here
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QRect inner = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QRect iconArea(inner.left(), inner.top(), inner.width(), icon().isNull() ? 0 : iconSize().height());
    if (!icon().isNull())
        icon().paint(&painter, iconArea, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect captionArea = icon().isNull() ? inner : inner.adjusted(0, iconArea.height() + 4, 0, 0);
    const int alignment = Qt::AlignHCenter | Qt::TextWordWrap | (icon().isNull() ? Qt::AlignVCenter : Qt::AlignTop);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionArea, alignment, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
