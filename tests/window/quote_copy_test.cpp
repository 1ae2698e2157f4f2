// Copy quote through the window: the button beside the part number, its context menu and
// Ctrl+C put the quote on the clipboard as plain text and as an HTML table; nothing is
// there to copy before a part number; text boxes keep their own Ctrl+C for a selection.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QToolButton>

#include "rules/quotes/quote.h"
#include "tests/support/quote_configurations.h"
#include "tests/window/window_driver.h"

namespace {

using namespace tarvek::testing;

std::string clipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }
std::string clipboardHtml() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasHtml() ? data->html().toStdString() : std::string();
}

class QuoteCopy : public ::testing::Test {
  protected:
    WindowDriver d;
    void SetUp() override {
        ASSERT_TRUE(d.showActive());
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void ctrlC(const char* focus) {
        d.get(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    }
};

TEST(QuoteClipboard, TextAndTableOfEachKindOfConfiguration) {
    struct Case {
        const char* name;
        std::vector<UserStep> steps;
        bool hidePrices;
        std::string text;
        std::vector<std::string> rows;  // lines of the HTML
    };
    const Case cases[] = {
        {"the worked example",
         kPortingDrawingSteps,
         false,
         "Part Number: A310-MX2-2A-MXFX-VS\n\n"
         "Product Type: Diaphragm Valves\nBody Type: MX2 - Standard Series\n"
         "Model / Series: A310 --- Air-Op N.C., Low Pressure\nPorting Style: 2A\n"
         "Connection 1: M - Male Face Seal, 1/4 inch\nConnection 3: F - Female Face Seal, 1/4 inch\n"
         "Seat / Seal: VS - Vespel Seat\n\n"
         "List Price US$: 350\nDiscount %: 10\nNet Price US$: 315\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><th style=\"text-align:left\">Part Number</th><td><b>A310-MX2-2A-MXFX-VS</b></td></tr>",
          "<tr><th style=\"text-align:left\">Net Price US$</th><td>315</td></tr>"}},
        {"every option of the valve",
         kTypicalValveSteps,
         false,
         "Part Number: J310-MX2-2A-MXFX-VS-BK-LS\n\n"
         "Product Type: Diaphragm Valves\nBody Type: MX2 - Standard Series\n"
         "Model / Series: J310 --- Manual, Tee Knob, LOTO\nPorting Style: 2A\n"
         "Connection 1: M - Male Face Seal, 1/4 inch\nConnection 3: F - Female Face Seal, 1/4 inch\n"
         "Seat / Seal: VS - Vespel Seat\nHandle Color: BK - Black\nLever Handle: LS - Lever Handle\n\n"
         "List Price US$: 367.5\nDiscount %: 10\nNet Price US$: 330.75\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><th style=\"text-align:left\">Lever Handle</th><td>LS - Lever Handle</td></tr>"}},
        {"a regulator",
         kRegulatorSteps,
         false,
         "Part Number: T410-GN2-2A-MXFX-VS\n\n"
         "Product Type: Pressure Regulators\nBody Type: GN2 - Standard Series\n"
         "Model / Series: T410 - 20 to 100 Psig Outlet\nPorting Style: 2A\n"
         "Connection 1: M - Male Face Seal, 1/4 inch\nConnection 3: F - Female Face Seal, 1/4 inch\n"
         "Seat / Seal: VS - Vespel Seat\n\n"
         "List Price US$: 640\nDiscount %: 10\nNet Price US$: 576\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><th style=\"text-align:left\">Model / Series</th><td>T410 - 20 to 100 Psig Outlet</td></tr>"}},
        {"a fitting",
         kFittingSteps,
         false,
         "Part Number: 1-4-VC-1\n\n"
         "Product Type: Fittings\nBody Type: Compart Nuts\nModel / Series: 1/4 inch Female\n\n"
         "List Price US$: 4.51\nDiscount %: 10\nNet Price US$: 4.06\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><th style=\"text-align:left\">Part Number</th><td><b>1-4-VC-1</b></td></tr>"}},
        {"a non-standard valve",
         kNonStandardSteps,
         false,
         "Part Number: A310-MX2-2A-VXTX\n\n"
         "Product Type: Diaphragm Valves\nBody Type: MX2 - Standard Series\n"
         "Model / Series: A310 --- Air-Op N.C., Low Pressure\nPorting Style: 2A\n"
         "Connection 1: V - Fixed Male Face Seal, 1/4 inch\nConnection 3: T - Tube Stub, 1/4 inch\n"
         "Seat / Seal: PCTFE (standard seat)\n\n"
         "List Price US$: 270\nDiscount %: 10\nNet Price US$: 243\n\n"
         "NON-STANDARD - Consult supplier for availability\n"
         "Connection 1: \"V - Fixed Male Face Seal, 1/4 inch\" is standard only with the same in connection "
         "3\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><td colspan=\"2\" style=\"color:#ff0000;font-weight:bold\">NON-STANDARD - Consult supplier "
          "for "
          "availability</td></tr>",
          "<tr><td colspan=\"2\" style=\"color:#ff0000\">Connection 1: &quot;V - Fixed Male Face Seal, 1/4 "
          "inch&quot; is standard only with the same in connection 3</td></tr>"}},
        {"prices hidden",
         kFittingSteps,
         true,
         "Part Number: 1-4-VC-1\n\n"
         "Product Type: Fittings\nBody Type: Compart Nuts\nModel / Series: 1/4 inch Female\n\n"
         "2013 Tarvek Products Catalog (130205)\n",
         {"<tr><th style=\"text-align:left\">Model / Series</th><td>1/4 inch Female</td></tr>\n"
          "<tr><td colspan=\"2\" style=\"font-style:italic\">2013 Tarvek Products Catalog "
          "(130205)</td></tr>"}},
    };
    for (const Case& c : cases) {
        WindowDriver d;
        takeSteps(d, c.steps);
        d.type("txtDiscount", "\b10");
        if (c.hidePrices) QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);
        d.click("cmdCopyQuote");
        EXPECT_EQ(clipboardText(), c.text) << c.name;
        const std::string html = clipboardHtml();
        EXPECT_TRUE(html.starts_with("<table>\n")) << c.name << '\n' << html;
        for (const std::string& row : c.rows)
            EXPECT_NE(html.find(row + '\n'), std::string::npos) << c.name << '\n' << html;
        EXPECT_EQ(html.find("US$") == std::string::npos, c.hidePrices) << c.name;
    }
}

