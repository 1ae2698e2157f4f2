// The window as a desktop shows it: every text readable on a light and on a dark palette,
// the warning banner covering the note it shares its place with, long list entries ended
// with an ellipsis and held whole in a tooltip, and the keyboard's focus shown from the start.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <cmath>
#include <map>

#include "assets/dark_palette.h"
#include "tests/window/text_recording.h"
#include "tests/window/window_driver.h"

namespace {

double luminance(QColor colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most of an area is painted in: the background of the text drawn on it.
QColor commonestColour(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
    return QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first);
}

// Texts that appear as the user works; the hidden gas values behind the Gas Details frame never do.
const char* const kShownLater[] = {"lblNS1",        "lblValveDescription", "lblVBlock",
                                   "lblWikaGauges", "lblCompartFittings",  "lblChokedFlow",
                                   "lblCv"};

bool shownLater(const QWidget* w) {
    return std::any_of(std::begin(kShownLater), std::end(kShownLater),
                       [&](const char* name) { return w->objectName() == QLatin1String(name); });
}

QWidget* pageOf(QWidget* w) {
    while (w->parentWidget() && !w->parentWidget()->objectName().isEmpty() &&
           w->parentWidget()->objectName() != QLatin1String("qt_tabwidget_stackedwidget"))
        w = w->parentWidget();
    return w;
}

// Reads each text's colour, as its palette gives it when enabled, against the colour the
// window paints behind it, on the page it lies on. A frame's title is read on its title row.
void expectReadableTexts(WindowDriver& d, const char* paletteName, bool dark) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));  // laid out as shown
    auto* tabs = d.get<QTabWidget>("SSTab1");
    QWidget* pages = tabs;  // drawn whole, wherever the window is scrolled to
    std::vector<QWidget*> texts;
    for (QLabel* label : pages->findChildren<QLabel*>())
        if (!label->isHidden() || shownLater(label)) texts.push_back(label);
    for (QGroupBox* frame : pages->findChildren<QGroupBox*>())
        if (!frame->title().isEmpty()) texts.push_back(frame);
    for (QAbstractButton* button : pages->findChildren<QRadioButton*>()) texts.push_back(button);
    texts.push_back(d.get("chkLS"));
    ASSERT_GT(texts.size(), 40u);

    for (QWidget* w : texts) {
        tabs->setCurrentWidget(pageOf(w));
        const bool wasHidden = w->isHidden();
        w->show();
        QRect area(w->mapTo(pages, QPoint(0, 0)), w->size());
        const bool frame = qobject_cast<QGroupBox*>(w);
        if (frame) area.setHeight(w->fontMetrics().height());
        const QColor background = commonestColour(pages->grab(area).toImage());
        const QPalette::ColorRole role =
            qobject_cast<QLabel*>(w) ? w->foregroundRole() : QPalette::WindowText;
        const QColor text = w->palette().color(QPalette::Active, role);
        EXPECT_EQ(luminance(background) < 0.18, dark) << paletteName << ": " << w->objectName().toStdString()
                                                      << " on " << background.name().toStdString();
        EXPECT_GE(contrast(text, background), 4.5)
            << paletteName << ": " << w->objectName().toStdString() << " " << text.name().toStdString()
            << " on " << background.name().toStdString();
        w->setHidden(wasHidden);
    }
}

class DesktopPalette : public ::testing::Test {
  protected:
    QPalette desktop = QApplication::palette();
    void TearDown() override { QApplication::setPalette(desktop); }
};

TEST_F(DesktopPalette, EveryTextReadsOnALightPaletteAndWhenItTurnsDark) {
    QApplication::setPalette(QApplication::style()->standardPalette());
    WindowDriver d;
    d.window.show();
    expectReadableTexts(d, "light", false);
    QApplication::setPalette(tarvek::darkDesktopPalette());  // the desktop switched to its dark variant
    QApplication::processEvents();                           // which the window hears of as an event
    expectReadableTexts(d, "turned dark", true);
}

TEST_F(DesktopPalette, EveryTextReadsOnADarkPalette) {
    QApplication::setPalette(tarvek::darkDesktopPalette());
    WindowDriver d;
    d.window.show();
    expectReadableTexts(d, "dark", true);
}

