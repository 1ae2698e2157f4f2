// The configurator page: the configuration record, the cascade of lists, the options and
// the prices. Handlers are named after their control and event; each subsystem's
// handlers are defined beside the catalogue table they read.
#pragma once

#include <QObject>
#include <string_view>

#include "config/configuration_record.h"

class QLabel;
class QComboBox;
namespace Ui {
class frmTarvekProducts;
}

namespace tarvek {

struct Actuator;
struct RegulatorRange;
struct FlowComponent;
struct SparePart;
struct Fitting;

class Configurator : public QObject {
    Q_OBJECT
public:
    explicit Configurator(Ui::frmTarvekProducts& ui);

    const ConfigurationRecord& record() const { return record_; }

    // The three form procedures every selection ends with, in this order.
    void CalculatePartNumber();
    void CalculatePricing();
    void NonStandardCheck();

    // The cascade (catalogue/*_selection.cpp).
    void lstProductType_Click();
    void lstBody_Click();
    void lstModel_Click();
    void lstPorting_Click();
    void lstConn1_Click();
    void lstConn2_Click();
    void lstConn3_Click();
    void lstConn4_Click();

    // The options (config/option_handlers.cpp).
    void optStd_Click();
    void optVSKZ_Click();
    void optB5EP_Click();
    void optBL_Click();
    void optBK_Click();
    void optGR_Click();
    void optRD_Click();
    void optWH_Click();
    void optYW_Click();
    void chkLS_Click();

    // Prices (app/configurator.cpp).
    void lblPrice_Change();
    void txtDiscount_Change();
    void Image2_DblClick();

private:
    // The list whose choice resets everything below it (its value is the first row reset).
    enum class Chosen { ProductType = 0, Body = 1, Model = 2 };

    void connectControls();
    void recalculate();
    void resetBelow(Chosen chosen);
    void resetConnections();
    void resetSeatGroup();
    void resetHandleGroup();
    void clearPicture();
    void showPicture(std::string_view fileName);
    void setListPrice(const QString& text);

    void seatOption_Click(int index);
    void colourOption_Click(int index);
    void connection_Click(int position);

    void chooseActuator(const Actuator& actuator);
    void chooseRegulatorRange(const RegulatorRange& range);
    void chooseFlowComponent(const FlowComponent& component);
    void chooseSparePart(const SparePart& part);
    void chooseFitting(const Fitting& fitting);

    Ui::frmTarvekProducts& ui;
    ConfigurationRecord record_;
};

}  // namespace tarvek
