// Copy quote (Ctrl+C) and Print quote (Ctrl+P) on the configurator page: two small buttons
// at the right end of the row under the part number, the part number's context menu and the
// shortcuts, all enabled once there is a part number.
#pragma once

#include <QObject>

class QAction;
class QLabel;
class QToolButton;
class QWidget;

namespace tarvek {

class ConfiguratorPage;
struct ConfiguratorState;

struct QuoteControls {
    QWidget* page;              // the configurator page: the shortcuts work while it shows
    QLabel* lblPartNumber;      // its context menu holds both actions
    QLabel* partNumberCaption;  // the row under the part number the buttons end
    QWidget* before;            // the buttons follow it in the tab order
};

class QuoteActions : public QObject {
    Q_OBJECT
  public:
    QuoteActions(const ConfiguratorPage& configurator, const QuoteControls& controls);

    // The plain-text and HTML quote onto the clipboard.
    void copy();
    // A print preview of the quote page, from which the user prints.
    void print();
    // The last of the buttons in the tab order, for controls that follow them.
    QWidget* lastButton() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void enableFor(const ConfiguratorState& state);
    void placeButtons();

    const ConfiguratorPage& configurator_;
    QuoteControls ui_;
    QAction* copy_;
    QAction* print_;
    QToolButton* cmdCopyQuote_;
    QToolButton* cmdPrintQuote_;
};

}  // namespace tarvek
