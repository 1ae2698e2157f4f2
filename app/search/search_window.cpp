#include "app/search/search_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
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
#include "rules/configurator/pricing.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

using search::Attribute;
using search::ResultOrder;

// The free text asked of the search: enough for any part number and a few words.
constexpr int kLongestWords = 200;
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

// Where a connection of the chosen kind and size must be, in the order of ConnectionScope.
const char* const kPlaces[] = {"on any port",     "on every port",   "at connection 1",
                               "at connection 2", "at connection 3", "at connection 4"};

const char* const kOrders[] = {"Catalogue order", "Part number", "List price, lowest first",
                               "List price, highest first"};

QString cvName(int thousandths) { return qstr(numberText(thousandths / 1000.0)); }
QString pressureName(int psig) { return QString::number(psig) + QStringLiteral(" psig"); }

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
        search_ = std::make_unique<search::ConfigurationSearch>(search::searchIndex());
    }
    model_ = new SearchResultsModel(this);
    buildControls();
    run();
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
    const search::SearchIndex& index = search_->index();
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
        std::vector<FacetBox::Choice> choices;
        const auto& names = index.values(row.attribute);
        const bool minimum = row.attribute == Attribute::Cv || row.attribute == Attribute::RatedPressure;
        for (std::size_t v = 1; v < names.size(); ++v) {
            if (!minimum) {
                choices.push_back({qstr(names[v]), int(v)});
                continue;
            }
            const int rating = index.ratings(row.attribute)[v];
            choices.push_back(
                {row.attribute == Attribute::Cv ? cvName(rating) : pressureName(rating), rating});
        }
        if (row.attribute == Attribute::LeverHandle)
            choices.push_back({tr("Without lever handle"), search::kNone});
        auto* list = named(new QComboBox, row.objectName, tr(row.accessibleName));
        facets_[std::size_t(row.attribute)] = new FacetBox(list, tr("Any"), choices);
        connect(facets_[std::size_t(row.attribute)], &FacetBox::changed, this, &SearchWindow::run);
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
    for (const char* where : kPlaces) lstConnectionPlace_->addItem(tr(where));
    connect(lstConnectionPlace_, &QComboBox::activated, this, &SearchWindow::run);
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
    for (QLineEdit* box : {txtWords_, txtPriceFrom_, txtPriceTo_})
        connect(box, &QLineEdit::textChanged, this, &SearchWindow::run);
    connect(chkStandardOnly_, &QCheckBox::toggled, this, &SearchWindow::run);
    connect(clear, &QPushButton::clicked, this, &SearchWindow::clearFilters);

    lblCount_ = named(new QLabel, "lblSearchCount", tr("Configurations found"));
    QFont bold = lblCount_->font();
    bold.setBold(true);
    lblCount_->setFont(bold);
    lblMessage_ = named(new QLabel, "lblSearchMessage", tr("Search notes"));
    lblMessage_->setWordWrap(true);
    lstOrder_ = named(new QComboBox, "lstSearchOrder", tr("Sort by"));
    for (const char* order : kOrders) lstOrder_->addItem(tr(order));
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

    // Escape puts the window away; it keeps its filters for the next time.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    updateButtons();
}

search::SearchQuery SearchWindow::readQuery(QStringList& notes) const {
    search::SearchQuery q;
    for (std::size_t a = 0; a < search::kAttributeCount; ++a) {
        const std::optional<int> chosen = facets_[a]->chosen();
        if (!chosen) continue;
        if (Attribute(a) == Attribute::Cv)
            q.cvAtLeast = *chosen;
        else if (Attribute(a) == Attribute::RatedPressure)
            q.pressureAtLeast = *chosen;
        else
            q.chosen[a] = search::ValueId(*chosen);
    }
    q.scope = search::ConnectionScope(std::max(0, lstConnectionPlace_->currentIndex()));
    q.standardOnly = chkStandardOnly_->isChecked();
    const auto bound = [&](QLineEdit* box, std::optional<Money>& amount) {
        const search::PriceBound read = search::readPriceBound(stdstr(box->text()));
        if (!read.valid)
            notes << tr("\u201c%1\u201d is not a price: type US dollars, such as 250 or 99.50.")
                         .arg(box->text().left(20));
        amount = read.amount;
    };
    bound(txtPriceFrom_, q.priceFrom);
    bound(txtPriceTo_, q.priceTo);
    if (q.priceFrom && q.priceTo && *q.priceFrom > *q.priceTo)
        notes << tr("The lowest price asked is above the highest: no price lies between.");
    QString words = txtWords_->text();
    if (words.size() > kLongestWords) {
        notes << tr("Only the first %1 characters of the words are searched.").arg(kLongestWords);
        words.truncate(kLongestWords);
    }
    q.text = stdstr(words);
    return q;
}

