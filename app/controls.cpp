#include "app/controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QAbstractItemView>
#include <QLabel>

namespace tarvek {

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() == bold) return;
    font.setBold(bold);
    widget->setFont(font);
}

void activate(QLabel* caption, QWidget* list) {
    caption->setEnabled(true);
    setBold(caption, true);
    list->setEnabled(true);
}

void deactivate(QLabel* caption) {
    caption->setEnabled(false);
    setBold(caption, false);
}

void activateFrame(QGroupBox* frame) {
    frame->setEnabled(true);
    setBold(frame, true);
}

void deactivateFrame(QGroupBox* frame) {
    frame->setEnabled(false);
    setBold(frame, false);
}

void emptyList(QComboBox* list) {
    list->setEnabled(false);
    list->clear();
}

void addEntry(QComboBox* list, std::string_view entry) {
    list->addItem(qstr(entry));
    finishFilling(list);
}

void finishFilling(QComboBox* list) {
    list->setCurrentIndex(-1);
    // The opened list is as wide as its longest entry, even where the closed box is narrower.
    QAbstractItemView* view = list->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + 24);
}

std::string chosenText(const QComboBox* list) {
    return list->currentIndex() < 0 ? std::string() : stdstr(list->currentText());
}

}  // namespace tarvek
