// The configurator page as the view of the configurator model: each user event on its
// controls goes to the model, and the controls then show the model's new state.
#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "rules/configurator/configurator.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class PictureBox;

namespace tarvek {

// The page's own controls, in the order of the model's lists and options.
struct ConfiguratorControls {
    std::array<QComboBox*, kListCount> lists;
    std::array<QLabel*, kListCount> captions;
    QGroupBox *fraOptionsSeat, *fraOptionsColor;
    std::array<QAbstractButton*, kOptionCount> options;
    QLabel* lblPartNumber;
    QLabel *Label3, *lblPrice;  // caption and list price
    QLabel* Label6;             // caption of the discount
    QLineEdit* txtDiscount;
    QLabel *Label4, *lblNetPrice;  // caption and net price
    QLabel* lblNS1;
    QGroupBox* fraPicture;
    PictureBox* imgPicture;
    QLabel *lblValveDescription, *lblVBlock, *lblCompartFittings, *lblWikaGauges;
    PictureBox* Image2;
};

class ConfiguratorPage : public QObject {
    Q_OBJECT
  public:
    explicit ConfiguratorPage(const ConfiguratorControls& controls);

    const Configurator& configurator() const { return model_; }
    const ConfiguratorState& state() const { return model_.state(); }
    const ConfigurationRecord& record() const { return model_.state().record; }

    // The same events a user's clicks send; each shows the state it leads to.
    void choose(List list, int entry);
    void click(Option option);
    // A series of such events, shown once at the end.
    void apply(const std::vector<ConfiguratorEvent>& events);

    // Makes every control show the model's state, lists and picture included: at start-up.
    void showAll();

  signals:
    // After every event, once the controls show the state it led to.
    void stateShown(const tarvek::ConfiguratorState& state);

  private:
    void connectControls();
    void show(const ConfiguratorState& state);
    void showList(std::size_t list, const ListState& state);
    void showOptions(const ConfiguratorState& state);
    void showPrices(const ConfiguratorState& state);
    void showNotices(const ConfiguratorState& state);
    void showPicture(const ConfiguratorState& state);

    ConfiguratorControls ui;
    Configurator model_;
    std::array<Entries, kListCount> shownEntries_;  // a list is refilled only when its entries change
};

}  // namespace tarvek
