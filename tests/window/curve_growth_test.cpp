// The flow curve grows with the window: on a screen that holds the whole technical page the
// window may be made larger while that page is shown, and the curve takes the room; every
// other page keeps the size it was drawn at. ctest runs this on the small virtual screens too,
// where the form scrolls and nothing grows.
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

#include "app/calculator/flow_curve_view.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

TEST(ScreenFit, TheFlowCurveGrowsWithTheWindowOnTheTechnicalPage) {
    WindowDriver d;
    d.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    auto* tabs = d.get<QTabWidget>("SSTab1");
    auto* curve = d.get<FlowCurveView>("flowCurve");
    d.setText("txtInletPressure", "100");
    d.setText("txtOutletPressure", "60");
    d.choose("lstGasName", "Air");
    const QSize drawn = d.window.size(), curveDrawn = curve->size();
    tabs->setCurrentIndex(2);
    QApplication::processEvents();
    const QSize technical = d.window.size();
    const QRect area = d.window.screen()->availableGeometry();
    if (d.window.findChild<QScrollArea*>(QStringLiteral("formScroller"))) {
        // The form scrolls: the window fits the screen, and the curve keeps its drawn size.
        EXPECT_LE(d.window.frameGeometry().width(), area.width());
        EXPECT_EQ(curve->size(), curveDrawn);
        return;
    }
    EXPECT_EQ(d.window.minimumSize(), technical);
    const QSize larger =
        technical.expandedTo(area.size() - QSize(40, 40)).boundedTo(technical + QSize(200, 60));
    d.window.resize(larger);
    QApplication::processEvents();
    ASSERT_EQ(d.window.size(), larger);
    EXPECT_EQ(tabs->size(), larger - QSize(16, 16));
    EXPECT_EQ(curve->size(), curveDrawn + (larger - technical));
    EXPECT_GE(curve->layout().plot.height(), 120 + (larger - technical).height() - 1);
    // A smaller window than the page is not to be had.
    d.window.resize(technical - QSize(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(d.window.size(), technical);

    tabs->setCurrentIndex(0);  // the configurator as it was drawn, whatever the window was
    QApplication::processEvents();
    EXPECT_EQ(d.window.size(), drawn);
    EXPECT_EQ(d.window.minimumSize(), d.window.maximumSize());
}

}  // namespace
