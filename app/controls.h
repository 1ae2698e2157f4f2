// Small operations on the window's controls that every page shares.
#pragma once

#include <QString>
#include <QWidget>
#include <span>
#include <string>
#include <string_view>

class QComboBox;

namespace tarvek {

inline QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline std::string stdstr(const QString& text) { return text.toStdString(); }

void setBold(QWidget* widget, bool bold);

// A list's caption label, or an option frame, is active when it is enabled and bold, and
// inactive when it is neither.
void setActive(QWidget* captionOrFrame, bool active);

// Shows or hides a control, leaving one that already is as it was.
void setShown(QWidget* widget, bool shown);

// Replaces a list's entries, leaving no entry chosen: a list filled from code shows no
// choice until the user makes one.
void fillList(QComboBox* list, std::span<const std::string_view> entries);

// The text of the chosen entry ("" when none is chosen).
std::string chosenText(const QComboBox* list);

// A control of the form by its object name. A name missing from the form is a mistake in a
// table of names or in the form: the program stops at once, naming it.
template <typename T>
T* formControl(const QWidget& page, const char* name) {
    T* control = page.findChild<T*>(QLatin1String(name));
    if (!control) qFatal("The form has no control %s", name);
    return control;
}

}  // namespace tarvek
