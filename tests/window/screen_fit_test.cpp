// The window on the screen it starts on, whatever the screen's size and scale: inside the
// screen's available area, every control reachable by scrolling the form, and the value
// boxes with all four sides of their border. ctest runs it once more on small virtual
// screens (1024 x 600 and 1366 x 768) at 100, 125, 150 and 200 %.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/quote/quotation_table_model.h"
#include "tests/window/quote_page_driver.h"
#include "tests/window/within_reach.h"

namespace {

using tarvek::QuotationTableModel;
using tarvek::testing::OwnSettings;
using tarvek::testing::QuotePageDriver;

// When run for a named virtual screen, the screen Qt was given ("screen-1366x768@1.25").
void expectTheScreenAsked(const QScreen& screen) {
    const QString asked = qEnvironmentVariable("TARVEK_TEST_SCREEN");
    if (asked.isEmpty()) return;
    EXPECT_EQ(asked, QStringLiteral("%1@%2").arg(screen.name()).arg(screen.devicePixelRatio()));
}

bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const PictureBox*>(w) || qobject_cast<const QTabBar*>(w);
}

// A border side is there when, across the middle of the box, a device pixel near that
// edge is clearly darker than both the box's inside and the page around it.
struct Sides {
    bool left = false, top = false, right = false, bottom = false;
};

Sides borderSides(const QImage& page, const QRectF& box) {
    const auto grey = [&](int x, int y) { return qGray(page.pixel(x, y)); };
    const int left = int(std::floor(box.left())), right = int(std::ceil(box.right())) - 1;
    const int top = int(std::floor(box.top())), bottom = int(std::ceil(box.bottom())) - 1;
    const int midX = int(box.center().x()), midY = int(box.center().y());
    const int inside = grey(midX, midY);
    const auto line = [&](int x, int y, int outsideX, int outsideY) {
        return grey(x, y) < std::min(inside, grey(outsideX, outsideY)) - 24;
    };
    Sides sides;
    for (int d = 0; d <= 1; ++d) {
        sides.left = sides.left || line(left + d, midY, left - 2, midY);
        sides.right = sides.right || line(right - d, midY, right + 2, midY);
        sides.top = sides.top || line(midX, top + d, midX, top - 2);
        sides.bottom = sides.bottom || line(midX, bottom - d, midX, bottom + 2);
    }
    return sides;
}

// The window inside the screen's available area; a form that does not fit scrolls, one
// that fits is shown whole; every control can be scrolled into view; value boxes show all
// four sides of their border.
void expectUsableOn(WindowDriver& d, const QScreen& screen) {
    const QRect area = screen.availableGeometry();
    EXPECT_TRUE(area.contains(d.window.frameGeometry()))
        << "window " << d.window.frameGeometry().width() << "x" << d.window.frameGeometry().height() << " at "
        << d.window.x() << "," << d.window.y() << " on " << area.width() << "x" << area.height() << " at "
        << area.x() << "," << area.y();

    auto* tabs = d.get<QTabWidget>("SSTab1");
    auto* scroller = d.window.findChild<QScrollArea*>(QStringLiteral("formScroller"));
    QWidget* whole = tabs->parentWidget();  // the form, drawn as the window draws it
    const QSize form = whole->size();
    if (form.width() <= area.width() && form.height() <= area.height()) {
        EXPECT_EQ(d.window.size(), form);
    } else {
        ASSERT_NE(scroller, nullptr);
    }
    QWidget* viewport = scroller ? scroller->viewport() : &d.window;
    int reached = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QList<QWidget*> controls = tabs->widget(page)->findChildren<QWidget*>();
        controls.append(tabs->tabBar());
        for (QWidget* w : controls) {
            if (!isControl(w) || !w->isVisible() || w->objectName().startsWith("qt_")) continue;
            tarvek::testing::expectWithinReach(w, scroller, viewport);
            ++reached;
        }
    }
    EXPECT_GT(reached, 60);

    tabs->setCurrentIndex(0);
    const QImage drawn = whole->grab().toImage();
    const qreal scale = drawn.devicePixelRatio();
    for (const char* name : {"lblPrice", "lblNetPrice", "lblPartNumber"}) {
        QWidget* box = d.get(name);
        const QRectF inDevicePixels(QPointF(box->mapTo(whole, QPoint(0, 0))) * scale,
                                    QSizeF(box->size()) * scale);
        const Sides sides = borderSides(drawn, inDevicePixels);
        EXPECT_TRUE(sides.left && sides.top && sides.right && sides.bottom)
            << name << " at " << scale << ": left " << sides.left << ", top " << sides.top << ", right "
            << sides.right << ", bottom " << sides.bottom;
    }
}

