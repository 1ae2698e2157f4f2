// The window's one way of warning the user: a modal message box with a warning icon and
// one OK button. Tests replace it to record warnings instead of blocking.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvek {

using WarningFunction = std::function<void(QWidget* parent, const QString& prompt, const QString& title)>;

void showWarning(QWidget* parent, const QString& prompt, const QString& title);

// Installs another warning function and returns the one it replaces.
WarningFunction replaceWarningFunction(WarningFunction function);

}  // namespace tarvek
