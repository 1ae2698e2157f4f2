#include "app/search/search_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTreeView>
#include <algorithm>

#include "app/busy_cursor.h"
#include "app/controls.h"
#include "app/search/facet_box.h"
#include "app/search/search_clipboard.h"
#include "app/search/search_results_model.h"
#include "rules/search/search_texts.h"

namespace tarvek {
namespace {

using search::Attribute;
using search::ResultOrder;

constexpr QSize kPreferredSize(900, 660);

struct FacetRow {
    Attribute attribute;
    const char* objectName;
    const char* caption;  // with the mnemonic that reaches it
    const char* accessibleName;
};

constexpr FacetRow kFacetRows[] = {
    {Attribute::ProductType, "lstSearchProductType", "&Product type:", "Product type"},
    {Attribute::Body, "lstSearchBody", "&Body / series:", "Body / series"},
    {Attribute::Model, "lstSearchModel", "&Model:", "Model"},
    {Attribute::Actuator, "lstSearchActuator", "&Actuator:", "Actuator"},
    {Attribute::Porting, "lstSearchPorting", "P&orting:", "Porting"},
    {Attribute::Seat, "lstSearchSeat", "&Seat / seal:", "Seat or seal"},
    {Attribute::ConnectionKind, "lstSearchConnectionKind", "Co&nnection:", "Connection kind"},
    {Attribute::ConnectionSize, "lstSearchConnectionSize", nullptr, "Connection size"},
    {Attribute::HandleColour, "lstSearchHandleColor", "&Handle color:", "Handle color"},
    {Attribute::LeverHandle, "lstSearchLeverHandle", "&Lever handle:", "Lever handle"},
    {Attribute::Cv, "lstSearchCv", "C&v at least:", "Cv at least"},
    {Attribute::RatedPressure, "lstSearchRatedPressure", "&Rated at least:", "Rated pressure at least"},
};

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

template <typename T>
T* named(T* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace

SearchWindow::SearchWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmFindByRequirement"));
    setWindowTitle(tr("Find by Requirement - Tarvek Products Catalog"));
    setAccessibleName(tr("Find by Requirement"));
    {
        const BusyCursor busy;
        search_ = std::make_unique<search::SearchModel>(search::searchIndex());
    }
    model_ = new SearchResultsModel(this);
    buildControls();
    showState();
    // As large as it likes where the screen has room, smaller where not (the filters and
    // results then scroll), in the middle of the catalogue's screen.
    const QRect room = (parent ? parent->screen() : screen())->availableGeometry();
    resize(kPreferredSize.boundedTo(room.size() * 9 / 10));
    move(room.center() - rect().center());
}

// The results view and its model read the search: they go before it does.
SearchWindow::~SearchWindow() {
    delete results_;
    delete model_;
}

void SearchWindow::buildControls() {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    txtWords_ = named(new QLineEdit, "txtSearchWords", tr("Words or part number"));
    txtWords_->setPlaceholderText(tr("Part number or words, such as A310 or male 1/4"));
    txtWords_->setClearButtonEnabled(true);
    auto* clear = named(new QPushButton(tr("Clear &Filters")), "cmdClearFilters", tr("Clear filters"));
    grid->addWidget(caption(tr("&Words:"), txtWords_), 0, 0);
    grid->addWidget(txtWords_, 0, 1, 1, 2);
    grid->addWidget(clear, 0, 3, Qt::AlignRight);

    for (const FacetRow& row : kFacetRows) {
        auto* facet = new FacetBox(named(new QComboBox, row.objectName, tr(row.accessibleName)));
        facets_[std::size_t(row.attribute)] = facet;
        connect(facet, &FacetBox::chosen, this, [this, a = row.attribute](std::size_t entry) {
            search_->chooseRow(a, entry);
            showState();
        });
        connect(facet, &FacetBox::toggled, this, [this, a = row.attribute](std::size_t entry) {
            search_->toggleRow(a, entry);
            showState();
        });
    }
    const auto place = [&](Attribute a, int gridRow, int column) {
        const FacetRow& row = *std::find_if(std::begin(kFacetRows), std::end(kFacetRows),
                                            [&](const FacetRow& r) { return r.attribute == a; });
        QComboBox* list = facets_[std::size_t(a)]->list();
        grid->addWidget(caption(tr(row.caption), list), gridRow, column);
        grid->addWidget(list, gridRow, column + 1);
    };
    place(Attribute::ProductType, 1, 0);
    place(Attribute::Body, 1, 2);
    place(Attribute::Model, 2, 0);
    place(Attribute::Actuator, 2, 2);
    place(Attribute::Porting, 3, 0);
    place(Attribute::Seat, 3, 2);

    // A connection: its kind and size, and where it must be.
    lstConnectionPlace_ = named(new QComboBox, "lstSearchConnectionPlace", tr("Where the connection is"));
    for (const std::string_view where : search::kPlaces) lstConnectionPlace_->addItem(qstr(where));
    connect(lstConnectionPlace_, &QComboBox::activated, this, [this](int place) {
        search_->chooseScope(search::ConnectionScope(std::max(0, place)));
        showState();
    });
    auto* connection = new QHBoxLayout;
    QComboBox* kind = facets_[std::size_t(Attribute::ConnectionKind)]->list();
    connection->addWidget(kind, 2);
    connection->addWidget(facets_[std::size_t(Attribute::ConnectionSize)]->list(), 1);
    connection->addWidget(lstConnectionPlace_, 1);
    grid->addWidget(caption(tr("Co&nnection:"), kind), 4, 0);
    grid->addLayout(connection, 4, 1, 1, 3);

    place(Attribute::HandleColour, 5, 0);
    place(Attribute::LeverHandle, 5, 2);
    place(Attribute::Cv, 6, 0);
    place(Attribute::RatedPressure, 6, 2);

    txtPriceFrom_ = named(new QLineEdit, "txtSearchPriceFrom", tr("List price from, US dollars"));
    txtPriceTo_ = named(new QLineEdit, "txtSearchPriceTo", tr("List price up to, US dollars"));
    chkStandardOnly_ = named(new QCheckBox, "chkSearchStandardOnly", tr("Standard products only"));
    auto* prices = new QHBoxLayout;
    prices->addWidget(txtPriceFrom_, 1);
    prices->addWidget(caption(tr("&to"), txtPriceTo_));
    prices->addWidget(txtPriceTo_, 1);
    grid->addWidget(caption(tr("L&ist price from:"), txtPriceFrom_), 7, 0);
    grid->addLayout(prices, 7, 1);
    grid->addWidget(chkStandardOnly_, 7, 2, 1, 2);
    const auto typed = [this](QLineEdit* box, void (search::SearchModel::*type)(std::string_view)) {
        connect(box, &QLineEdit::textChanged, this, [this, type](const QString& text) {
            (search_.get()->*type)(stdstr(text));
            showState();
        });
    };
    typed(txtWords_, &search::SearchModel::typeWords);
    typed(txtPriceFrom_, &search::SearchModel::typePriceFrom);
    typed(txtPriceTo_, &search::SearchModel::typePriceTo);
    connect(chkStandardOnly_, &QCheckBox::toggled, this, [this](bool on) {
        search_->chooseStandardOnly(on);
        showState();
    });
    connect(clear, &QPushButton::clicked, this, &SearchWindow::clearFilters);

    lblCount_ = named(new QLabel, "lblSearchCount", tr("Configurations found"));
    QFont bold = lblCount_->font();
    bold.setBold(true);
    lblCount_->setFont(bold);
    lblMessage_ = named(new QLabel, "lblSearchMessage", tr("Search notes"));
    lblMessage_->setWordWrap(true);
    lstOrder_ = named(new QComboBox, "lstSearchOrder", tr("Sort by"));
    for (const std::string_view order : search::kOrders) lstOrder_->addItem(qstr(order));
    connect(lstOrder_, &QComboBox::activated, this, &SearchWindow::setOrder);
    auto* status = new QHBoxLayout;
    status->addWidget(lblCount_);
    status->addWidget(lblMessage_, 1);
    status->addWidget(caption(tr("Sort b&y:"), lstOrder_));
    status->addWidget(lstOrder_);

    results_ = named(new QTreeView, "searchResults", tr("Results"));
    results_->setModel(model_);
    results_->setUniformRowHeights(true);
    results_->setAlternatingRowColors(true);
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setExpandsOnDoubleClick(false);  // a double-click chooses; Enter too
    results_->setAllColumnsShowFocus(true);
    QHeaderView* header = results_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(SearchResultsModel::Description, QHeaderView::Stretch);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    header->resizeSection(SearchResultsModel::PartNumber, 26 * digit);
    header->resizeSection(SearchResultsModel::Configurations, 13 * digit);
    header->resizeSection(SearchResultsModel::ListPrice, 15 * digit);
    header->resizeSection(SearchResultsModel::NonStandard, 12 * digit);
    connect(header, &QHeaderView::sectionClicked, this, &SearchWindow::orderByColumn);
    connect(results_, &QTreeView::activated, this, &SearchWindow::chooseRow);
    connect(results_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SearchWindow::updateButtons);
    connect(results_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SearchWindow::updateButtons);

    auto* copy = new QAction(tr("&Copy"), results_);
    copy->setObjectName(QStringLiteral("actCopySearchResults"));
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    results_->addAction(copy);
    results_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &SearchWindow::copySelection);
    auto* selectAll = new QShortcut(QKeySequence::SelectAll, results_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(selectAll, &QShortcut::activated, results_, &QTreeView::selectAll);

    cmdShow_ = named(new QPushButton(tr("Show in Confi&gurator")), "cmdShowInConfigurator",
                     tr("Show in configurator"));
    cmdCopy_ = named(new QPushButton(tr("&Copy")), "cmdCopySearchResults", tr("Copy results"));
    cmdCopy_->setToolTip(tr("Copy the selected rows as CSV and as text (%1)")
                             .arg(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText)));
    connect(cmdShow_, &QPushButton::clicked, this, [this] { chooseRow(results_->currentIndex()); });
    connect(cmdCopy_, &QPushButton::clicked, this, &SearchWindow::copySelection);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdShow_);
    buttons->addWidget(cmdCopy_);

