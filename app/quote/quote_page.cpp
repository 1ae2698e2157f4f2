#include "app/quote/quote_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/configurator/configurator_page.h"
#include "app/controls.h"
#include "app/desktop/window_keys.h"
#include "app/desktop/window_placement.h"
#include "app/quote/quotation_table_model.h"
#include "app/quote/quote_icons.h"
#include "rules/quotes/header_edit.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/quotation_messages.h"

namespace tarvek {
namespace {

constexpr int kButtonGap = 2;
constexpr int kIconMargin = 2;
// The part number's column is never narrower, the description's never narrower where the
// part numbers take room from it (in digits).
constexpr int kPartNumberDigits = 20;
constexpr int kSmallestDescriptionDigits = 16;
// Of the longest part numbers by their characters, at most so many are measured in pixels.
constexpr std::size_t kMeasuredNumbers = 64;

QLineEdit* headerBox(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    return box;
}

QToolButton* toolButton(QWidget* parent, QAction* action, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setDefaultAction(action);
    button->setAccessibleName(action->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// A row or block of the page, named so that tools and tests find the page it is on.
QWidget* part(QWidget* page, const char* name, const QString& accessibleName) {
    auto* widget = new QWidget(page);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace

QuotePage::QuotePage(ConfiguratorPage& configurator, const QuotePageControls& controls)
    : configurator_(configurator), ui_(controls) {
    model_ = new QuotationTableModel(this);
    buildCatalogueControls(controls);
    model_->editor().reset(freshQuotation());
    pricesShown_ = true;
    showPrices(configurator_.state());
}

QuotePage::~QuotePage() {
    // A PDF still being written finishes before the page it reports to is gone.
    if (pdfExport_) pdfExport_->wait();
}

const Quotation& QuotePage::quotation() const { return model_->quotation(); }

bool QuotePage::modified() const { return model_->editor().modified(); }

QAction* QuotePage::action(const char* name, const QString& text, const QKeySequence& keys, QWidget* on) {
    auto* a = new QAction(text, on);
    a->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);  // while the widget it is on shows
        a->setToolTip(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")) +
                      QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    }
    on->addAction(a);
    return a;
}

// What the catalogue's window holds of the quote: "Add to quote" and the quote's button beside
// the part number, Ctrl+Enter, and the files' keys that work from every page.
void QuotePage::buildCatalogueControls(const QuotePageControls& controls) {
    QWidget* window = controls.tabs->window();
    // The configurator's own: "Add to quote" beside the quote buttons, and Ctrl+Enter.
    add_ = action("actAddToQuote", QStringLiteral("&Add to quote"), QKeySequence(Qt::CTRL | Qt::Key_Return),
                  controls.configuratorPage);
    add_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    add_->setIcon(addToQuoteIcon());
    cmdAddToQuote_ = new QToolButton(controls.configuratorPage);
    cmdAddToQuote_->setObjectName(QStringLiteral("cmdAddToQuote"));
    cmdAddToQuote_->setDefaultAction(add_);
    cmdAddToQuote_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    cmdAddToQuote_->setAutoRaise(true);
    cmdAddToQuote_->setAccessibleName(QStringLiteral("Add to quote"));
    QWidget::setTabOrder(controls.before, cmdAddToQuote_);
    // And the quote itself, from every page of the window.
    showQuote_ = action("actShowQuote", QStringLiteral("&Quote"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q), window);
    showQuote_->setIcon(showQuoteIcon());
    connect(showQuote_, &QAction::triggered, this, &QuotePage::showPage);
    cmdShowQuote_ = new QToolButton(controls.configuratorPage);
    cmdShowQuote_->setObjectName(QStringLiteral("cmdShowQuote"));
    cmdShowQuote_->setDefaultAction(showQuote_);
    cmdShowQuote_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    cmdShowQuote_->setAutoRaise(true);
    cmdShowQuote_->setAccessibleName(QStringLiteral("Show the quote"));
    QWidget::setTabOrder(cmdAddToQuote_, cmdShowQuote_);
    placeAddButton();
    controls.partNumberCaption->installEventFilter(this);
    controls.partNumber->installEventFilter(this);

    // Files work from every page of the window; the rest while the quote's window shows.
    open_ = action("actOpenQuote", QStringLiteral("Open..."), QKeySequence::Open, window);
    save_ = action("actSaveQuote", QStringLiteral("Save"), QKeySequence::Save, window);
    saveAs_ = action("actSaveQuoteAs", QStringLiteral("Save As..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), window);

    connect(add_, &QAction::triggered, this, &QuotePage::addCurrentConfiguration);
    connect(open_, &QAction::triggered, this, [this] { chooseAndOpen(); });
    connect(save_, &QAction::triggered, this, &QuotePage::save);
    connect(saveAs_, &QAction::triggered, this, &QuotePage::chooseAndSaveAs);
    connect(model_, &QuotationTableModel::refused, this, &QuotePage::showRefusal);
    connect(model_, &QuotationTableModel::edited, this, &QuotePage::showState);
    connect(model_, &QuotationTableModel::quotationHeaderChanged, this, &QuotePage::showHeader);
    connect(&configurator_, &ConfiguratorPage::stateShown, this, &QuotePage::showPrices);
    window->installEventFilter(this);  // asked before the window closes
}

// The quote's own window, built when it is first needed: the catalogue starts without it.
void QuotePage::buildWindow() {
    if (page_) return;
    QWidget* window = ui_.tabs->window();
    // A window of its own beside the catalogue's, which keeps its three pages as they were.
    page_ = new QWidget(window, Qt::Window);
    page_->setObjectName(QStringLiteral("quotePage"));
    page_->setAccessibleName(QStringLiteral("Quote"));
    page_->setWindowTitle(QStringLiteral("Quote[*] - ") + window->windowTitle());  // * while changed
    page_->setWindowIcon(window->windowIcon());
    page_->addActions({open_, save_, saveAs_});  // in the quote's window too
    new_ = action("actNewQuote", QStringLiteral("New"), QKeySequence::New, page_);
    print_ = action("actPrintQuotation", QStringLiteral("Print..."), QKeySequence::Print, page_);
    import_ =
        action("actImportLines", QStringLiteral("Import..."), QKeySequence(Qt::CTRL | Qt::Key_I), page_);
    import_->setToolTip(QStringLiteral("Import part numbers from a CSV file or an Excel workbook (XLSX) (") +
                        import_->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    exportCsv_ = action("actExportCsv", QStringLiteral("CSV..."),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), page_);
    exportXlsx_ = action("actExportXlsx", QStringLiteral("Excel workbook (XLSX)..."),
                         QKeySequence(Qt::CTRL | Qt::Key_E), page_);
    exportPdf_ = action("actExportPdf", QStringLiteral("PDF..."),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), page_);
    undo_ = action("actUndoQuote", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), page_);
    redo_ =
        action("actRedoQuote", QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), page_);
    paste_ = action("actPasteLines", QStringLiteral("Paste lines"), QKeySequence::Paste, page_);
    delete_ = action("actDeleteLines", QStringLiteral("Delete"), QKeySequence::Delete, page_);
    duplicate_ =
        action("actDuplicateLine", QStringLiteral("Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D), page_);
    up_ = action("actLineUp", QStringLiteral("Up"), QKeySequence(Qt::ALT | Qt::Key_Up), page_);
    down_ = action("actLineDown", QStringLiteral("Down"), QKeySequence(Qt::ALT | Qt::Key_Down), page_);
    update_ =
        action("actUpdateLine", QStringLiteral("Update line"), QKeySequence(Qt::CTRL | Qt::Key_U), page_);
    show_ = action("actShowLine", QStringLiteral("Show in configurator"), QKeySequence(Qt::CTRL | Qt::Key_G),
                   page_);

    // Everything scrolls where the window is smaller than its controls need (a small screen
    // at a large scale); the table takes whatever room is left.
    auto* scroller = new QScrollArea(page_);
    scroller->setObjectName(QStringLiteral("quoteScroller"));
    scroller->setAccessibleName(QStringLiteral("Quote, scrolled to fit the screen"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(page_);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(buildToolbar());
    layout->addWidget(buildHeader());
    layout->addWidget(buildLineButtons());

    table_ = new QTableView(page_);
    table_->setObjectName(QStringLiteral("quoteLines"));
    table_->setAccessibleName(QStringLiteral("Quote lines"));
    // Del deletes lines only from the table: in a text box it deletes a character.
    page_->removeAction(delete_);
    delete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(delete_);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                            QAbstractItemView::SelectedClicked);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(false);
    // Every column in view on the catalogue's page: the description takes what is left, and
    // shows whole in its tooltip.
    const int digit = table_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const double widths[] = {3.5, kPartNumberDigits, 0, 5, 9, 7, 9, 11};  // in digits
    for (int c = 0; c < QuotationTableModel::ColumnCount; ++c)
        if (widths[c] > 0) table_->setColumnWidth(c, int(widths[c] * digit));
    table_->horizontalHeader()->setSectionResizeMode(QuotationTableModel::Description, QHeaderView::Stretch);
    table_->horizontalHeader()->setMinimumSectionSize(3 * digit);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    layout->addWidget(table_, 1);
    table_->viewport()->installEventFilter(this);  // the part numbers take the room it gets

    message_ = new QLabel(page_);
    message_->setObjectName(QStringLiteral("lblQuoteMessage"));
    message_->setAccessibleName(QStringLiteral("Quote message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(message_);

    auto* bottom = new QHBoxLayout;
    file_ = new QLabel(page_);
    file_->setObjectName(QStringLiteral("lblQuoteFile"));
    file_->setAccessibleName(QStringLiteral("Quote file"));
    totals_ = new QLabel(page_);
    totals_->setObjectName(QStringLiteral("lblQuoteTotals"));
    totals_->setAccessibleName(QStringLiteral("Quote totals"));
    totals_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = totals_->font();
    bold.setBold(true);
    totals_->setFont(bold);
    bottom->addWidget(file_, 1);
    bottom->addWidget(totals_);
    layout->addLayout(bottom);

    scroller->setWidget(content);
    page_->resize(page_->sizeHint().expandedTo(window->size()));
    giveActionKeysToWindow(*page_);
    wireWindowActions();
    showHeader();
    showState();
    showPriceColumns();
}

QWidget* QuotePage::page() {
    buildWindow();
    return page_;
}

void QuotePage::showPage() {
    buildWindow();
    // Opened over the catalogue's window, within the screen it is on.
    if (!page_->isVisible()) placeOver(*page_, *ui_.tabs->window(), QPoint(40, 40));
    page_->show();
    page_->raise();
    page_->activateWindow();
}

QWidget* QuotePage::buildToolbar() {
    auto* bar = part(page_, "quoteFileBar", QStringLiteral("Quote files"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(toolButton(bar, new_, "cmdQuoteNew"));
    // Open, with the recent quotes on its arrow: one button's width.
    QToolButton* openButton = toolButton(bar, open_, "cmdQuoteOpen");
    recentMenu_ = new QMenu(openButton);
    recentMenu_->setObjectName(QStringLiteral("mnuQuoteRecent"));
    recentMenu_->setAccessibleName(QStringLiteral("Recent quotes"));
    recentMenu_->setTitle(QStringLiteral("Recent quotes"));
    openButton->setMenu(recentMenu_);
    openButton->setPopupMode(QToolButton::MenuButtonPopup);
    openButton->setToolTip(open_->toolTip() + QStringLiteral("; the arrow lists the recent quotes"));
    // Read when it opens: the settings are not touched at start-up.
    connect(recentMenu_, &QMenu::aboutToShow, this, &QuotePage::fillRecentMenu);
    row->addWidget(openButton);
    row->addWidget(toolButton(bar, save_, "cmdQuoteSave"));
    row->addWidget(toolButton(bar, saveAs_, "cmdQuoteSaveAs"));
    row->addSpacing(6);
    row->addWidget(toolButton(bar, import_, "cmdQuoteImport"));
    auto* exportButton = new QToolButton(bar);
    exportButton->setObjectName(QStringLiteral("cmdQuoteExport"));
    exportButton->setText(QStringLiteral("E&xport"));
    exportButton->setAccessibleName(QStringLiteral("Export quote"));
    auto* exportMenu = new QMenu(exportButton);
    exportMenu->setObjectName(QStringLiteral("mnuQuoteExport"));
    exportMenu->setAccessibleName(QStringLiteral("Export formats"));
    exportMenu->addActions({exportCsv_, exportXlsx_, exportPdf_});
    exportButton->setMenu(exportMenu);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    row->addWidget(exportButton);
    row->addWidget(toolButton(bar, print_, "cmdQuotePrint"));
    row->addStretch(1);
    row->addWidget(toolButton(bar, undo_, "cmdQuoteUndo"));
    row->addWidget(toolButton(bar, redo_, "cmdQuoteRedo"));
    return bar;
}

QWidget* QuotePage::buildHeader() {
    auto* header = part(page_, "quoteHeader", QStringLiteral("Quote header"));
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    customer_ = headerBox(header, "txtQuoteCustomer", QStringLiteral("Customer"));
    contact_ = headerBox(header, "txtQuoteContact", QStringLiteral("Contact"));
    reference_ = headerBox(header, "txtQuoteReference", QStringLiteral("Reference"));
    number_ = headerBox(header, "txtQuoteNumber", QStringLiteral("Quote number"));
    discount_ = headerBox(header, "txtQuoteDiscount", QStringLiteral("Quote discount %"));
    discount_->setToolTip(QStringLiteral("For every line without a discount of its own"));
    date_ = new QDateEdit(header);
    date_->setObjectName(QStringLiteral("dtpQuoteDate"));
    date_->setAccessibleName(QStringLiteral("Quote date"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    validity_ = new QSpinBox(header);
    validity_->setObjectName(QStringLiteral("spnQuoteValidity"));
    validity_->setAccessibleName(QStringLiteral("Valid for days"));
    validity_->setRange(0, kMostValidityDays);
    validity_->setSuffix(QStringLiteral(" days"));
    priceList_ = new QLabel(header);
    priceList_->setObjectName(QStringLiteral("lblQuotePriceList"));
    priceList_->setAccessibleName(QStringLiteral("Price list"));
    notes_ = new QPlainTextEdit(header);
    notes_->setObjectName(QStringLiteral("txtQuoteNotes"));
    notes_->setAccessibleName(QStringLiteral("Notes"));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 2 + 10);

    const auto caption = [&](const QString& text, QWidget* buddy, int row, int column) {
        auto* label = new QLabel(text, header);
        label->setBuddy(buddy);
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(buddy, row, column + 1);
        return label;
    };
    // Texts at the left; the date, the validity, the discount and the price list at the right,
    // the discount's figures right-aligned as numbers are.
    caption(QStringLiteral("C&ustomer"), customer_, 0, 0);
    caption(QStringLiteral("Da&te"), date_, 0, 2);
    caption(QStringLiteral("Co&ntact"), contact_, 1, 0);
    caption(QStringLiteral("&Valid for"), validity_, 1, 2);
    caption(QStringLiteral("&Reference"), reference_, 2, 0);
    discountCaption_ = caption(QStringLiteral("Dis&count %"), discount_, 2, 2);
    discount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("Quote &No."), number_, 3, 0);
    auto* listCaption = new QLabel(QStringLiteral("Price list"), header);
    grid->addWidget(listCaption, 3, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(priceList_, 3, 3, 1, 2);
    caption(QStringLiteral("N&otes"), notes_, 4, 0);
    grid->addWidget(notes_, 4, 1, 1, 4);
    // The figures at the right as wide as they need; the texts take the room.
    for (QWidget* figure :
         {static_cast<QWidget*>(date_), static_cast<QWidget*>(validity_), static_cast<QWidget*>(discount_)})
        figure->setMaximumWidth(figure->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) * 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 1);

    for (QLineEdit* box : {customer_, contact_, reference_, number_, discount_})
        connect(box, &QLineEdit::editingFinished, this, &QuotePage::commitHeader);
    connect(date_, &QDateEdit::dateChanged, this, &QuotePage::commitHeader);
    connect(validity_, &QSpinBox::valueChanged, this, &QuotePage::commitHeader);
    notes_->installEventFilter(this);  // the notes are taken when the box is left
    return header;
}

QWidget* QuotePage::buildLineButtons() {
    auto* bar = part(page_, "quoteLineBar", QStringLiteral("Quote lines' buttons"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(toolButton(bar, paste_, "cmdQuotePaste"));
    row->addWidget(toolButton(bar, up_, "cmdQuoteLineUp"));
    row->addWidget(toolButton(bar, down_, "cmdQuoteLineDown"));
    row->addWidget(toolButton(bar, duplicate_, "cmdQuoteDuplicate"));
    row->addWidget(toolButton(bar, delete_, "cmdQuoteDelete"));
    row->addStretch(1);
    row->addWidget(toolButton(bar, show_, "cmdQuoteShowLine"));
    row->addWidget(toolButton(bar, update_, "cmdQuoteUpdateLine"));
    return bar;
}

void QuotePage::wireWindowActions() {
    connect(new_, &QAction::triggered, this, &QuotePage::newQuotation);
    connect(print_, &QAction::triggered, this, &QuotePage::print);
    connect(import_, &QAction::triggered, this, &QuotePage::importCsv);
    connect(exportCsv_, &QAction::triggered, this, [this] { chooseAndExport(".csv"); });
    connect(exportXlsx_, &QAction::triggered, this, [this] { chooseAndExport(".xlsx"); });
    connect(exportPdf_, &QAction::triggered, this, [this] { chooseAndExport(".pdf"); });
    connect(undo_, &QAction::triggered, this, [this] { model_->editor().undo(); });
    connect(redo_, &QAction::triggered, this, [this] { model_->editor().redo(); });
    connect(paste_, &QAction::triggered, this, &QuotePage::pasteLines);
    connect(delete_, &QAction::triggered, this, &QuotePage::deleteLines);
    connect(duplicate_, &QAction::triggered, this, &QuotePage::duplicateLine);
    connect(up_, &QAction::triggered, this, [this] { moveLine(-1); });
    connect(down_, &QAction::triggered, this, [this] { moveLine(+1); });
    connect(update_, &QAction::triggered, this, [this] { updateLine(currentRow()); });
    connect(show_, &QAction::triggered, this, [this] { showLineInConfigurator(currentRow()); });
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // The cells that edit in place edit; elsewhere the line goes to the configurator.
        if (!(model_->flags(index) & Qt::ItemIsEditable)) showLineInConfigurator(index.row());
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &QuotePage::showState);
}

// Square, as high as the caption row, left of the copy and print buttons at its right end.
void QuotePage::placeAddButton() {
    const QRect row = ui_.partNumberCaption->geometry();
    const int side = row.height(), right = ui_.partNumber->geometry().right() + 1;
    cmdAddToQuote_->setGeometry(right - 3 * side - 2 * kButtonGap, row.y(), side, side);
    cmdAddToQuote_->setIconSize(QSize(side - 2 * kIconMargin, side - 2 * kIconMargin));
    cmdAddToQuote_->raise();
    cmdShowQuote_->setGeometry(right - 4 * side - 3 * kButtonGap, row.y(), side, side);
    cmdShowQuote_->setIconSize(cmdAddToQuote_->iconSize());
    cmdShowQuote_->raise();
}

bool QuotePage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (table_ && watched == table_->viewport() && event->type() == QEvent::Resize) fitPartNumbers();
            if (watched == ui_.partNumberCaption || watched == ui_.partNumber) placeAddButton();
            return false;
        case QEvent::FocusOut:
            if (watched == notes_) commitHeader();
            return false;
        case QEvent::Close:
            if (watched == ui_.tabs->window() && !mayDiscard()) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool QuotePage::addCurrentConfiguration() {
    const ConfiguratorState& state = configurator_.state();
    if (state.partNumber.empty()) return false;
    if (roomInQuote(quotation()) == 0) {
        showMessage(qstr(kQuoteIsFull));
        return false;
    }
    QuotationLine line = lineOf(state, eventsReaching(state));
    const QString partNumber = qstr(line.partNumber);
    model_->editor().appendLines({std::move(line)}, "add " + state.partNumber);
    const int row = model_->rowCount() - 1;
    selectRow(row);
    showMessage(qstr(addedLineMessage(partNumber.toStdString(), std::size_t(row))));
    return true;
}

PastedQuotationLines QuotePage::addPastedText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    // A quote holds as many lines as its document may: the rows past that are named, not added.
    return addPastedLines(readPastedLines(std::string_view(utf8.constData(), std::size_t(utf8.size())),
                                          roomInQuote(quotation())));
}

PastedQuotationLines QuotePage::addPastedLines(const PastedLines& read) {
    PastedQuotationLines pasted = quotationLinesOf(read);
    const int first = model_->rowCount();
    const std::size_t added = pasted.lines.size();
    model_->editor().appendLines(std::move(pasted.lines), added == 1 ? "paste a line" : "paste lines");
    pasted.lines.clear();
    if (added > 0) selectRow(first);
    showMessage(qstr(pastedLinesMessage(added, pasted.problems)),
                qstr(pastedProblemsDetails(pasted.problems)));
    return pasted;
}

bool QuotePage::showLineInConfigurator(int row) {
    if (row < 0 || row >= model_->rowCount()) return false;
    const QuotationLine& line = quotation().lines[std::size_t(row)];
    if (line.events.empty()) {
        showMessage(qstr(lineGoneMessage(std::size_t(row), line.partNumber)));
        return false;
    }
    configurator_.apply(line.events);
    ui_.tabs->setCurrentIndex(0);
    QWidget* window = ui_.tabs->window();
    window->raise();
    window->activateWindow();
    return true;
}

bool QuotePage::updateLine(int row) {
    const ConfiguratorState& state = configurator_.state();
    if (row < 0 || row >= model_->rowCount() || state.partNumber.empty()) return false;
    model_->editor().updateLine(std::size_t(row), lineOf(state, eventsReaching(state)));
    showMessage(qstr(lineUpdatedMessage(std::size_t(row), state.partNumber)));
    return true;
}

void QuotePage::pasteLines() {
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        showMessage(qstr(kNothingToPaste));
        return;
    }
    addPastedText(text);
}

void QuotePage::deleteLines() { model_->editor().removeLines(selectedRows()); }

void QuotePage::duplicateLine() {
    const int row = currentRow();
    if (row < 0) return;
    if (roomInQuote(quotation()) == 0) {
        showMessage(qstr(kQuoteIsFull));
        return;
    }
    model_->editor().duplicateLine(std::size_t(row));
    selectRow(row + 1);
}

void QuotePage::moveLine(int by) {
    const int row = currentRow();
    if (row >= 0 && model_->editor().moveLine(std::size_t(row), by)) selectRow(row + by);
}

std::vector<std::size_t> QuotePage::selectedRows() const {
    std::vector<std::size_t> rows;
    if (!table_) return rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(std::size_t(index.row()));
    if (rows.empty() && currentRow() >= 0) rows.push_back(std::size_t(currentRow()));
    return rows;
}

int QuotePage::currentRow() const {
    if (!table_) return -1;
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QuotePage::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    buildWindow();
    // The row alone, whatever keys are held while an action runs.
    table_->selectionModel()->setCurrentIndex(
        model_->index(row, QuotationTableModel::PartNumber),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(model_->index(row, 0));
}

void QuotePage::showHeader() {
    if (!page_) return;  // shown when the window is built
    const QuotationHeader& h = quotation().header;
    const QSignalBlocker blockers[] = {QSignalBlocker(customer_),  QSignalBlocker(contact_),
                                       QSignalBlocker(reference_), QSignalBlocker(number_),
                                       QSignalBlocker(discount_),  QSignalBlocker(date_),
                                       QSignalBlocker(validity_),  QSignalBlocker(notes_)};
    const auto set = [](QLineEdit* box, const std::string& text) {
        if (box->text() != qstr(text)) box->setText(qstr(text));
    };
    set(customer_, h.customer);
    set(contact_, h.contact);
    set(reference_, h.reference);
    set(number_, h.number);
    set(discount_, h.discount ? percentText(*h.discount) : std::string());
    date_->setDate(QDate::fromString(qstr(h.date), Qt::ISODate));
    validity_->setValue(h.validityDays);
    if (notes_->toPlainText() != qstr(h.notes)) notes_->setPlainText(qstr(h.notes));
    priceList_->setText(qstr(h.priceList));
    showTotals();
}

// What the header's fields hold becomes the quotation's header: one step to undo. Each field
// is edited by the rules, as in the browser: an entry not taken (a control character, an
// empty quote number, a discount out of range) is said on the message line and the field
// shows what the quote holds; an entry taken clears the message line.
void QuotePage::commitHeader() {
    if (!page_) return;  // nobody could have typed into it
    QuotationHeader h = quotation().header;
    const std::pair<const char*, QString> typed[] = {{"customer", customer_->text()},
                                                     {"contact", contact_->text()},
                                                     {"reference", reference_->text()},
                                                     {"number", number_->text()},
                                                     {"notes", notes_->toPlainText()},
                                                     {"discount", discount_->text()},
                                                     {"date", date_->date().toString(Qt::ISODate)},
                                                     {"validity", QString::number(validity_->value())}};
    QString refusal;
    for (const auto& [field, text] : typed) {
        const std::string said = editHeader(h, field, text.toStdString());
        if (said.empty()) continue;
        refusal = qstr(said);
        if (std::string_view(field) == "discount") {  // the reason beside the box too
            std::string problem;
            parsePercent(text.trimmed().toStdString(), &problem);
            QToolTip::showText(discount_->mapToGlobal(QPoint(0, discount_->height())), qstr(problem),
                               discount_);
        }
    }
    const bool changed = h != quotation().header;
    if (changed) model_->editor().setHeader(std::move(h), "edit the quote's header");
    if (!refusal.isEmpty() || changed) showMessage(refusal);
    showHeader();  // a refused or trimmed entry shows what the quote holds
}

void QuotePage::showTotals() {
    if (!page_) return;
    totals_->setText(qstr(totalsText(quotation(), pricesShown_)));
}

void QuotePage::showState() {
    add_->setEnabled(!configurator_.state().partNumber.empty());
    if (!page_) return;  // shown when the window is built
    QuotationEditor& editor = model_->editor();
    undo_->setEnabled(editor.canUndo());
    redo_->setEnabled(editor.canRedo());
    // The buttons keep their width; the tooltip says what would be undone.
    undo_->setToolTip(editor.canUndo()
                          ? QStringLiteral("Undo ") + qstr(editor.undoText()) + QStringLiteral(" (Ctrl+Z)")
                          : QStringLiteral("Undo (Ctrl+Z)"));
    redo_->setToolTip(editor.canRedo() ? QStringLiteral("Redo ") + qstr(editor.redoText()) +
                                             QStringLiteral(" (Ctrl+Shift+Z)")
                                       : QStringLiteral("Redo (Ctrl+Shift+Z)"));
    const bool hasLine = currentRow() >= 0;
    for (QAction* a : {delete_, duplicate_, update_, show_}) a->setEnabled(hasLine);
    up_->setEnabled(hasLine && currentRow() > 0);
    down_->setEnabled(hasLine && currentRow() + 1 < model_->rowCount());
    update_->setEnabled(hasLine && !configurator_.state().partNumber.empty());
    showTotals();
    updateTitle();
    fitPartNumbers();
}

// As wide as the longest part number of the quote where the table has room beside the other
// columns and a readable description; the description shows whole in its tooltip.
void QuotePage::fitPartNumbers() {
    const std::vector<QuotationLine>& lines = quotation().lines;
    std::size_t longest = 0;
    for (const QuotationLine& line : lines) longest = std::max(longest, line.partNumber.size());
    // In a proportional font the widest is among the longest by a character or so.
    const QFontMetrics metrics = table_->fontMetrics();
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    int widest = 0;
    std::size_t measured = 0;
    for (const QuotationLine& line : lines)
        if (line.partNumber.size() + 1 >= longest && measured++ < kMeasuredNumbers)
            widest = std::max(widest, metrics.horizontalAdvance(qstr(line.partNumber)));
    int others = kSmallestDescriptionDigits * digit;
    for (int c = 0; c < QuotationTableModel::ColumnCount; ++c)
        if (c != QuotationTableModel::PartNumber && c != QuotationTableModel::Description &&
            !table_->isColumnHidden(c))
            others += table_->columnWidth(c);
    const int room = table_->viewport()->width() - others;
    const int wanted = std::max(kPartNumberDigits * digit, widest + 2 * digit);  // a digit's margin each side
    // A longer number than the window was widened for widens it where the screen has room
    // (once: a window the user made narrower stays so); its new width fits the column again.
    if (wanted > room && widest > widenedFor_ && page_->isVisible()) {
        widenedFor_ = widest;
        if (widenWithinScreen(*page_, wanted - room)) return;
    }
    table_->setColumnWidth(QuotationTableModel::PartNumber,
                           std::max(kPartNumberDigits * digit, std::min(wanted, room)));
}

void QuotePage::showPrices(const ConfiguratorState& state) {
    add_->setEnabled(!state.partNumber.empty());
    if (update_) update_->setEnabled(currentRow() >= 0 && !state.partNumber.empty());
    if (state.pricesShown == pricesShown_) return;
    pricesShown_ = state.pricesShown;
    model_->setPricesShown(pricesShown_);
    showPriceColumns();
}

void QuotePage::showPriceColumns() {
    if (!page_) return;
    for (int c = QuotationTableModel::ListPrice; c < QuotationTableModel::ColumnCount; ++c)
        table_->setColumnHidden(c, !pricesShown_);
    discount_->setVisible(pricesShown_);
    discountCaption_->setVisible(pricesShown_);
    showTotals();
}

void QuotePage::showMessage(const QString& text, const QString& details) {
    buildWindow();
    message_->setText(text);
    message_->setToolTip(details);
}

QString QuotePage::message() const { return message_ ? message_->text() : QString(); }

void QuotePage::showRefusal(const QModelIndex& index, const QString& reason) {
    const QString text = qstr(cellRefusalText(reason.toStdString()));
    const QRect cell = table_->visualRect(index);
    QToolTip::showText(table_->viewport()->mapToGlobal(cell.bottomLeft()), text, table_->viewport(), cell);
    showMessage(qstr(cellRefusalMessage(std::size_t(index.row()), reason.toStdString())));
}

}  // namespace tarvek
