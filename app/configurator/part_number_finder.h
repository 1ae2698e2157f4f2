// The "Find part number" field of the configurator page: a typed or pasted part number sets
// the configurator to it, through the same events a user's clicks send; one that is not
// the catalogue's is explained beside the field and changes nothing.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace tarvek {

class ConfiguratorPage;

struct FinderControls {
    QWidget* page;  // the configurator page: its shortcuts act there
    QLineEdit* txtFindPartNumber;
    QLabel* lblFindResult;
    QToolButton* cmdFindPartNumber;  // beside the part number box
};

class PartNumberFinder : public QObject {
    Q_OBJECT
  public:
    PartNumberFinder(const FinderControls& controls, ConfiguratorPage& configurator);

    // Looks the text up; true when the configurator was set to it.
    bool find(const QString& text);
    // Puts the focus into the field, its text selected.
    void focusField();

  signals:
    // The page should be shown (a shortcut from another page, a paste).
    void pageWanted();
    // A paste held several part numbers: the field looked up the first; the window may
    // offer to put them all on the quote.
    void severalPasted(const QString& text, int count);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void pasteIntoField();
    void lookUpPaste(const QString& pasted);
    // The answer beside the field, whole: its text, tooltip and description for screen readers.
    void showResult(const QString& text);
    void bringIntoView();

    FinderControls ui;
    ConfiguratorPage& configurator_;
    QPointer<QWidget> focusBefore_;  // where Escape returns to
    QRect resultHome_;               // the answer's own place, which it grows upwards from
};

}  // namespace tarvek
