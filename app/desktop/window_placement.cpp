#include "app/desktop/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tarvek {
namespace {

QMargins frameOf(const QWidget& window) {
    return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}

// Places the window once now, and again when a window manager's frame first changes its size.
class Placement : public QObject {
  public:
    Placement(QWidget& window, const QWidget& over, QPoint offset)
        : QObject(&window), window_(window), wanted_(over.frameGeometry().topLeft() + offset) {
        if (QScreen* screen = over.screen()) area_ = screen->availableGeometry();
        place();
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move) &&
            frameOf(window_) != placedFrame_)
            place();
        return false;
    }

  private:
    void place() {
        placedFrame_ = frameOf(window_);
        if (!area_.isValid()) return;
        window_.resize(window_.size().boundedTo(area_.size().shrunkBy(placedFrame_)));
        window_.move(placedWithin(area_, window_.size().grownBy(placedFrame_), wanted_));
    }

    QWidget& window_;
    const QPoint wanted_;
    QRect area_;
    QMargins placedFrame_;
};

}  // namespace

QPoint placedWithin(const QRect& area, QSize outer, QPoint wanted) {
    return {std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
            std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()))};
}

bool widenWithinScreen(QWidget& window, int by) {
    if (!window.screen()) return false;
    const QRect area = window.screen()->availableGeometry();
    const QMargins frame = frameOf(window);
    const int width = std::min(window.width() + by, area.width() - frame.left() - frame.right());
    if (width <= window.width()) return false;
    window.resize(width, window.height());
    window.move(placedWithin(area, window.size().grownBy(frame), window.frameGeometry().topLeft()));
    return true;
}

void placeOver(QWidget& window, const QWidget& over, QPoint offset) {
    // One placement per window: a later one (the window shown again) replaces it.
    for (QObject* child : window.children())
        if (auto* earlier = dynamic_cast<Placement*>(child)) delete earlier;
    new Placement(window, over, offset);
}

}  // namespace tarvek
