#include "app/desktop/visible_focus.h"

#include <QEvent>
#include <QWidget>

namespace tarvek {
namespace {

class FocusShower : public QObject {
  public:
    explicit FocusShower(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent())
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

}  // namespace

void showFocusFromStart(QWidget* control) {
    control->setFocus();
    new FocusShower(control->window());
}

}  // namespace tarvek
