// The quote page driven as a user drives it, with every question, file dialog and warning
// answered by the test, and the program's settings in a folder of the test's own.
#pragma once

#include <QAbstractItemModel>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <deque>

#include "app/quote/quote_dialogs.h"
#include "app/quote/quote_page.h"
#include "app/warning.h"
#include "tests/window/window_driver.h"

namespace tarvek::testing {

// Answers and records the questions, file names and warnings of the page.
struct ScriptedUser {
    std::deque<QMessageBox::StandardButton> answers;  // the next questions' answers; Cancel when none
    std::deque<QString> fileNames;                    // the next dialogs' choices; none: cancelled
    QStringList questions, warnings;
    QStringList suggested;  // where each file dialog started
    QuestionFunction previousQuestion;
    FileNameFunction previousFileName;
    WarningFunction previousWarning;

    ScriptedUser() {
        previousQuestion =
            replaceQuestionFunction([this](QWidget*, const QString&, const QString& text,
                                           QMessageBox::StandardButtons, QMessageBox::StandardButton) {
                questions << text;
                if (answers.empty()) return QMessageBox::Cancel;
                const QMessageBox::StandardButton answer = answers.front();
                answers.pop_front();
                return answer;
            });
        previousFileName = replaceFileNameFunction(
            [this](QWidget*, FileDialog, const QString&, const QString& start, const QString&) {
                suggested << start;
                if (fileNames.empty()) return QString();
                const QString name = fileNames.front();
                fileNames.pop_front();
                return name;
            });
        previousWarning = replaceWarningFunction(
            [this](QWidget*, const QString& prompt, const QString&) { warnings << prompt; });
    }
    ~ScriptedUser() {
        replaceQuestionFunction(previousQuestion);
        replaceFileNameFunction(previousFileName);
        replaceWarningFunction(previousWarning);
    }
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;
};

// The program's settings in a folder of the test's own, for as long as it lives.
struct OwnSettings {
    QTemporaryDir folder;
    OwnSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path()); }
    ~OwnSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
};

struct QuotePageDriver : WindowDriver {
    QuotePage& page() { return window.quotePage(); }
    QTableView* table() { return get<QTableView>("quoteLines"); }
    QAbstractItemModel* lines() { return table()->model(); }
    int rows() { return lines()->rowCount(); }
    std::string cell(int row, int column) {
        return lines()->index(row, column).data().toString().toStdString();
    }
    // The quote's own window, shown, laid out as the user sees it.
    void showQuotePage() {
        page().showPage();
        QCoreApplication::processEvents();
    }
    // A key with modifiers where the focus is, as a user presses it.
    void press(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        focus->setFocus();
        QTest::keyClick(focus, key, modifiers);
    }
};

// A quote page with the user scripted, its own settings and a folder for its files.
class QuotePageTestBase : public ::testing::Test {
  protected:
    OwnSettings settings;
    ScriptedUser user;
    QuotePageDriver d;
    QTemporaryDir folder;

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString file(const char* name) { return folder.filePath(QString::fromLatin1(name)); }
};

}  // namespace tarvek::testing
