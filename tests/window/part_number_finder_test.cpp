// Finding a part number in the window: Ctrl+F (or Ctrl+L), typing and Enter set the
// configurator as the user's own clicks would; a wrong number changes nothing and is
// explained beside the field; a paste on the page looks the number up.
#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QToolButton>

#include "app/quote/quote_dialogs.h"
#include "app/quote/quote_page.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "tests/window/shows_state.h"
#include "tests/window/window_driver.h"

namespace {

using tarvek::Configurator;

class Finder : public ::testing::Test {
  protected:
    WindowDriver d;
    void SetUp() override { ASSERT_TRUE(d.showActive()); }
    QWidget* focus() { return QApplication::focusWidget(); }
    // The state the same clicks give on a model of its own.
    static Configurator modelAfter(const std::string& partNumber) {
        Configurator model;
        const tarvek::PartNumberDecoding decoded = tarvek::partNumberDecoder().decode(partNumber);
        for (const auto& event : decoded.configurations.at(0).events) model.apply(event);
        return model;
    }
};

TEST_F(Finder, TypingANumberAndEnterSetTheCascadeWithTheKeyboardAlone) {
    for (const auto& keys : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)}) {
        d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);  // from another page too
        d.list("lstProductType")->setFocus();
        QTest::keySequence(focus(), keys);
        ASSERT_EQ(focus(), d.get("txtFindPartNumber"));
        EXPECT_EQ(d.get<QTabWidget>("SSTab1")->currentIndex(), 0);
    }
    QTest::keyClicks(focus(), " j310-mx2-2a-mxfx-vs-bk-ls ");
    QTest::keyClick(focus(), Qt::Key_Return);

    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-2A-MXFX-VS-BK-LS");
    EXPECT_EQ(d.text("lblPrice"), "367.5");
    EXPECT_EQ(d.list("lstModel")->currentText(), "J310 --- Manual, Tee Knob, LOTO");
    EXPECT_TRUE(d.get<QAbstractButton>("chkLS")->isChecked());
    EXPECT_TRUE(tarvek::testing::showsState(d.window, modelAfter("J310-MX2-2A-MXFX-VS-BK-LS").state()));
    EXPECT_NE(d.text("lblFindResult"), "");

    // The user goes on from there, and Escape leaves the field for where the user was.
    d.list("lstConn3")->setFocus();
    QTest::keySequence(focus(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClick(focus(), Qt::Key_Escape);
    EXPECT_EQ(focus(), d.list("lstConn3"));
    d.choose("lstConn3", "T - Tube Stub, 1/4 inch");
    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-2A-MXTX-VS-BK-LS");
}

TEST_F(Finder, AWrongNumberChangesNothingAndIsExplainedBesideTheField) {
    d.choose("lstProductType", "Pressure Regulators");
    d.choose("lstBody", "GN2 - Standard Series");
    const tarvek::ConfiguratorState before = d.window.configurator().state();
    const char* const wrong[] = {"A310-MX2-9Z", "", "-", "Q\x01Q", "A310-MX2-2A"};
    for (const char* text : wrong) {
        EXPECT_FALSE(d.window.findPartNumber(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(tarvek::testing::showsState(d.window, before)) << text;
        EXPECT_FALSE(d.text("lblFindResult").empty()) << text;
        EXPECT_EQ(d.get("lblFindResult")->toolTip().toStdString(), d.text("lblFindResult"));
    }
    d.window.findPartNumber(QStringLiteral("A310-MX2-9Z"));
    EXPECT_NE(d.text("lblFindResult").find("a porting (-2A"), std::string::npos) << d.text("lblFindResult");
}

// Of the two configurations that give this number, the one with the fewest choices is set,
// and on equal terms the one whose connection 1 comes first in the series' list.
TEST_F(Finder, AnAmbiguousNumberSetsTheConfigurationRankedFirst) {
    EXPECT_TRUE(d.window.findPartNumber(QStringLiteral("A310-MX3-4A-M8M8X")));
    EXPECT_EQ(d.list("lstConn1")->currentText(), "M - Male Face Seal, 1/4 inch Hi Flo");
    EXPECT_EQ(d.list("lstConn2")->currentText(), "8 - Tube Stub, 1/2 inch");
    EXPECT_EQ(d.list("lstConn3")->currentText(), "M8 - Male Face Seal, 1/2 inch");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX3-4A-M8M8X");
    EXPECT_EQ(d.text("lblPrice"), "405");  // 110 + 170 + 50 + 30 + 10 + 35
    EXPECT_TRUE(d.shown("lblNS1"));        // a numbered tube stub in position 2
    EXPECT_EQ(d.text("lblFindResult"),
              "2 configurations give A310-MX3-4A-M8M8X; the one with the fewest choices is set.");
}

// However long the explanation, all of it shows where the user reads it; the keyboard and a
// screen reader reach it after the field; its tooltip and description follow every lookup.
TEST_F(Finder, TheWholeAnswerShowsAndFollowsEachLookup) {
    auto* answer = d.get<QLabel>("lblFindResult");
    const int homeHeight = answer->height();
    d.get("txtFindPartNumber")->setFocus();
    QTest::keyClicks(focus(), "A310-MX2-2A");  // not whole: what follows is a long explanation
    QTest::keyClick(focus(), Qt::Key_Return);
    const std::string explanation = d.text("lblFindResult");
    EXPECT_NE(explanation.find("for example A310-MX2-2A-TXTX"), std::string::npos) << explanation;
    EXPECT_GT(answer->height(), homeHeight);
    EXPECT_GE(answer->height(), answer->heightForWidth(answer->width())) << "the text is cut";
    EXPECT_EQ(answer->accessibleDescription().toStdString(), explanation);
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), answer);

    d.window.findPartNumber(QStringLiteral("A310-MX2-2A-MXFX"));
    EXPECT_EQ(d.text("lblFindResult"), "A310-MX2-2A-MXFX is set.");
    EXPECT_EQ(answer->toolTip().toStdString(), d.text("lblFindResult"));
    EXPECT_EQ(answer->height(), homeHeight);
    d.get("txtFindPartNumber")->setFocus();
    QTest::keyClicks(focus(), "x");  // editing again puts the answer away, its tooltip too
    EXPECT_EQ(d.text("lblFindResult"), "");
    EXPECT_TRUE(answer->toolTip().isEmpty());
}

TEST_F(Finder, ThePlaceholderShowsAWholeExample) {
    auto* field = d.get<QLineEdit>("txtFindPartNumber");
    const QString example = field->placeholderText();
    EXPECT_TRUE(example.contains(QStringLiteral("A310-MX2-2A-MXFX")));
    const int room = field->contentsRect().width() - 2 * 4;  // the box's own text margins
    EXPECT_LE(field->fontMetrics().horizontalAdvance(example), room);
}

// Several lines pasted: the first is looked up, the answer says the others were left, and the
// window offers to put them all on the quote.
TEST_F(Finder, APasteOfSeveralLinesLooksUpTheFirstAndOffersTheQuote) {
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        std::vector<QString> asked;
        const auto previous =
            tarvek::replaceQuestionFunction([&](QWidget*, const QString&, const QString& text,
                                                QMessageBox::StandardButtons, QMessageBox::StandardButton) {
                asked.push_back(text);
                return answer;
            });
        QApplication::clipboard()->setText(QStringLiteral("A310-MX2-2A-MXFX\n\nKL-01-KZ\r\nT403-GN1\n"));
        d.list("lstProductType")->setFocus();
        QTest::keySequence(focus(), QKeySequence::Paste);
        tarvek::replaceQuestionFunction(previous);
        EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX");
        EXPECT_NE(d.text("lblFindResult").find("2 more lines"), std::string::npos) << d.text("lblFindResult");
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_TRUE(asked[0].contains(QStringLiteral("3 part numbers"))) << asked[0].toStdString();
        const std::size_t lines = d.window.quotePage().quotation().lines.size();
        EXPECT_EQ(lines, answer == QMessageBox::Yes ? 3u : 0u);
        EXPECT_EQ(d.window.quotePage().page()->isVisible(), answer == QMessageBox::Yes);
    }
}

