#include "app/desktop/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/desktop/window_placement.h"

namespace tarvek {
namespace {

// Smaller than this a window holds too little of the form to work in; the user may still
// make it so, never the fit.
constexpr QSize kSmallestUseful(320, 240);

class ScreenFit : public QObject {
  public:
    ScreenFit(QWidget& window, QPoint offset, QSize widestForm)
        : QObject(&window),
          window_(window),
          offset_(offset),
          widestForm_(widestForm.expandedTo(window.size())) {
        formSize_ = window.size();
        fit();
        place();
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        if (event->type() == QEvent::Show) followScreen();
        // The frame is known once the window is shown, or once a window manager has framed it.
        if ((event->type() == QEvent::Show || event->type() == QEvent::Move) && frame() != fittedFrame_) {
            fit();
            place();
        }
        return false;
    }

    void setFormSize(QSize size, bool growable) {
        if (size == formSize_ && growable == growable_) return;
        formSize_ = size;
        growable_ = growable;
        if (form_) form_->setFixedSize(size);
        fit();
    }

  private:
    // Only when the form first does not fit: on a screen that holds it the window stays the
    // form itself, as fast to start as it ever was.
    void wrapForm() {
        auto* form = new QWidget;
        form_ = form;
        form->setObjectName(QStringLiteral("formArea"));
        form->setAccessibleName(QStringLiteral("Catalogue form"));
        form->setFixedSize(formSize_);
        for (QWidget* child : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;  // the windows beside the form (the quote, the search) stay windows
            const QRect where = child->geometry();
            const bool shown = !child->isHidden();
            child->setParent(form);  // which hides it
            child->setGeometry(where);
            child->setVisible(shown);
        }
        scrollArea_ = new QScrollArea;
        scrollArea_->setObjectName(QStringLiteral("formScroller"));
        scrollArea_->setAccessibleName(QStringLiteral("Catalogue form, scrolled to fit the screen"));
        scrollArea_->setFrameShape(QFrame::NoFrame);
        scrollArea_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, and scrolls to each
        scrollArea_->setWidget(form);
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scrollArea_);
        scrollArea_->show();  // at once, in a window already shown too
    }

    QMargins frame() const {
        return window_.windowHandle() ? window_.windowHandle()->frameMargins() : QMargins();
    }
    QRect availableArea() const { return window_.screen() ? window_.screen()->availableGeometry() : QRect(); }

    // The form's own size when it fits; otherwise as much of the form, and the scroll bars
    // it then needs, as the area holds.
    void fit() {
        fittedFrame_ = frame();
        const QRect area = availableArea();
        const QSize room = area.isValid() ? area.size().shrunkBy(fittedFrame_) : formSize_;
        bool across = formSize_.width() > room.width(), down = formSize_.height() > room.height();
        // Where the widest page would not fit, the form scrolls from the start: a window that
        // turned into a scroll area only when that page is chosen would lose its place.
        if (!scrollArea_ && (widestForm_.width() > room.width() || widestForm_.height() > room.height()))
            wrapForm();
        if (!across && !down) {
            if (growable_ && !scrollArea_) {
                // A form that grows with the window: as large as the user makes it, never smaller.
                window_.setMinimumSize(formSize_);
                window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                window_.resize(window_.size().expandedTo(formSize_));
            } else {
                window_.setFixedSize(formSize_);
            }
            return;
        }
        if (!scrollArea_) wrapForm();
        const int bar = scrollArea_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
        down = down || formSize_.height() + bar > room.height();    // a bar across takes height
        across = across || formSize_.width() + bar > room.width();  // and a bar down takes width
        const QSize whole = formSize_ + QSize(down ? bar : 0, across ? bar : 0);
        const QSize size = whole.boundedTo(room);
        window_.setMinimumSize(kSmallestUseful.boundedTo(size));
        window_.setMaximumSize(whole);
        window_.resize(size);
    }

    void place() {
        const QRect area = availableArea();
        if (!area.isValid()) return;
        window_.move(placedWithin(area, window_.size().grownBy(fittedFrame_), area.topLeft() + offset_));
    }

    // Another screen, or another area on this one (a panel added, a new scale), fits the
    // window again; where the user put it stays.
    void followScreen() {
        QWindow* handle = window_.windowHandle();
        if (!handle || followed_ == handle) return;
        followed_ = handle;
        connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
            watchArea(screen);
            fitLater();
        });
        watchArea(handle->screen());
    }

    void watchArea(QScreen* screen) {
        disconnect(areaWatch_);
        if (screen)
            areaWatch_ = connect(screen, &QScreen::availableGeometryChanged, this, [this] { fitLater(); });
    }

    // Once the move that brought the change is done, which would otherwise undo the new size.
    void fitLater() {
        QMetaObject::invokeMethod(
            this, [this] { fit(); }, Qt::QueuedConnection);
    }

    QWidget& window_;
    const QPoint offset_;
    const QSize widestForm_;
    QSize formSize_;
    bool growable_ = false;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* form_ = nullptr;  // the form inside the scroll area
    QMargins fittedFrame_;
    QWindow* followed_ = nullptr;
    QMetaObject::Connection areaWatch_;
};

}  // namespace

void fitToScreen(QWidget& window, QPoint offset, QSize widestForm) {
    new ScreenFit(window, offset, widestForm);
}

void refitToScreen(QWidget& window, QSize formSize, bool growable) {
    for (QObject* child : window.children())
        if (auto* fit = dynamic_cast<ScreenFit*>(child)) fit->setFormSize(formSize, growable);
}

}  // namespace tarvek
