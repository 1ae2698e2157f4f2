// The search's results as a tree: one row per model and porting (its count of matching
// configurations and their price range), its configurations below it, fetched when the row
// is opened. Sorted in the catalogue's order, by part number or by list price.
#pragma once

#include <QAbstractItemModel>
#include <optional>
#include <vector>

#include "rules/search/configuration_search.h"
#include "rules/search/result_order.h"

namespace tarvek {

class SearchResultsModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    enum Column { PartNumber, Description, Configurations, ListPrice, NonStandard };
    static constexpr int kColumns = 5;

    explicit SearchResultsModel(QObject* parent = nullptr);

    // The matches of a query; the search must outlive the model's use of it.
    void show(search::ConfigurationSearch& search, const search::SearchQuery& query,
              std::vector<search::GroupMatch> groups);
    void setOrder(search::ResultOrder order);
    search::ResultOrder order() const { return order_; }

    // A configuration's row, or none for a group's.
    std::optional<search::ConfigurationId> configurationAt(const QModelIndex& index) const;
    // The configurations a row stands for: its own, or every one of its group's, fetched.
    std::vector<search::ConfigurationId> configurationsOf(const QModelIndex& index) const;
    std::uint64_t countOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    search::ConfigurationSearch* search_ = nullptr;
    search::SearchQuery query_;
    std::vector<search::GroupMatch> groups_;
    std::vector<std::optional<std::vector<search::ConfigurationId>>> children_;  // per group row
    search::ResultOrder order_ = search::ResultOrder::Catalogue;
};

}  // namespace tarvek