TEST_F(Finder, APasteOnThePageLooksTheNumberUp) {
    QApplication::clipboard()->setText(QStringLiteral("T403-GN1-2A-MXFX"));
    d.list("lstProductType")->setFocus();
    QTest::keySequence(focus(), QKeySequence::Paste);
    EXPECT_EQ(d.text("lblPartNumber"), "T403-GN1-2A-MXFX");
    EXPECT_EQ(d.text("txtFindPartNumber"), "T403-GN1-2A-MXFX");

    // A copied quote gives its part number.
    QApplication::clipboard()->setText(
        QStringLiteral("Tarvek quote\nPart Number: A310-MX2-2A-MXFX\nBody Type: MX2"));
    d.list("lstModel")->setFocus();
    QTest::keySequence(focus(), QKeySequence::Paste);
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX");

    // A text box pastes into itself.
    QApplication::clipboard()->setText(QStringLiteral("12"));
    d.get<QLineEdit>("txtDiscount")->selectAll();
    d.get("txtDiscount")->setFocus();
    QTest::keySequence(focus(), QKeySequence::Paste);
    EXPECT_EQ(d.text("txtDiscount"), "12");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX");
}

// Several lines pasted into the field itself are not joined into one number: the first is
// looked up, and the answer says how many were left, as a paste on the page does.
TEST_F(Finder, SeveralLinesPastedIntoTheFieldLookUpTheFirst) {
    const auto previous = tarvek::replaceQuestionFunction(
        [](QWidget*, const QString&, const QString&, QMessageBox::StandardButtons,
           QMessageBox::StandardButton) { return QMessageBox::No; });
    QApplication::clipboard()->setText(QStringLiteral("A310-MX2-2A-MXFX\n\nKL-01-KZ\r\nT403-GN1\n"));
    auto* field = d.get<QLineEdit>("txtFindPartNumber");
    field->setFocus();
    QTest::keySequence(focus(), QKeySequence::Paste);
    tarvek::replaceQuestionFunction(previous);
    EXPECT_EQ(d.text("txtFindPartNumber"), "A310-MX2-2A-MXFX");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX");
    EXPECT_EQ(d.text("lblFindResult"),
              "A310-MX2-2A-MXFX is set. 2 more lines of the paste were left: the field looks up one number.");
}

TEST_F(Finder, TheSearchButtonBesideThePartNumberOpensTheField) {
    auto* button = d.get<QToolButton>("cmdFindPartNumber");
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_FALSE(button->accessibleName().isEmpty());
    button->click();
    EXPECT_EQ(focus(), d.get("txtFindPartNumber"));
}

}  // namespace
