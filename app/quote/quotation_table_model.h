// The quotation's lines as a table for a QTableView, over the quotation editor: each edit of
// the editor arrives as rows inserted, removed or changed, so the view keeps its selection
// and scroll. Quantities and discounts are edited in place; anything else is refused, with
// the reason told through refused().
#pragma once

#include <QAbstractTableModel>

#include "rules/quotes/quotation_editor.h"

namespace tarvek {

class QuotationTableModel : public QAbstractTableModel, private QuotationObserver {
    Q_OBJECT
  public:
    enum Column {
        Line,
        PartNumber,
        Description,
        Quantity,
        ListPrice,
        Discount,
        UnitNet,
        Extended,
        ColumnCount
    };

    explicit QuotationTableModel(QObject* parent = nullptr);
    ~QuotationTableModel() override;

    QuotationEditor& editor() { return editor_; }
    const Quotation& quotation() const { return editor_.quotation(); }

    // While prices are hidden the price columns show nothing, and nothing can be edited there.
    void setPricesShown(bool shown);
    bool pricesShown() const { return pricesShown_; }
    static bool isPriceColumn(int column) { return column >= ListPrice; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    void refused(const QModelIndex& index, const QString& reason);
    // The quotation's header changed (its discount reprices lines).
    void quotationHeaderChanged();
    void edited();

  private:
    void aboutToSplice(std::size_t at, std::size_t removed, std::size_t inserted) override;
    void spliced(std::size_t at, std::size_t removed, std::size_t inserted) override;
    void headerChanged() override;

    QuotationEditor editor_;
    bool pricesShown_ = true;
};

}  // namespace tarvek
