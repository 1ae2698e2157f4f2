// The catalogue's one window: three pages (configurator, literature, technical
// information), the search by requirement and the quote page beside them, whose controls are
// wired to the subsystems that handle them.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmTarvekProducts;
}
namespace tarvek {
class ConfiguratorPage;
class PartNumberFinder;
class CalculatorPage;
class CalculatorViews;
class SizingView;
class Literature;
class SearchOpener;
class QuotePage;
}  // namespace tarvek

class frmTarvekProducts : public QWidget {
    Q_OBJECT
  public:
    explicit frmTarvekProducts(QWidget* parent = nullptr);
    ~frmTarvekProducts() override;

    tarvek::ConfiguratorPage& configurator() { return *configurator_; }
    tarvek::CalculatorPage& calculator() { return *calculator_; }
    tarvek::Literature& literature() { return *literature_; }
    tarvek::SearchOpener& search() { return *search_; }
    tarvek::QuotePage& quotePage() { return *quotePage_; }

    // Sets the configurator to a part number, or explains beside the find field why not.
    bool findPartNumber(const QString& partNumber);

  private:
    void setUpControls();
    void Form_Load();

    std::unique_ptr<Ui::frmTarvekProducts> ui;
    std::unique_ptr<tarvek::ConfiguratorPage> configurator_;
    std::unique_ptr<tarvek::CalculatorPage> calculator_;
    std::unique_ptr<tarvek::CalculatorViews> calculatorViews_;
    std::unique_ptr<tarvek::Literature> literature_;
    tarvek::PartNumberFinder* finder_ = nullptr;
    tarvek::SearchOpener* search_ = nullptr;
    // Goes before the configurator it adds from: its boxes' last edits, sent as the window
    // closes, find no page to take them.
    std::unique_ptr<tarvek::QuotePage> quotePage_;
};
