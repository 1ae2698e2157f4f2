#include "app/search/facet_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <algorithm>

#include "app/controls.h"
#include "rules/search/search_model.h"
#include "rules/search/search_texts.h"

namespace tarvek {

FacetBox::FacetBox(QComboBox* list) : QObject(list), list_(list), model_(new QStandardItemModel(list)) {
    list_->setModel(model_);
    // Long entries show whole in the open list, however narrow the closed one is.
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMinimumContentsLength(8);
    // Ahead of the open list's own handling, which would close it.
    list_->view()->installEventFilter(this);
    list_->view()->viewport()->installEventFilter(this);
    connect(list_, &QComboBox::activated, this, [this](int row) {
        if (row >= 0) emit chosen(std::size_t(row));
    });
}

void FacetBox::show(const search::FilterListState& state) {
    takesSeveral_ = state.takesSeveral;
    QAbstractItemView* view = list_->view();
    const int highlighted = view->currentIndex().row();  // where the open list's keyboard is
    while (model_->rowCount() > int(state.rows.size())) model_->removeRow(model_->rowCount() - 1);
    while (model_->rowCount() < int(state.rows.size())) model_->appendRow(new QStandardItem);
    int widest = 0;
    for (std::size_t r = 0; r < state.rows.size(); ++r) {
        const search::ListRow& row = state.rows[r];
        QStandardItem* item = model_->item(int(r));
        const QString text = qstr(search::entryText(row.name, row.count));
        if (item->text() != text) item->setText(text);
        item->setToolTip(qstr(row.name));
        item->setEnabled(row.enabled);
        if (takesSeveral_ && r > 0) {
            item->setCheckable(true);
            item->setCheckState(row.chosen ? Qt::Checked : Qt::Unchecked);
        }
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(text));
    }
    if (state.current) {
        list_->setCurrentIndex(int(*state.current));
    } else {
        // Several entries: the list shows them in words, with what they leave.
        list_->setPlaceholderText(qstr(search::entryText(state.chosenText, state.chosenCount)));
        list_->setCurrentIndex(-1);
    }
    list_->setAccessibleDescription(qstr(state.chosenText));
    if (view->isVisible() && highlighted >= 0 && highlighted < model_->rowCount())
        view->setCurrentIndex(model_->index(highlighted, 0));
    // Room for the check boxes too, so that no entry is cut short.
    const int checkBox =
        takesSeveral_ ? list_->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list_) : 0;
    view->setMinimumWidth(widest + checkBox + 8 * list_->fontMetrics().averageCharWidth());
}

// The check box stands at the start of the entry, in the room the style gives a check mark.
bool FacetBox::onCheckBox(int x) const {
    const QStyle* style = list_->style();
    const int room = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list_) +
                     2 * style->pixelMetric(QStyle::PM_MenuHMargin, nullptr, list_) +
                     list_->fontMetrics().height();
    return x < room;
}

bool FacetBox::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = list_->view();
    if (!takesSeveral_) return false;
    if (watched == view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        const QModelIndex at = view->currentIndex();
        if (at.row() >= 0 && (at.flags() & Qt::ItemIsEnabled)) emit toggled(std::size_t(at.row()));
        return true;
    }
    if (watched == view->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        const QModelIndex at = view->indexAt(click->position().toPoint());
        const bool toggles =
            click->button() == Qt::LeftButton && at.row() > 0 && (at.flags() & Qt::ItemIsEnabled) &&
            ((click->modifiers() & Qt::ControlModifier) || onCheckBox(click->position().toPoint().x()));
        if (!toggles) return false;
        emit toggled(std::size_t(at.row()));
        return true;  // the list stays open for another
    }
    return false;
}

}  // namespace tarvek
