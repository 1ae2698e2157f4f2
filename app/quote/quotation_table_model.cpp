#include "app/quote/quotation_table_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

#include "app/controls.h"
#include "rules/quotes/quotation_messages.h"

namespace tarvek {
namespace {

static_assert(std::size(kQuoteColumns) == QuotationTableModel::ColumnCount);
static_assert(kFirstPriceColumn == QuotationTableModel::ListPrice);

}  // namespace

QuotationTableModel::QuotationTableModel(QObject* parent) : QAbstractTableModel(parent) {
    editor_.setObserver(this);
}

QuotationTableModel::~QuotationTableModel() { editor_.setObserver(nullptr); }

void QuotationTableModel::setPricesShown(bool shown) {
    if (pricesShown_ == shown) return;
    pricesShown_ = shown;
    if (rowCount() > 0) emit dataChanged(index(0, ListPrice), index(rowCount() - 1, Extended));
    emit headerDataChanged(Qt::Horizontal, ListPrice, Extended);
    emit edited();
}

int QuotationTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(quotation().lines.size());
}

int QuotationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuotationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= quotation().lines.size()) return {};
    const QuotationLine& line = quotation().lines[std::size_t(index.row())];
    const int column = index.column();
    if (isPriceColumn(column) && !pricesShown_ && role != Qt::TextAlignmentRole) return {};
    const LinePrice price = linePrice(line, quotation().header.discount);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (column) {
                case Line:
                    return index.row() + 1;
                case PartNumber:
                    return qstr(line.partNumber);
                case Description:
                    return qstr(line.description);
                case Quantity:  // text, so that its editor takes anything and the model says what is wrong
                    return QString::number(line.quantity);
                case ListPrice:
                    return qstr(groupedText(line.listPrice));
                case Discount:
                    // A line's own discount as it is; the quotation's in brackets.
                    if (role == Qt::EditRole)
                        return line.discount ? qstr(percentText(*line.discount)) : QString();
                    return line.discount
                               ? qstr(percentText(*line.discount))
                               : QLatin1Char('(') + qstr(percentText(price.discount)) + QLatin1Char(')');
                case UnitNet:
                    return qstr(groupedText(price.unitNet));
                case Extended:
                    return qstr(groupedText(price.extended));
                default:
                    return {};
            }
        case Qt::AccessibleTextRole:
            // Read out with its currency, which the column's caption shows on screen.
            if (isPriceColumn(column) && column != Discount)
                return data(index, Qt::DisplayRole).toString() + QStringLiteral(" US dollars");
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column == PartNumber || column == Description
                                           ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if (!line.change.empty()) return qstr(lineChangeTip(line.change));
            if (column == Description) return qstr(line.description);
            if (column == Discount && !line.discount) return qstr(kQuotationDiscountTip);
            return {};
        case Qt::DecorationRole:
            if (column == PartNumber && !line.change.empty())
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::ForegroundRole:
            if (column == PartNumber && line.nonStandard) return QBrush(QColor(200, 0, 0));
            if (column == Discount && !line.discount)
                return QApplication::palette().brush(QPalette::PlaceholderText);
            return {};
        case Qt::AccessibleDescriptionRole:
            if (!line.change.empty()) return QStringLiteral("Changed: ") + qstr(line.change);
            return {};
        default:
            return {};
    }
}

QVariant QuotationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return qstr(kQuoteColumns[std::size_t(section)]);
    return {};
}

Qt::ItemFlags QuotationTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Quantity || (index.column() == Discount && pricesShown_))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool QuotationTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
    const std::string text = value.toString().toStdString();
    std::string problem;
    if (index.column() == Quantity) {
        const std::optional<int> quantity = parseQuantity(text, &problem);
        if (!quantity) {
            emit refused(index, qstr(problem));
            return false;
        }
        editor_.setQuantity(std::size_t(index.row()), *quantity);
    } else {
        // An empty discount gives the line back to the quotation's own.
        std::optional<Percent> discount;
        if (!value.toString().trimmed().isEmpty()) {
            discount = parsePercent(text, &problem);
            if (!discount) {
                emit refused(index, qstr(problem));
                return false;
            }
        }
        editor_.setDiscount(std::size_t(index.row()), discount);
    }
    return true;
}

void QuotationTableModel::aboutToSplice(std::size_t at, std::size_t removed, std::size_t inserted) {
    const int first = int(at);
    const std::size_t common = std::min(removed, inserted);
    if (removed > common) beginRemoveRows({}, first + int(common), first + int(removed) - 1);
    if (inserted > common) beginInsertRows({}, first + int(common), first + int(inserted) - 1);
}

void QuotationTableModel::spliced(std::size_t at, std::size_t removed, std::size_t inserted) {
    const int first = int(at);
    const std::size_t common = std::min(removed, inserted);
    if (removed > common) endRemoveRows();
    if (inserted > common) endInsertRows();
    if (common > 0) emit dataChanged(index(first, 0), index(first + int(common) - 1, ColumnCount - 1));
    // Line numbers below a removal or an insertion move.
    if (removed != inserted && rowCount() > 0) emit dataChanged(index(0, Line), index(rowCount() - 1, Line));
    emit edited();
}

void QuotationTableModel::headerChanged() {
    // The quotation's discount prices every line without one of its own.
    if (rowCount() > 0) emit dataChanged(index(0, Discount), index(rowCount() - 1, Extended));
    emit quotationHeaderChanged();
    emit edited();
}

}  // namespace tarvek
