#include "app/search/search_results_model.h"

#include <QFont>

#include "app/controls.h"
#include "rules/search/result_texts.h"
#include "rules/search/search_texts.h"

namespace tarvek {
namespace {

constexpr quintptr kGroupRow = 0;  // a child's internal id is its group's row + 1

}  // namespace

SearchResultsModel::SearchResultsModel(QObject* parent) : QAbstractItemModel(parent) {}

void SearchResultsModel::show(search::ConfigurationSearch& search, const search::SearchQuery& query,
                              std::vector<search::GroupMatch> groups) {
    beginResetModel();
    search_ = &search;
    query_ = query;
    groups_ = std::move(groups);
    search::sortGroups(search.index(), groups_, order_);
    children_.assign(groups_.size(), std::nullopt);
    endResetModel();
}

void SearchResultsModel::setOrder(search::ResultOrder order) {
    if (order == order_) return;
    order_ = order;
    if (!search_) return;
    beginResetModel();
    search::sortGroups(search_->index(), groups_, order_);
    children_.assign(groups_.size(), std::nullopt);
    endResetModel();
}

std::optional<search::ConfigurationId> SearchResultsModel::configurationAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == kGroupRow) return std::nullopt;
    const auto& children = children_[std::size_t(index.internalId() - 1)];
    if (!children || std::size_t(index.row()) >= children->size()) return std::nullopt;
    return (*children)[std::size_t(index.row())];
}

std::vector<search::ConfigurationId> SearchResultsModel::configurationsOf(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    if (const auto id = configurationAt(index)) return {*id};
    if (index.internalId() != kGroupRow) return {};
    // A closed group's configurations are worked out again rather than kept behind the view's back.
    if (const auto& children = children_[std::size_t(index.row())]) return *children;
    std::vector<search::ConfigurationId> ids =
        search_->configurations(query_, groups_[std::size_t(index.row())].group);
    search::sortConfigurations(search_->index(), ids, order_);
    return ids;
}

std::uint64_t SearchResultsModel::countOf(const QModelIndex& index) const {
    if (!index.isValid()) return 0;
    if (index.internalId() != kGroupRow) return 1;
    return groups_[std::size_t(index.row())].count;
}

QModelIndex SearchResultsModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= kColumns) return {};
    if (!parent.isValid())
        return row < int(groups_.size()) ? createIndex(row, column, kGroupRow) : QModelIndex();
    if (parent.internalId() != kGroupRow) return {};
    const auto& children = children_[std::size_t(parent.row())];
    if (!children || std::size_t(row) >= children->size()) return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex SearchResultsModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kGroupRow) return {};
    return createIndex(int(child.internalId() - 1), 0, kGroupRow);
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return int(groups_.size());
    if (parent.internalId() != kGroupRow || parent.column() != 0) return 0;
    const auto& children = children_[std::size_t(parent.row())];
    return children ? int(children->size()) : 0;
}

int SearchResultsModel::columnCount(const QModelIndex&) const { return kColumns; }

bool SearchResultsModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return !groups_.empty();
    return parent.internalId() == kGroupRow && parent.column() == 0;
}

bool SearchResultsModel::canFetchMore(const QModelIndex& parent) const {
    return parent.isValid() && parent.internalId() == kGroupRow && !children_[std::size_t(parent.row())];
}

void SearchResultsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    const auto ids = search_->configurations(query_, groups_[std::size_t(parent.row())].group);
    if (ids.empty()) {
        children_[std::size_t(parent.row())].emplace();
        return;
    }
    beginInsertRows(parent, 0, int(ids.size()) - 1);
    children_[std::size_t(parent.row())] = ids;
    search::sortConfigurations(search_->index(), *children_[std::size_t(parent.row())], order_);
    endInsertRows();
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !search_) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::TextAlignmentRole &&
        role != Qt::FontRole)
        return {};
    const search::SearchIndex& searchIndex = search_->index();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Configurations || index.column() == ListPrice
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (index.internalId() == kGroupRow) {
        const search::GroupMatch& g = groups_[std::size_t(index.row())];
        const search::IndexGroup& group = searchIndex.groups()[g.group];
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return index.column() == PartNumber ? QVariant(bold) : QVariant();
        }
        if (role == Qt::ToolTipRole) return qstr(search::groupFullDescription(group));
        switch (index.column()) {
            case PartNumber:
                return qstr(group.prefix);
            case Description:
                return qstr(search::groupDescription(group));
            case Configurations:
                return qstr(search::countText(g.count));
            case ListPrice:
                return qstr(search::priceRangeText(g));
            default:
                return qstr(search::nonStandardText(g));
        }
    }
    const auto id = configurationAt(index);
    if (!id || role == Qt::FontRole) return {};
    const search::IndexedConfiguration c = searchIndex.configuration(*id);
    if (role == Qt::ToolTipRole) return qstr(search::configurationFullDescription(c));
    switch (index.column()) {
        case PartNumber:
            return qstr(c.partNumber);
        case Description:
            return qstr(search::configurationDescription(searchIndex, *id, c));
        case Configurations:
            return QString();
        case ListPrice:
            return qstr(search::configurationPriceText(c));
        default:
            return qstr(search::nonStandardText(c));
    }
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= kColumns) return {};
    return qstr(search::kResultColumns[std::size_t(section)]);
}

}  // namespace tarvek
