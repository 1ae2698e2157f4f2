// The quote page: a quotation of many lines for one customer. Lines come from the
// configurator ("Add to quote", Ctrl+Enter there), from pasted or imported part numbers, or
// from a saved quote; they are edited in place, reordered, duplicated and deleted, every edit
// undoable; the quote is saved as a document, exported as CSV, XLSX or PDF, and printed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "app/quote/quotation_files.h"
#include "rules/quotes/pasted_lines.h"

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTableView;
class QThread;
class QToolButton;
class QWidget;

namespace tarvek {

class ConfiguratorPage;
class QuotationTableModel;
struct ConfiguratorState;

struct QuotePageControls {
    QTabWidget* tabs;            // the window's pages: a line shown in the configurator shows its page
    QWidget* configuratorPage;   // Ctrl+Enter adds to the quote there
    QWidget* partNumberCaption;  // the row under the part number, where "Add to quote" goes
    QWidget* partNumber;         // the button ends left of the quote buttons at its right end
    QWidget* before;             // the button follows it in the tab order
};

// Owned by the window, which deletes it before the configurator page it adds from.
class QuotePage : public QObject {
    Q_OBJECT
  public:
    QuotePage(ConfiguratorPage& configurator, const QuotePageControls& controls);
    ~QuotePage() override;

    // The quote's own window, shown beside the catalogue's (Ctrl+Shift+Q there); built when
    // first needed.
    QWidget* page();
    void showPage();
    const Quotation& quotation() const;
    QuotationTableModel& model() { return *model_; }
    bool modified() const;
    const QString& filePath() const { return path_; }

    // The configuration on the configurator as a new line of quantity 1; false without one.
    bool addCurrentConfiguration();
    // Part numbers with quantities and discounts, one per row; what was not added is listed.
    PastedQuotationLines addPastedText(const QString& text);
    // The rows of a paste or of a file, read for this quote's room: added in one step.
    PastedQuotationLines addPastedLines(const PastedLines& read);
    // A file of part numbers (CSV or the like, or a workbook: XLSX), read as a paste; false,
    // with a warning saying why, when it cannot be read (the quote then stays as it was).
    bool importFile(const QString& path);
    // The configurator set to a line; false for a line the catalogue no longer has.
    bool showLineInConfigurator(int row);
    // The configuration on the configurator in the place of a line.
    bool updateLine(int row);

    // Files. Each returns false when it did not happen (a problem was told, or the user said no).
    bool newQuotation();
    bool open(const QString& path);
    bool save();  // to its file, or asks for one
    bool saveAs(const QString& path);
    bool exportTo(const QString& path);  // .csv, .xlsx or .pdf by the name's ending
    void print();
    // Asked before the window closes or another quote replaces this one: true to go on.
    bool mayDiscard();
    QStringList recentFiles() const;
    // A PDF export runs in a worker thread; true while one does.
    bool exporting() const;

    // The message under the table (what was added, what was not, what changed).
    QString message() const;

  signals:
    void exportFinished(const QString& path, const QString& problem);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildCatalogueControls(const QuotePageControls& controls);
    void buildWindow();
    QWidget* buildHeader();
    QWidget* buildToolbar();
    QWidget* buildLineButtons();
    QAction* action(const char* name, const QString& text, const QKeySequence& keys, QWidget* on);
    void wireWindowActions();
    QWidget* dialogParent();
    void placeAddButton();

    void showHeader();
    void commitHeader();
    void showTotals();
    void showState();
    void showPrices(const ConfiguratorState& state);
    void showPriceColumns();
    void fitPartNumbers();
    void showMessage(const QString& text, const QString& details = {});
    void showRefusal(const QModelIndex& index, const QString& reason);
    std::vector<std::size_t> selectedRows() const;
    int currentRow() const;
    void selectRow(int row);

    void pasteLines();
    void importCsv();
    void deleteLines();
    void duplicateLine();
    void moveLine(int by);
    void chooseAndOpen(const QString& path = {});
    bool chooseAndSaveAs();
    void chooseAndExport(const char* extension);
    // An empty text when remembered, else a sentence saying why not.
    QString rememberRecent(const QString& path);
    QString dialogFolder() const;
    void rememberFolder(const QString& path);
    void fillRecentMenu();
    void updateTitle();
    Quotation freshQuotation() const;
    bool writeTo(const QString& path);

    ConfiguratorPage& configurator_;
    QuotePageControls ui_;
    QWidget* page_ = nullptr;
    QuotationTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit *customer_ = nullptr, *contact_ = nullptr, *reference_ = nullptr, *number_ = nullptr,
              *discount_ = nullptr;
    QDateEdit* date_ = nullptr;
    QSpinBox* validity_ = nullptr;
    QLabel *priceList_ = nullptr, *discountCaption_ = nullptr, *totals_ = nullptr, *message_ = nullptr,
           *file_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QToolButton *cmdAddToQuote_ = nullptr, *cmdShowQuote_ = nullptr;
    QAction *add_ = nullptr, *showQuote_ = nullptr, *undo_ = nullptr, *redo_ = nullptr, *paste_ = nullptr,
            *delete_ = nullptr, *duplicate_ = nullptr, *up_ = nullptr, *down_ = nullptr, *update_ = nullptr,
            *show_ = nullptr, *new_ = nullptr, *open_ = nullptr, *save_ = nullptr, *saveAs_ = nullptr,
            *print_ = nullptr, *import_ = nullptr, *exportCsv_ = nullptr, *exportXlsx_ = nullptr,
            *exportPdf_ = nullptr;
    QString path_;        // the file the quote was opened from or saved to; empty: none yet
    FileStamp stamp_;     // the file as it was then
    QString lastFolder_;  // of the last file opened, saved, imported or exported
    bool pricesShown_ = true;
    int widenedFor_ = 0;  // the widest part number the window was widened for, in pixels
    QPointer<QThread> pdfExport_;
};

}  // namespace tarvek