TEST(ScreenFit, TheWholeWindowIsUsableOnTheScreenItStartsOn) {
    WindowDriver d;
    d.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    expectTheScreenAsked(*d.window.screen());
    expectUsableOn(d, *d.window.screen());
}

// Ctrl+F on a screen too small for the form: the field and its answer scroll into sight, from
// wherever the form was scrolled to, so the user never types blind.
TEST(ScreenFit, TheFindFieldAndItsAnswerComeIntoView) {
    WindowDriver d;
    ASSERT_TRUE(d.showActive());
    auto* scroller = d.window.findChild<QScrollArea*>(QStringLiteral("formScroller"));
    if (!scroller) GTEST_SKIP() << "the form fits this screen";
    const auto inView = [&](const char* name) {
        QWidget* w = d.get(name);
        const QRect seen =
            QRect(w->mapTo(scroller->viewport(), QPoint(0, 0)), w->size()) & scroller->viewport()->rect();
        return seen.size() == w->size().boundedTo(scroller->viewport()->size());
    };
    scroller->ensureWidgetVisible(d.get("lstProductType"), 0, 0);  // the top of the form
    d.list("lstProductType")->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_TRUE(inView("txtFindPartNumber"));
    QTest::keyClicks(QApplication::focusWidget(), "A310-MX2-2A");
    scroller->ensureWidgetVisible(d.get("lstProductType"), 0, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(inView("txtFindPartNumber"));
    EXPECT_TRUE(inView("lblFindResult"));
}

// Dragged from a large screen to a small one, the window fits the small one; and back.
TEST(ScreenFit, MovedToAnotherScreenItFitsThatOne) {
    QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "one screen only; ctest runs this on two virtual screens";
    std::sort(screens.begin(), screens.end(), [](const QScreen* a, const QScreen* b) {
        return a->availableGeometry().height() > b->availableGeometry().height();
    });
    WindowDriver d;
    d.window.move(screens.front()->availableGeometry().topLeft() + QPoint(40, 40));
    d.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    for (QScreen* screen : {screens.back(), screens.front()}) {
        d.window.move(screen->availableGeometry().topLeft());
        if (d.window.screen() != screen) d.window.windowHandle()->setScreen(screen);
        QApplication::processEvents();
        ASSERT_EQ(d.window.screen(), screen);
        expectUsableOn(d, *screen);
    }
}

}  // namespace

// The quote's window over the catalogue's, inside the screen's available area frame and all,
// with its totals and every control in view or a scroll away; where the screen has room,
// the part numbers show whole.
TEST(ScreenFit, TheQuoteWindowIsUsableOnTheScreen) {
    OwnSettings settings;
    QuotePageDriver d;
    d.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    const QString longest = QStringLiteral("J310-MX2-2A-MXFX-VS-BK-LS");
    d.page().addPastedText(QStringLiteral("A310-MX2-2A-MXFX-VS\n") + longest + QStringLiteral("\n"));
    d.showQuotePage();
    QWidget* quote = d.page().page();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(quote));
    const QRect area = quote->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(quote->frameGeometry()))
        << "quote window " << quote->frameGeometry().width() << "x" << quote->frameGeometry().height()
        << " at " << quote->x() << "," << quote->y() << " on " << area.width() << "x" << area.height();

    auto* scroller = quote->findChild<QScrollArea*>(QStringLiteral("quoteScroller"));
    ASSERT_NE(scroller, nullptr);
    int reached = 0;
    for (QWidget* w : quote->findChildren<QWidget*>()) {
        if (!isControl(w) || !w->isVisible() || w->objectName().isEmpty() ||
            w->objectName().startsWith("qt_"))
            continue;
        tarvek::testing::expectWithinReach(w, scroller, scroller->viewport());
        ++reached;
    }
    EXPECT_GT(reached, 20);
    // The totals line is never cut: its text fits the label it is in.
    auto* totals = d.get<QLabel>("lblQuoteTotals");
    EXPECT_GE(totals->width(), totals->fontMetrics().horizontalAdvance(totals->text()));

    auto* table = d.table();
    const int needed = table->fontMetrics().horizontalAdvance(longest);
    if (area.width() >= 1000) {
        EXPECT_GT(table->columnWidth(QuotationTableModel::PartNumber), needed);
    }
}
