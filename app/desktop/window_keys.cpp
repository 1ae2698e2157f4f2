#include "app/desktop/window_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace tarvek {
namespace {

constexpr QKeySequence::StandardKey kEditingKeys[] = {
    QKeySequence::Undo,  QKeySequence::Redo,   QKeySequence::Cut,       QKeySequence::Copy,
    QKeySequence::Paste, QKeySequence::Delete, QKeySequence::SelectAll,
};

// Watches each widget of the window that takes the focus (cell editors come and go).
class ActionKeys : public QObject {
  public:
    explicit ActionKeys(QWidget& window) : QObject(&window), window_(window) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now->window() == &window_)
                now->installEventFilter(this);  // once: Qt keeps one per object
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (std::any_of(std::begin(kEditingKeys), std::end(kEditingKeys),
                        [key](QKeySequence::StandardKey editing) { return key->matches(editing); }))
            return false;
        const QKeySequence pressed(key->keyCombination());
        const QList<QAction*> actions = window_.actions();
        // Kept from the box, the key goes on to the window's shortcut.
        return std::any_of(actions.begin(), actions.end(), [&](const QAction* a) {
            return a->isEnabled() && a->shortcuts().contains(pressed);
        });
    }

  private:
    QWidget& window_;
};

}  // namespace

void giveActionKeysToWindow(QWidget& window) { new ActionKeys(window); }

}  // namespace tarvek
