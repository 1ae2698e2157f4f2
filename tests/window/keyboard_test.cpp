// The window used with the keyboard alone: Tab follows the cascade, and choosing a list
// entry by keyboard runs its handler exactly once per choice.
#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTabWidget>

#include "tests/window/window_driver.h"

namespace {

class Keyboard : public ::testing::Test {
  protected:
    WindowDriver d;
    void SetUp() override { ASSERT_TRUE(d.showActive()); }
};

TEST_F(Keyboard, TabFollowsTheCascadeThenTheOptionsAndTheDiscount) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");
    d.choose("lstPorting", "4A");

    const std::vector<std::string> expected = {"lstProductType", "lstBody",  "lstModel", "lstPorting",
                                               "lstConn1",       "lstConn2", "lstConn3", "lstConn4",
                                               "optStd",         "optBL",    "chkLS",    "txtDiscount"};
    d.list("lstProductType")->setFocus();
    std::vector<std::string> visited = {QApplication::focusWidget()->objectName().toStdString()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(Keyboard, TabFollowsTheCalculatorInBothModes) {
    d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    const auto tabFrom = [&](const char* first, std::size_t count) {
        d.get(first)->setFocus();
        std::vector<std::string> visited = {QApplication::focusWidget()->objectName().toStdString()};
        while (visited.size() < count) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        }
        return visited;
    };
    EXPECT_EQ(tabFrom("lstGasName", 6),
              (std::vector<std::string>{"lstGasName", "txtTemperature", "txtInletPressure",
                                        "txtOutletPressure", "optMassFlow", "txtCv"}));
    d.click("optCv");
    EXPECT_EQ(tabFrom("txtOutletPressure", 3),
              (std::vector<std::string>{"txtOutletPressure", "optMassFlow",
                                        "txtMassFlow"}));  // the flow is typed now
}

TEST_F(Keyboard, DisabledListsAreSkipped) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.list("lstBody")->setFocus();
    QTest::keyClick(d.list("lstBody"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtDiscount");
}

TEST_F(Keyboard, ArrowKeysAndTypingChooseAnEntryOnce) {
    QComboBox* types = d.list("lstProductType");
    QSignalSpy chosen(types, &QComboBox::activated);
    types->setFocus();

    QTest::keyClick(types, Qt::Key_Down);  // the first entry
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(d.list("lstBody")->count(), 7);
    EXPECT_TRUE(d.list("lstBody")->isEnabled());

    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(d.entries("lstBody"),
              (std::vector<std::string>{"GN1 - Miniature Series", "GN2 - Standard Series"}));

    QTest::keyClicks(types, "F");  // typing jumps to the first entry starting with the letter
    EXPECT_EQ(chosen.count(), 3);
    EXPECT_EQ(d.entries("lstBody"), (std::vector<std::string>{"Check Valve", "Vacuum Generator"}));
}

TEST_F(Keyboard, TheOpenedListChoosesWithEnter) {
    QComboBox* types = d.list("lstProductType");
    QSignalSpy chosen(types, &QComboBox::activated);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* popup = types->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }));
    popup->setCurrentIndex(popup->model()->index(5, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }));
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(d.text("lblPartNumber"), "");
    EXPECT_TRUE(d.list("lstModel")->isEnabled());
    EXPECT_EQ(d.list("lstModel")->count(), 11);  // the actuators sold as assemblies
}

}  // namespace
