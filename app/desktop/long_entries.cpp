#include "app/desktop/long_entries.h"

#include <QComboBox>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace tarvek {
namespace {

// The desktop's style, but a closed list's text that does not fit ends in an ellipsis.
class ElidingListStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || !list || list->editable)
            return QProxyStyle::drawControl(element, option, painter, widget);
        QRect field = proxy()->subControlRect(CC_ComboBox, list, SC_ComboBoxEditField, widget);
        if (!list->currentIcon.isNull()) field.setLeft(field.left() + list->iconSize.width() + 4);
        QStyleOptionComboBox elided = *list;
        // The styles keep a pixel free on either side of the text.
        elided.currentText =
            list->fontMetrics.elidedText(list->currentText, Qt::ElideRight, field.width() - 2);
        QProxyStyle::drawControl(element, &elided, painter, widget);
    }
};

}  // namespace

void showLongEntries(QWidget& window) {
    auto* style = new ElidingListStyle;
    style->setParent(&window);
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        list->setStyle(style);
        QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setToolTip);
    }
}

}  // namespace tarvek
