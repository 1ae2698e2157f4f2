#include "app/main_window.h"

#include <QTabBar>

#include "app/calculator/calculator_page.h"
#include "app/calculator/calculator_views.h"
#include "app/calculator/sizing_view.h"
#include "app/configurator/configurator_page.h"
#include "app/configurator/part_number_finder.h"
#include "app/controls.h"
#include "app/desktop/catalogue_colours.h"
#include "app/desktop/long_entries.h"
#include "app/desktop/page_widths.h"
#include "app/desktop/screen_fit.h"
#include "app/desktop/value_boxes.h"
#include "app/desktop/visible_focus.h"
#include "app/desktop/visible_indicators.h"
#include "app/literature/literature.h"
#include "app/quote/quote_actions.h"
#include "app/quote/quote_dialogs.h"
#include "app/quote/quote_page.h"
#include "app/search/search_opener.h"
#include "app/search/valves_for_flow.h"
#include "app/window_pictures.h"
#include "platform/data_folder.h"
#include "ui_main_window.h"

namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr int kWindowOffset = 500 / kTwipsPerPixel;

}  // namespace

frmTarvekProducts::frmTarvekProducts(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmTarvekProducts>()) {
    ui->setupUi(this);
    setUpControls();
    configurator_ = std::make_unique<tarvek::ConfiguratorPage>(
        tarvek::ConfiguratorControls{{ui->lstProductType, ui->lstBody, ui->lstModel, ui->lstPorting,
                                      ui->lstConn1, ui->lstConn2, ui->lstConn3, ui->lstConn4},
                                     {ui->lblProductType, ui->lblBody, ui->lblModel, ui->lblPorting,
                                      ui->lblConn1, ui->lblConn2, ui->lblConn3, ui->lblConn4},
                                     ui->fraOptionsSeat,
                                     ui->fraOptionsColor,
                                     {ui->optStd, ui->optVSKZ, ui->optB5EP, ui->optBL, ui->optBK, ui->optGR,
                                      ui->optRD, ui->optWH, ui->optYW, ui->chkLS},
                                     ui->lblPartNumber,
                                     ui->Label3,
                                     ui->lblPrice,
                                     ui->Label6,
                                     ui->txtDiscount,
                                     ui->Label4,
                                     ui->lblNetPrice,
                                     ui->lblNS1,
                                     ui->fraPicture,
                                     ui->imgPicture,
                                     ui->lblValveDescription,
                                     ui->lblVBlock,
                                     ui->lblCompartFittings,
                                     ui->lblWikaGauges,
                                     ui->Image2});
    finder_ = new tarvek::PartNumberFinder(
        {ui->tabConfigurator, ui->txtFindPartNumber, ui->lblFindResult, ui->cmdFindPartNumber},
        *configurator_);
    connect(finder_, &tarvek::PartNumberFinder::pageWanted, this, [this] { ui->SSTab1->setCurrentIndex(0); });
    search_ = new tarvek::SearchOpener({ui->tabConfigurator, ui->cmdFindPartNumber}, *configurator_);
    connect(search_, &tarvek::SearchOpener::configuratorWanted, this,
            [this] { ui->SSTab1->setCurrentIndex(0); });
    calculator_ = std::make_unique<tarvek::CalculatorPage>(this, *ui->tabTechnical);
    calculatorViews_ = std::make_unique<tarvek::CalculatorViews>(
        tarvek::CalculatorViewControls{ui->lblOtherUnits, ui->flowCurve});
    connect(calculator_.get(), &tarvek::CalculatorPage::stateShown, calculatorViews_.get(),
            &tarvek::CalculatorViews::refresh);
    new tarvek::SizingView(*calculator_, *ui->tabTechnical);
    new tarvek::ValvesForFlow(ui->Frame1, ui->lblChokedFlow, ui->optMassFlow, ui->txtCv, *calculator_,
                              *search_);
    literature_ = std::make_unique<tarvek::Literature>(
        std::initializer_list<QWidget*>{ui->tabLiterature, ui->tabTechnical});
    const auto* quoteActions = new tarvek::QuoteActions(
        *configurator_, {ui->tabConfigurator, ui->lblPartNumber, ui->Label1, ui->txtDiscount});
    quotePage_ = std::make_unique<tarvek::QuotePage>(
        *configurator_, tarvek::QuotePageControls{ui->SSTab1, ui->tabConfigurator, ui->Label1,
                                                  ui->lblPartNumber, quoteActions->lastButton()});
    // A paste of several part numbers on the configurator: the field takes the first, the
    // quote may take them all.
    connect(finder_, &tarvek::PartNumberFinder::severalPasted, this, [this](const QString& text, int count) {
        const auto answer = tarvek::askQuestion(
            this, QStringLiteral("Add to quote"),
            QStringLiteral("The paste holds %1 part numbers; the first is set on the configurator.\n\n"
                           "Add them all to the quote?")
                .arg(count),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
        quotePage_->addPastedText(text);
        quotePage_->showPage();
    });
    Form_Load();
}

frmTarvekProducts::~frmTarvekProducts() = default;

bool frmTarvekProducts::findPartNumber(const QString& partNumber) {
    ui->txtFindPartNumber->setText(partNumber.trimmed());
    return finder_->find(partNumber);
}

// What a Designer form cannot say: bold page captions, the part number's odd point size,
// option captions that stay regular when their frame turns bold, and a look that reads on
// any desktop.
void frmTarvekProducts::setUpControls() {
    setWindowIcon(tarvek::windowIcon());
    ui->Image2->setPicture(tarvek::Picture::fromImage(tarvek::brandPicture()));

    QFont tabFont = ui->SSTab1->tabBar()->font();
    tabFont.setBold(true);
    ui->SSTab1->tabBar()->setFont(tabFont);

    QFont partNumberFont = ui->lblPartNumber->font();
    partNumberFont.setPointSizeF(13.8);
    ui->lblPartNumber->setFont(partNumberFont);

    for (QGroupBox* frame : {ui->fraOptionsSeat, ui->fraOptionsColor})
        for (QWidget* child : frame->findChildren<QWidget*>()) {
            QFont font = child->font();
            font.setBold(false);
            child->setFont(font);
        }

    ui->lblNS1->raise();  // the warning covers the note that shares its place
    tarvek::followDesktopPalette(*this);
    tarvek::showValueBoxes(*this);
    tarvek::showIndicatorOutlines(*this);
    tarvek::showLongEntries(*this);
}

void frmTarvekProducts::Form_Load() {
    // A form laid out to the pixel: the window is as large as the form where the screen has
    // room for it, and scrolls it where not. The technical page is wider than the others, for
    // the sizing by the standard.
    const QSize widestForm = tarvek::followPageWidths(*this, *ui->SSTab1);
    tarvek::fitToScreen(*this, QPoint(kWindowOffset, kWindowOffset), widestForm);
    tarvek::growWithPage(*ui->flowCurve);  // the curve takes what a larger window gives the page

    // The product types listed and the start picture shown: the configurator as it opens.
    configurator_->showAll();
    ui->SSTab1->setCurrentIndex(0);

    calculator_->setDatabasePath(tarvek::dataFile(QStringLiteral("Gases.mdb")));
    calculator_->fillGasList();

    tarvek::showFocusFromStart(ui->lstProductType);  // the keyboard starts where the cascade does
}
