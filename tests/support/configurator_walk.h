// The walk over every configuration, driving the real window: used by the walk test (which
// checks invariants after each click and compares the window with the model) and by the
// click benchmark.
#pragma once

#include <QAbstractButton>
#include <QComboBox>

#include "app/configurator/control_names.h"
#include "app/main_window.h"
#include "tests/support/cascade_walk.h"

namespace tarvek::testing {

// The object name of the control a click of the walk used.
inline std::string controlOf(const Click& click) {
    return click.onList ? form::kLists[std::size_t(click.list)] : form::kOptions[std::size_t(click.option)];
}

// The window's controls found once by their object names, chosen and clicked as a user does.
struct WindowControls {
    explicit WindowControls(frmTarvekProducts* window) : window(window) {
        for (std::size_t i = 0; i < kListCount; ++i)
            lists[i] = window->findChild<QComboBox*>(QString::fromLatin1(form::kLists[i]));
        for (std::size_t i = 0; i < kOptionCount; ++i)
            buttons[i] = window->findChild<QAbstractButton*>(QString::fromLatin1(form::kOptions[i]));
    }
    frmTarvekProducts* window;
    std::array<QComboBox*, kListCount> lists;
    std::array<QAbstractButton*, kOptionCount> buttons;

    QComboBox* list(List l) const { return lists[std::size_t(l)]; }
    QAbstractButton* button(Option o) const { return buttons[std::size_t(o)]; }
    int count(List l) const { return list(l)->count(); }
    bool enabled(List l) const { return list(l)->isEnabled(); }
    std::string entry(List l, int i) const { return list(l)->itemText(i).toStdString(); }
    std::string chosen(List l) const { return list(l)->currentText().toStdString(); }
    void choose(List l, int i) {
        QComboBox* combo = list(l);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    bool answers(Option o) const { return button(o)->isEnabledTo(window); }
    void click(Option o) { button(o)->click(); }
};

class ConfiguratorWalk : public CascadeWalk<WindowControls> {
  public:
    explicit ConfiguratorWalk(frmTarvekProducts& window) : CascadeWalk(WindowControls(&window)) {}
};

}  // namespace tarvek::testing
