#include "app/warning.h"

#include <QMessageBox>

namespace tarvek {
namespace {

void messageBox(QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox::warning(parent, title, prompt, QMessageBox::Ok);
}

WarningFunction& current() {
    static WarningFunction function = messageBox;
    return function;
}

}  // namespace

void showWarning(QWidget* parent, const QString& prompt, const QString& title) {
    current()(parent, prompt, title);
}

WarningFunction replaceWarningFunction(WarningFunction function) {
    return std::exchange(current(), function ? std::move(function) : WarningFunction(messageBox));
}

}  // namespace tarvek
