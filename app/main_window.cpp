#include "app/main_window.h"

#include <QDir>
#include <QScreen>
#include <QTabBar>

#include "app/calculator/calculator_views.h"
#include "app/configurator.h"
#include "app/controls.h"
#include "catalogue/product_types.h"
#include "flowcalc/calculator.h"
#include "literature/literature.h"
#include "ui_main_window.h"

namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr int kWindowOffset = 500 / kTwipsPerPixel;

}  // namespace

frmTarvekProducts::frmTarvekProducts(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmTarvekProducts>()) {
    ui->setupUi(this);
    setUpControls();
    configurator_ = std::make_unique<tarvek::Configurator>(*ui);
    calculator_ = std::make_unique<tarvek::Calculator>(*ui, this);
    calculatorViews_ = std::make_unique<tarvek::CalculatorViews>(tarvek::CalculatorViewControls{
        {ui->optMassFlow, ui->optCv, ui->txtTemperature, ui->txtInletPressure, ui->txtOutletPressure,
         ui->lblSpecificGravity, ui->txtXtFactor, ui->txtCv, ui->txtMassFlow},
        ui->lblMassFlow, ui->lblCv, ui->lblOtherUnits, ui->flowCurve});
    connect(calculator_.get(), &tarvek::Calculator::calculated, calculatorViews_.get(),
            &tarvek::CalculatorViews::refresh);
    literature_ = std::make_unique<tarvek::Literature>(*ui);
    Form_Load();
}

frmTarvekProducts::~frmTarvekProducts() = default;

// What a Designer form cannot say: bold page captions, the part number's odd point size,
// and option captions that stay regular when their frame turns bold.
void frmTarvekProducts::setUpControls() {
    setFixedSize(size());  // a form laid out to the pixel: growing it would only add empty space
    setWindowIcon(QIcon(QStringLiteral(":/tarvek/icon.png")));
    ui->Image2->setPicture(tarvek::Picture::fromImage(QImage(QStringLiteral(":/tarvek/brand.png"))));

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
}

void frmTarvekProducts::Form_Load() {
    if (const QScreen* screen = this->screen())
        move(screen->geometry().topLeft() + QPoint(kWindowOffset, kWindowOffset));

    ui->lstProductType->clear();
    tarvek::addEntries(ui->lstProductType, tarvek::kProductTypeEntries);

    ui->SSTab1->setCurrentIndex(0);

    ui->imgPicture->loadPicture(tarvek::qstr(tarvek::kStartPicture));
    ui->imgPicture->show();

    calculator_->setDatabasePath(QDir::currentPath() + QDir::separator() + QStringLiteral("Gases.mdb"));
    calculator_->Populate_ListBox();
}
