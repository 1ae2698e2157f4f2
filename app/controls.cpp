#include "app/controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWidget>

namespace tarvek {

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() == bold) return;
    font.setBold(bold);
    widget->setFont(font);
}

void setActive(QWidget* captionOrFrame, bool active) {
    captionOrFrame->setEnabled(active);
    setBold(captionOrFrame, active);
}

void setShown(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown) widget->setVisible(shown);
}

void fillList(QComboBox* list, std::span<const std::string_view> entries) {
    list->clear();
    for (const std::string_view entry : entries) list->addItem(qstr(entry));
    list->setCurrentIndex(-1);
    // The opened list is as wide as its longest entry, even where the closed box is narrower.
    QAbstractItemView* view = list->view();
    view->setMinimumWidth(entries.empty() ? 0 : view->sizeHintForColumn(0) + 2 * view->frameWidth() + 24);
}

std::string chosenText(const QComboBox* list) {
    return list->currentIndex() < 0 ? std::string() : stdstr(list->currentText());
}

}  // namespace tarvek
