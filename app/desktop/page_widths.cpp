#include "app/desktop/page_widths.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "app/desktop/screen_fit.h"

namespace tarvek {
namespace {

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

    void show(int page) {
        const int extra = page >= 0 && std::size_t(page) < extra_.size() ? extra_[std::size_t(page)] : 0;
        tabs_.resize(tabsSize_ + QSize(extra, 0));
        refitToScreen(window_, formSize_ + QSize(extra, 0));
    }

    QWidget& window_;
    QTabWidget& tabs_;
    const QSize formSize_, tabsSize_;
    std::vector<int> extra_;
};

}  // namespace

QSize followPageWidths(QWidget& window, QTabWidget& tabs) {
    return (new PageWidths(window, tabs))->widestForm();
}

}  // namespace tarvek