    // On a screen too small for the window, its content scrolls inside it.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("searchScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* content = new QWidget;
    scroller->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroller);
    auto* page = new QVBoxLayout(content);
    page->addLayout(grid);
    page->addLayout(status);
    page->addWidget(caption(tr("R&esults:"), results_));
    page->addWidget(results_, 1);
    page->addLayout(buttons);

    updateButtons();
}

// Escape puts the window away; it keeps its filters for the next time. An open list takes its
// own Escape and closes alone.
void SearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SearchWindow::showState() {
    const search::SearchPageState& s = search_->state();
    for (std::size_t a = 0; a < search::kAttributeCount; ++a) facets_[a]->show(s.lists[a]);
    lstConnectionPlace_->setCurrentIndex(int(s.scope));
    for (const auto& [box, text] : {std::pair{txtWords_, &s.words}, std::pair{txtPriceFrom_, &s.priceFrom},
                                    std::pair{txtPriceTo_, &s.priceTo}})
        if (stdstr(box->text()) != *text) {
            const QSignalBlocker quiet(box);
            box->setText(qstr(*text));
        }
    {
        const QSignalBlocker quiet(chkStandardOnly_);
        chkStandardOnly_->setChecked(s.standardOnly);
    }
    chkStandardOnly_->setText(
        tr("Standar&d products only  (%1)").arg(qstr(search::countText(s.standardOnlyCount))));
    txtPriceFrom_->setPlaceholderText(qstr(s.lowestPrice));
    txtPriceTo_->setPlaceholderText(qstr(s.highestPrice));
    lblCount_->setText(qstr(s.found));
    QStringList notes;
    for (const std::string& note : s.notes) notes << qstr(note);
    lblMessage_->setText(notes.join(QLatin1Char(' ')));
    model_->show(search_->search(), s.query, s.result.groups);
    updateButtons();
}

