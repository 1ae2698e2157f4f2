#include "app/desktop/page_widths.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "app/desktop/screen_fit.h"

namespace tarvek {
namespace {

// Set on a page that holds a control growing with it.
constexpr const char* kGrowsWithWindow = "growsWithWindow";

// The right edge of a page's controls, as the form places them.
int contentRight(const QWidget& page) {
    int right = 0;
    for (const QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, child->geometry().right());
    return right;
}

class PageWidths : public QObject {
  public:
    PageWidths(QWidget& window, QTabWidget& tabs)
        : QObject(&tabs),
          window_(window),
          tabs_(tabs),
          formSize_(tabs.parentWidget()->size()),
          tabsSize_(tabs.size()) {
        // The first page fills the form as drawn; a page reaching further right widens it by as much.
        const int drawn = tabs.count() > 0 ? contentRight(*tabs.widget(0)) : 0;
        for (int i = 0; i < tabs.count(); ++i)
            extra_.push_back(std::max(0, contentRight(*tabs.widget(i)) - drawn));
        connect(&tabs, &QTabWidget::currentChanged, this, [this](int page) { show(page); });
        giveEveryPageItsSize();
        show(tabs.currentIndex());
        window.installEventFilter(this);
    }

    // A window made larger on a page that grows: the tab widget fills it, as it fills the form.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Resize && growing() &&
            tabs_.parentWidget() == &window_)
            tabs_.resize(window_.size() - (formSize_ - tabsSize_));
        return false;
    }

    QSize widestForm() const {
        return formSize_ + QSize(extra_.empty() ? 0 : *std::max_element(extra_.begin(), extra_.end()), 0);
    }

  private:
    // A page that was never shown has no size of its own yet (a tab widget lays out its pages
    // only once shown): every page gets the size the tab widget's style gives its pages, and
    // the width its controls need.
    void giveEveryPageItsSize() {
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(&tabs_);
        frame.shape = tabs_.tabBar()->shape();
        frame.tabBarSize = tabs_.tabBar()->sizeHint();
        frame.lineWidth = tabs_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &tabs_);
        const QSize pageSize =
            tabs_.style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, &tabs_).size();
        for (int i = 0; i < tabs_.count(); ++i)
            tabs_.widget(i)->resize(pageSize + QSize(extra_[std::size_t(i)], 0));
    }

    bool growing() const {
        return tabs_.currentWidget() && tabs_.currentWidget()->property(kGrowsWithWindow).toBool();
    }

    void show(int page) {
        const int extra = page >= 0 && std::size_t(page) < extra_.size() ? extra_[std::size_t(page)] : 0;
        tabs_.resize(tabsSize_ + QSize(extra, 0));
        refitToScreen(window_, formSize_ + QSize(extra, 0), growing());
    }

    QWidget& window_;
    QTabWidget& tabs_;
    const QSize formSize_, tabsSize_;
    std::vector<int> extra_;
};

// Keeps a control's distances to its page's right and bottom edges as they were drawn.
class GrowsWithPage : public QObject {
  public:
    GrowsWithPage(QWidget& control, QWidget& page)
        : QObject(&control),
          control_(control),
          drawn_(control.geometry()),
          margins_(page.width() - drawn_.right(), page.height() - drawn_.bottom()) {
        page.setProperty(kGrowsWithWindow, true);
        page.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Resize) return false;
        const QSize page = static_cast<QWidget*>(watched)->size();
        const QSize grown(page.width() - margins_.width() - drawn_.left() + 1,
                          page.height() - margins_.height() - drawn_.top() + 1);
        control_.resize(grown.expandedTo(drawn_.size()));
        return false;
    }

  private:
    QWidget& control_;
    const QRect drawn_;
    const QSize margins_;
};

}  // namespace

void growWithPage(QWidget& control) {
    if (QWidget* page = control.parentWidget()) new GrowsWithPage(control, *page);
}

QSize followPageWidths(QWidget& window, QTabWidget& tabs) {
    return (new PageWidths(window, tabs))->widestForm();
}

}  // namespace tarvek
