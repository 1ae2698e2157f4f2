// Whether a user can reach a control: scrolled into view where the window scrolls, it is seen
// whole, or as much of it as the view holds where the control is larger.
#pragma once

#include <gtest/gtest.h>

#include <QRect>
#include <QScrollArea>
#include <QWidget>

namespace tarvek::testing {

inline void expectWithinReach(QWidget* control, QScrollArea* scroller, QWidget* view) {
    if (scroller) scroller->ensureWidgetVisible(control, 0, 0);
    const QRect seen = QRect(control->mapTo(view, QPoint(0, 0)), control->size()) & view->rect();
    EXPECT_EQ(seen.size(), control->size().boundedTo(view->size()))
        << control->objectName().toStdString() << " out of reach";
}

}  // namespace tarvek::testing