void SearchWindow::run() {
    QStringList notes;
    query_ = readQuery(notes);
    result_ = search_->find(query_);
    model_->show(*search_, query_, result_.groups);
    showCounts();
    if (result_.total == 0 && notes.isEmpty()) notes << tr("Choose \u201cAny\u201d in a filter to see more.");
    lblMessage_->setText(notes.join(QLatin1Char(' ')));
    updateButtons();
}

void SearchWindow::showCounts() {
    const search::SearchIndex& index = search_->index();
    for (std::size_t a = 0; a < search::kAttributeCount; ++a) {
        const auto attribute = Attribute(a);
        const std::vector<std::uint64_t>& counts = result_.counts[a];
        const std::uint64_t any = result_.without[std::size_t(search::filterOf(attribute))];
        if (attribute == Attribute::Cv || attribute == Attribute::RatedPressure) {
            // A minimum leaves what its next rating of the catalogue leaves.
            const std::vector<int>& ratings = index.ratings(attribute);
            facets_[a]->showCounts(any, [&](int minimum) -> std::uint64_t {
                const auto next = std::lower_bound(ratings.begin() + 1, ratings.end(), minimum);
                return next == ratings.end() ? 0 : counts[std::size_t(next - ratings.begin())];
            });
            continue;
        }
        facets_[a]->showCounts(any, [&](int value) { return counts[std::size_t(value)]; });
    }
    chkStandardOnly_->setText(tr("Standar&d products only  (%1)").arg(countText(result_.standardOnly)));
    txtPriceFrom_->setPlaceholderText(result_.lowestPrice ? qstr(priceText(*result_.lowestPrice))
                                                          : QString());
    txtPriceTo_->setPlaceholderText(result_.highestPrice ? qstr(priceText(*result_.highestPrice))
                                                         : QString());
    lblCount_->setText(result_.total == 0
                           ? tr("No configuration meets every filter.")
                           : tr("%1 configurations in %2 groups")
                                 .arg(countText(result_.total), countText(result_.groups.size())));
}

void SearchWindow::clearFilters() {
    for (FacetBox* facet : facets_) facet->choose(std::nullopt);
    lstConnectionPlace_->setCurrentIndex(0);
    for (QLineEdit* box : {txtWords_, txtPriceFrom_, txtPriceTo_}) {
        const QSignalBlocker quiet(box);
        box->clear();
    }
    const QSignalBlocker quiet(chkStandardOnly_);
    chkStandardOnly_->setChecked(false);
    run();
}

void SearchWindow::findValves(std::optional<double> cv, std::optional<double> inletPsig) {
    clearFilters();
    if (const auto minimum = cv ? search::cvThreshold(*cv) : std::nullopt)
        facets_[std::size_t(Attribute::Cv)]->choose(*minimum, cvName(*minimum));
    if (const auto minimum = inletPsig ? search::pressureThreshold(*inletPsig) : std::nullopt)
        facets_[std::size_t(Attribute::RatedPressure)]->choose(*minimum, pressureName(*minimum));
    run();
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
                  .arg(countText(copied.copied), countText(wanted))
            : tr("%1 configurations copied as CSV and as text.").arg(countText(copied.copied)));
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
