// Small operations on the window's controls that every handler shares.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace tarvek {

inline QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline std::string stdstr(const QString& text) { return text.toStdString(); }

void setBold(QWidget* widget, bool bold);

// A list is active when its caption is enabled and bold and the list is enabled.
void activate(QLabel* caption, QWidget* list);
void deactivate(QLabel* caption);
// An option frame uses the same pair on itself.
void activateFrame(QGroupBox* frame);
void deactivateFrame(QGroupBox* frame);

// Disables a list, then removes all its entries.
void emptyList(QComboBox* list);

// Adds entries at the end, leaving no entry chosen: a list filled from code shows no
// choice until the user makes one.
template <typename Entries>
void addEntries(QComboBox* list, const Entries& entries);
void addEntry(QComboBox* list, std::string_view entry);
void finishFilling(QComboBox* list);

// The text of the chosen entry ("" when none is chosen).
std::string chosenText(const QComboBox* list);

}  // namespace tarvek

#include <QComboBox>

template <typename Entries>
void tarvek::addEntries(QComboBox* list, const Entries& entries) {
    for (const auto& entry : entries) list->addItem(qstr(entry));
    finishFilling(list);
}