void SearchWindow::clearFilters() {
    search_->clear();
    showState();
}

void SearchWindow::findValves(std::optional<double> cv, std::optional<double> inletPsig) {
    search_->findValves(cv, inletPsig);
    showState();
}

void SearchWindow::focusWords() {
    txtWords_->setFocus(Qt::ShortcutFocusReason);
    txtWords_->selectAll();
}

void SearchWindow::chooseRow(const QModelIndex& index) {
    if (!index.isValid()) return;
    const QModelIndex first = index.siblingAtColumn(0);
    if (const auto id = model_->configurationAt(first)) {
        emit configurationChosen(search_->index().configuration(*id).events);
        return;
    }
    results_->setExpanded(first, !results_->isExpanded(first));
}

void SearchWindow::copySelection() {
    std::vector<search::ConfigurationId> ids;
    std::uint64_t wanted = 0;
    QModelIndexList rows = results_->selectionModel()->selectedRows();
    if (rows.isEmpty() && results_->currentIndex().isValid())
        rows << results_->currentIndex().siblingAtColumn(0);
    // In the order the view shows them: by group, a group before its configurations.
    const auto place = [](const QModelIndex& i) {
        return i.parent().isValid() ? std::pair(i.parent().row(), i.row()) : std::pair(i.row(), -1);
    };
    std::sort(rows.begin(), rows.end(),
              [&](const QModelIndex& a, const QModelIndex& b) { return place(a) < place(b); });
    for (const QModelIndex& row : rows) {
        // A group copied whole takes its configurations; one of them chosen as well counts once.
        if (row.parent().isValid() && results_->selectionModel()->isRowSelected(row.parent().row(), {}))
            continue;
        wanted += model_->countOf(row);
        if (ids.size() < kMostCopied)
            for (const search::ConfigurationId id : model_->configurationsOf(row)) ids.push_back(id);
    }
    if (ids.empty()) return;
    const BusyCursor busy;
    const CopiedConfigurations copied = copiedConfigurations(search_->index(), ids);
    putOnClipboard(copied);
    lblMessage_->setText(
        copied.copied < wanted
            ? tr("The first %1 of %2 configurations were copied; tarvek-catalog --list "
                 "writes any number.")
                  .arg(qstr(search::countText(copied.copied)), qstr(search::countText(wanted)))
            : (copied.copied == 1 ? tr("1 configuration copied as CSV and as text.")
                                  : tr("%1 configurations copied as CSV and as text.")
                                        .arg(qstr(search::countText(copied.copied)))));
}

