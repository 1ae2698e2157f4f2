#include "app/search/facet_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStandardItemModel>

namespace tarvek {
namespace {

constexpr int kValueRole = Qt::UserRole + 1;

}  // namespace

QString countText(std::uint64_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
    return digits;
}

FacetBox::FacetBox(QComboBox* list, const QString& anyName, const std::vector<Choice>& choices)
    : QObject(list), list_(list), model_(new QStandardItemModel(list)) {
    auto* any = new QStandardItem(anyName);
    model_->appendRow(any);
    names_.push_back(anyName);
    for (const Choice& c : choices) {
        auto* item = new QStandardItem(c.name);
        item->setData(c.value, kValueRole);
        item->setToolTip(c.name);
        model_->appendRow(item);
        names_.push_back(c.name);
    }
    list_->setModel(model_);
    list_->setCurrentIndex(0);
    // Long entries show whole in the open list, however narrow the closed one is.
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMinimumContentsLength(8);
    connect(list_, &QComboBox::activated, this, &FacetBox::changed);
}

std::optional<int> FacetBox::chosen() const {
    const QVariant value = list_->currentData(kValueRole);
    if (!value.isValid()) return std::nullopt;
    return value.toInt();
}

void FacetBox::choose(std::optional<int> value, const QString& nameIfNew) {
    if (!value) {
        list_->setCurrentIndex(0);
        return;
    }
    int row = 1;
    for (; row < model_->rowCount(); ++row) {
        const int held = model_->item(row)->data(kValueRole).toInt();
        if (held == *value) {
            list_->setCurrentIndex(row);
            return;
        }
        if (held > *value) break;
    }
    auto* item = new QStandardItem(nameIfNew);
    item->setData(*value, kValueRole);
    item->setToolTip(nameIfNew);
    model_->insertRow(row, item);
    names_.insert(names_.begin() + row, nameIfNew);
    list_->setCurrentIndex(row);
}

void FacetBox::showCounts(std::uint64_t anyCount, const std::function<std::uint64_t(int)>& count) {
    int widest = 0;
    for (int row = 0; row < model_->rowCount(); ++row) {
        QStandardItem* item = model_->item(row);
        const std::uint64_t n = row == 0 ? anyCount : count(item->data(kValueRole).toInt());
        const QString text =
            names_[std::size_t(row)] + QStringLiteral("  (") + countText(n) + QLatin1Char(')');
        if (item->text() != text) item->setText(text);
        // The entry chosen stays choosable, to be chosen again or left.
        item->setEnabled(n > 0 || row == list_->currentIndex());
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(text));
    }
    list_->view()->setMinimumWidth(widest + 4 * list_->fontMetrics().averageCharWidth());
}

}  // namespace tarvek
