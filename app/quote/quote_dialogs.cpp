#include "app/quote/quote_dialogs.h"

#include <QFileDialog>
#include <utility>

namespace tarvek {
namespace {

QMessageBox::StandardButton questionBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString fileDialog(QWidget* parent, FileDialog kind, const QString& caption, const QString& suggested,
                   const QString& filter) {
    return kind == FileDialog::Open ? QFileDialog::getOpenFileName(parent, caption, suggested, filter)
                                    : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QuestionFunction& question() {
    static QuestionFunction function = questionBox;
    return function;
}

FileNameFunction& fileName() {
    static FileNameFunction function = fileDialog;
    return function;
}

}  // namespace

QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    return question()(parent, title, text, buttons, defaultButton);
}

QuestionFunction replaceQuestionFunction(QuestionFunction function) {
    return std::exchange(question(), function ? std::move(function) : QuestionFunction(questionBox));
}

QString chooseFileName(QWidget* parent, FileDialog kind, const QString& caption, const QString& suggested,
                       const QString& filter) {
    return fileName()(parent, kind, caption, suggested, filter);
}

FileNameFunction replaceFileNameFunction(FileNameFunction function) {
    return std::exchange(fileName(), function ? std::move(function) : FileNameFunction(fileDialog));
}

}  // namespace tarvek
