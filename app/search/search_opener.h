// How the search window is reached: the button beside the part-number finder, Ctrl+Shift+F
// from any page, and the calculator's "Valves for this flow"; and how the configuration chosen
// there reaches the configurator, through the same events a user's clicks send.
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

class QToolButton;
class QWidget;

namespace tarvek {

class ConfiguratorPage;
class SearchWindow;

struct SearchOpenerControls {
    QWidget* page;                   // the configurator page
    QToolButton* cmdFindPartNumber;  // the button is placed beside it
};

class SearchOpener : public QObject {
    Q_OBJECT
  public:
    SearchOpener(const SearchOpenerControls& controls, ConfiguratorPage& configurator);

    // The window, made (and the search's index built) the first time it is asked for.
    SearchWindow& window();
    bool opened() const;
    void open();
    // The valves that pass a flow: a minimum Cv and a rated pressure of at least the inlet's.
    void openForValves(std::optional<double> cv, std::optional<double> inletPsig);

  signals:
    // A configuration was set: the configurator page should show.
    void configuratorWanted();

  private:
    void show();

    SearchOpenerControls ui;
    ConfiguratorPage& configurator_;
    QPointer<SearchWindow> window_;
};

}  // namespace tarvek