void SearchWindow::setOrder(int order) {
    model_->setOrder(ResultOrder(order));
    QHeaderView* header = results_->header();
    switch (ResultOrder(order)) {
        case ResultOrder::Catalogue:
            header->setSortIndicatorShown(false);
            break;
        case ResultOrder::PartNumber:
            header->setSortIndicatorShown(true);
            header->setSortIndicator(SearchResultsModel::PartNumber, Qt::AscendingOrder);
            break;
        case ResultOrder::PriceLowFirst:
        case ResultOrder::PriceHighFirst:
            header->setSortIndicatorShown(true);
            header->setSortIndicator(
                SearchResultsModel::ListPrice,
                ResultOrder(order) == ResultOrder::PriceLowFirst ? Qt::AscendingOrder : Qt::DescendingOrder);
            break;
    }
    updateButtons();
}

// A click on a column's header sorts by it; on the price again, the other way round.
void SearchWindow::orderByColumn(int column) {
    ResultOrder order = ResultOrder::Catalogue;
    if (column == SearchResultsModel::PartNumber) order = ResultOrder::PartNumber;
    if (column == SearchResultsModel::ListPrice)
        order = model_->order() == ResultOrder::PriceLowFirst ? ResultOrder::PriceHighFirst
                                                              : ResultOrder::PriceLowFirst;
    lstOrder_->setCurrentIndex(int(order));
    setOrder(int(order));
}

void SearchWindow::updateButtons() {
    cmdShow_->setEnabled(model_->configurationAt(results_->currentIndex().siblingAtColumn(0)).has_value());
    cmdCopy_->setEnabled(results_->currentIndex().isValid() || results_->selectionModel()->hasSelection());
}

}  // namespace tarvek
