#include "tests/window/window_driver.h"

namespace {

TEST(PricingWindow, DiscountTypedBeforeAnyChoiceGivesZero) {
    WindowDriver d;
    d.setText("txtDiscount", "");
    d.type("txtDiscount", "10");
    EXPECT_EQ(d.text("lblNetPrice"), "0");
}

TEST(PricingWindow, NetPriceFollowsEveryKeystroke) {
    WindowDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    EXPECT_EQ(d.text("lblPrice"), "140");
    EXPECT_EQ(d.text("lblNetPrice"), "140");
    d.setText("txtDiscount", "");
    d.type("txtDiscount", "3");
    EXPECT_EQ(d.text("lblNetPrice"), "135.8");
    d.type("txtDiscount", "4");
    EXPECT_EQ(d.text("lblNetPrice"), "92.4");
}

// Whatever is typed or pasted, the window keeps working and never shows inf or nan.
TEST(PricingWindow, AnyDiscountTextIsSafe) {
    WindowDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    const QString texts[] = {"letters",          "1e400", "-1e400", "nan", "inf", QString(10000, '7'),
                             "Ünïcødé 🙂", "1e308"};
    for (const QString& text : texts) {
        d.setText("txtDiscount", text);
        const QString net = QString::fromStdString(d.text("lblNetPrice"));
        EXPECT_FALSE(net.contains("inf", Qt::CaseInsensitive) || net.contains("nan", Qt::CaseInsensitive))
            << text.left(20).toStdString();
    }
    d.setText("txtDiscount", "letters");
    EXPECT_EQ(d.text("lblNetPrice"), "140");
    d.setText("txtDiscount", "1e400");
    EXPECT_EQ(d.text("lblNetPrice"), "");
}

TEST(PricingWindow, DoubleClickOnTheBrandPictureHidesAndShowsThePrices) {
    WindowDriver d;
    const char* const priceControls[] = {"lblPrice", "txtDiscount", "lblNetPrice",
                                         "Label3",   "Label6",      "Label4"};
    QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);
    for (const char* name : priceControls) EXPECT_FALSE(d.shown(name)) << name;

    d.choose("lstProductType", "Diaphragm Valves");  // prices keep following while hidden
    d.choose("lstBody", "MX1 - Miniature Series");
    EXPECT_EQ(d.text("lblPrice"), "140");

    QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);
    for (const char* name : priceControls) EXPECT_TRUE(d.shown(name)) << name;
}

}  // namespace
