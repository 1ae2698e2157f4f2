// The questions and file dialogs of the quote page, each through one replaceable function,
// so that tests answer them instead of a user (as they do with warnings).
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace tarvek {

using QuestionFunction = std::function<QMessageBox::StandardButton(
    QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)>;

// By default a modal question box with the buttons given.
QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton);
QuestionFunction replaceQuestionFunction(QuestionFunction function);

enum class FileDialog { Open, Save };
// The file chosen, or an empty text when the user cancelled.
using FileNameFunction = std::function<QString(QWidget* parent, FileDialog kind, const QString& caption,
                                               const QString& suggested, const QString& filter)>;

QString chooseFileName(QWidget* parent, FileDialog kind, const QString& caption, const QString& suggested,
                       const QString& filter);
FileNameFunction replaceFileNameFunction(FileNameFunction function);

}  // namespace tarvek