TEST_F(QuoteCopy, NothingToCopyOrPrintBeforeAPartNumber) {
    auto* copy = d.get<QAction>("actCopyQuote");
    auto* print = d.get<QAction>("actPrintQuote");
    const auto enabled = [&] {
        EXPECT_EQ(copy->isEnabled(), print->isEnabled());
        EXPECT_EQ(d.get("cmdCopyQuote")->isEnabled(), copy->isEnabled());
        EXPECT_EQ(d.get("cmdPrintQuote")->isEnabled(), print->isEnabled());
        return copy->isEnabled();
    };
    EXPECT_FALSE(enabled());
    ctrlC("lstProductType");
    EXPECT_EQ(clipboardText(), "before");
    d.choose("lstProductType", "Diaphragm Valves");
    EXPECT_FALSE(enabled());
    d.click("cmdCopyQuote");
    EXPECT_EQ(clipboardText(), "before");
    d.choose("lstBody", "MX2 - Standard Series");
    EXPECT_TRUE(enabled());
    d.choose("lstProductType", "Pressure Regulators");  // everything reset: no part number again
    EXPECT_FALSE(enabled());
}

TEST_F(QuoteCopy, CtrlCCopiesTheQuoteUnlessATextBoxHasASelection) {
    takeSteps(d, kFittingSteps);
    ctrlC("lstModel");
    EXPECT_TRUE(clipboardText().starts_with("Part Number: 1-4-VC-1\n")) << clipboardText();

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    d.setText("txtDiscount", "15");
    d.get<QLineEdit>("txtDiscount")->selectAll();
    ctrlC("txtDiscount");
    EXPECT_EQ(clipboardText(), "15");  // the box's own copy
    d.get<QLineEdit>("txtDiscount")->deselect();
    QTest::keyClick(d.get("txtDiscount"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_NE(clipboardText().find("Discount %: 15\n"), std::string::npos) << clipboardText();

    // On another page Ctrl+C is not the quote's.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    ctrlC("txtTemperature");
    EXPECT_EQ(clipboardText(), "before");
}

TEST_F(QuoteCopy, ThePartNumbersContextMenuHoldsBothActionsWithTheirShortcuts) {
    takeSteps(d, kFittingSteps);
    auto* partNumber = d.get<QLabel>("lblPartNumber");
    EXPECT_EQ(partNumber->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = partNumber->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->objectName(), "actCopyQuote");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(actions[1]->objectName(), "actPrintQuote");
    EXPECT_EQ(actions[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    actions[0]->trigger();
    EXPECT_TRUE(clipboardText().starts_with("Part Number: 1-4-VC-1\n"));
}

// Small icon buttons at the right end of the caption row, as high as the row, the last one
// ending with the part number box; named for a screen reader, with their shortcuts in their
// tooltips, and reached with Tab after the discount.
TEST_F(QuoteCopy, TheButtonsEndTheCaptionRowUnderThePartNumber) {
    const QRect box = d.get("lblPartNumber")->geometry(), row = d.get("Label1")->geometry();
    auto* copy = d.get<QToolButton>("cmdCopyQuote");
    auto* print = d.get<QToolButton>("cmdPrintQuote");
    EXPECT_EQ(print->geometry().right(), box.right());
    for (QToolButton* button : {copy, print}) {
        EXPECT_EQ(button->geometry().top(), row.top());
        EXPECT_EQ(button->height(), row.height());
        EXPECT_EQ(button->width(), row.height());
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_LT(copy->geometry().right(), print->geometry().left());
    // Clear of the centred "Part Number" caption.
    const auto* caption = d.get<QLabel>("Label1");
    const int captionRight = row.center().x() + caption->fontMetrics().horizontalAdvance(caption->text()) / 2;
    EXPECT_GT(copy->geometry().left(), captionRight + 8);

    EXPECT_EQ(copy->accessibleName(), "Copy quote");
    EXPECT_EQ(print->accessibleName(), "Print quote");
    EXPECT_EQ(copy->toolTip(), "Copy quote (Ctrl+C)");
    EXPECT_EQ(print->toolTip(), "Print quote (Ctrl+P)");

    takeSteps(d, kFittingSteps);
    d.get("txtDiscount")->setFocus();
    QTest::keyClick(d.get("txtDiscount"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), copy);
    QTest::keyClick(copy, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), print);
    QTest::keyClick(print, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(copy, Qt::Key_Space);  // a button pressed from the keyboard
    EXPECT_TRUE(clipboardText().starts_with("Part Number: 1-4-VC-1\n"));
}

TEST(QuoteEdition, IsTheWindowsTitle) {
    WindowDriver d;
    EXPECT_EQ(d.window.windowTitle().toStdString(), tarvek::kCatalogueEdition);
}

}  // namespace
