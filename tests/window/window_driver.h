// Drives the real window as a user does: choosing list entries, clicking, typing.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <variant>

#include "app/configurator/configurator_page.h"
#include "app/configurator/control_names.h"
#include "app/main_window.h"
#include "app/picture_box.h"

class WindowDriver {
  public:
    frmTarvekProducts window;

    template <typename T = QWidget>
    T* get(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QComboBox* list(const char* name) { return get<QComboBox>(name); }

    // Shown and active, as a user's window is, so that the keyboard focus can be used.
    [[nodiscard]] bool showActive() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    // Chooses an entry by its exact text, as a click in the opened list does.
    void choose(const char* listName, const std::string& entry) {
        QComboBox* combo = list(listName);
        const int index =
            combo->findText(QString::fromStdString(entry), Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << listName << " has no entry \"" << entry << '"';
        ASSERT_TRUE(combo->isEnabled()) << listName << " is disabled";
        chooseIndex(combo, index);
    }
    static void chooseIndex(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // A click; does nothing on a disabled control, as for a user.
    void click(const char* buttonName) { get<QAbstractButton>(buttonName)->click(); }

    // The control the configurator calls `control`: a list's entry, or an option's click.
    void use(std::variant<tarvek::List, tarvek::Option> control, const std::string& entry = {}) {
        if (const auto* list = std::get_if<tarvek::List>(&control))
            choose(tarvek::form::kLists[std::size_t(*list)], entry);
        else
            click(tarvek::form::kOptions[std::size_t(std::get<tarvek::Option>(control))]);
    }

    void type(const char* boxName, const QString& keys) { QTest::keyClicks(get<QLineEdit>(boxName), keys); }
    void setText(const char* boxName, const QString& text) { get<QLineEdit>(boxName)->setText(text); }

    std::string text(const char* name) {
        QWidget* w = get(name);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
        ADD_FAILURE() << name << " has no text";
        return {};
    }

    // Shown on its page (the page itself may be in the background).
    bool shown(const char* name) { return !get(name)->isHidden(); }

    std::vector<std::string> entries(const char* listName) {
        std::vector<std::string> result;
        QComboBox* combo = list(listName);
        for (int i = 0; i < combo->count(); ++i) result.push_back(combo->itemText(i).toStdString());
        return result;
    }

    PictureBox* picture() { return get<PictureBox>("imgPicture"); }
    const tarvek::ConfigurationRecord& record() { return window.configurator().record(); }
    // What the form's hidden label of the configuration record would read ("lblPriceBody").
    std::string recordLabel(const char* name) {
        const auto text = tarvek::form::recordLabelText(record(), name);
        EXPECT_TRUE(text.has_value()) << name << " is no label of the record";
        return text.value_or("");
    }
};