// Every option button and check box that answers, unchecked, shows its outline at 3 to 1
// against the page at least: the strongest contrast of any pixel of its indicator.
void expectVisibleIndicators(WindowDriver& d, const char* paletteName) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");  // seats, colours and the lever handle open
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    auto* tabs = d.get<QTabWidget>("SSTab1");
    int checked = 0;
    for (QAbstractButton* button : tabs->findChildren<QAbstractButton*>()) {
        const bool radio = qobject_cast<QRadioButton*>(button), box = qobject_cast<QCheckBox*>(button);
        if (!(radio || box) || button->isChecked() || !button->isEnabled()) continue;
        tabs->setCurrentWidget(pageOf(button));
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect indicator = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        const QImage drawn = button->grab(indicator).toImage();
        const QColor page = commonestColour(tabs->currentWidget()->grab().toImage());
        double strongest = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                strongest = std::max(strongest, contrast(drawn.pixelColor(x, y), page));
        EXPECT_GE(strongest, 3.0) << paletteName << ": " << button->objectName().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 9);  // two seats, five colours, the lever handle, the calculator's Cv mode
}

TEST_F(DesktopPalette, OptionButtonsAndCheckBoxesStandOutOnLightAndDarkPalettes) {
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? tarvek::darkDesktopPalette()
                                      : QApplication::style()->standardPalette());
        WindowDriver d;
        d.window.show();
        expectVisibleIndicators(d, dark ? "dark" : "light");
    }
}

// An MX2 valve with an A310 actuator and porting 2A: its note is ".23 Cv, 250 psig".
void chooseValveWithPorting2A(WindowDriver& d) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstPorting", "2A");
}

TEST(Notices, TheWarningBannerCoversTheNoteItSharesItsPlaceWith) {
    WindowDriver d;
    chooseValveWithPorting2A(d);
    d.choose("lstConn1", "V - Fixed Male Face Seal, 1/4 inch");
    ASSERT_TRUE(d.shown("lblNS1"));
    ASSERT_TRUE(d.shown("lblValveDescription"));  // both stay shown, as the form has them
    ASSERT_EQ(d.text("lblValveDescription"), ".23 Cv, 250 psig");
    d.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));

    QWidget* pages = d.get("SSTab1");
    QWidget* banner = d.get("lblNS1");
    const QRect place(banner->mapTo(pages, QPoint(0, 0)), banner->size());
    const QImage both = pages->grab(place).toImage();
    d.get("lblValveDescription")->hide();
    EXPECT_EQ(both, pages->grab(place).toImage()) << "the note shows through the banner";
    d.get("lblValveDescription")->show();
    banner->hide();
    EXPECT_NE(both, pages->grab(place).toImage()) << "the note alone looks like the banner";
}

TEST(LongEntries, EndWithAnEllipsisAndShowWholeInTheTooltip) {
    WindowDriver d;
    chooseValveWithPorting2A(d);
    d.choose("lstConn3", "F - Female Face Seal, 1/4 inch");
    const std::vector<std::pair<const char*, QString>> cases = {
        {"lstModel", QStringLiteral("A310 --- Air-Op N.C., Low Pressure")},
        {"lstConn3", QStringLiteral("F - Female Face Seal, 1/4 inch")},
    };
    for (const auto& [name, entry] : cases) {
        QComboBox* list = d.list(name);
        EXPECT_EQ(list->currentText(), entry) << name;  // the entry itself stays whole
        EXPECT_EQ(list->toolTip(), entry) << name;
        const QStringList drawn = tarvek::testing::drawnTexts(list);
        ASSERT_EQ(drawn.size(), 1) << name;
        EXPECT_TRUE(drawn[0].endsWith(QChar(0x2026))) << name << ": " << drawn[0].toStdString();
        EXPECT_TRUE(entry.startsWith(drawn[0].chopped(1))) << name << ": " << drawn[0].toStdString();
    }
    EXPECT_EQ(tarvek::testing::drawnTexts(d.list("lstProductType")),
              QStringList{"Diaphragm Valves"});  // what fits stays whole
    EXPECT_EQ(d.list("lstProductType")->toolTip(), "Diaphragm Valves");
    EXPECT_EQ(d.list("lstConn4")->toolTip(), "");  // nothing chosen, nothing to tell
}

TEST(Focus, StartsOnTheProductTypeAndShowsThere) {
    WindowDriver d;
    ASSERT_TRUE(d.showActive());
    QComboBox* types = d.list("lstProductType");
    EXPECT_EQ(QApplication::focusWidget(), types);
    const QImage focused = types->grab().toImage();
    d.get("txtDiscount")->setFocus();
    EXPECT_NE(focused, types->grab().toImage()) << "the focus does not show";
    QTest::keyClick(d.get("txtDiscount"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), types);
}

}  // namespace
