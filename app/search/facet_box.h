// A filter's list on the search window, showing the search model's list: "Any" and each entry
// with the number of configurations it would leave; entries that would leave none are
// disabled, so the keyboard and the mouse pass over them. In a list that takes several
// entries, each has a check box in the open list: a click on the box, Ctrl and a click, or
// Space adds or takes away the entry and leaves the list open; a click on the entry's text,
// Enter, or the arrow keys on the closed list choose that entry alone.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

class QComboBox;
class QStandardItemModel;

namespace tarvek {

namespace search {
struct FilterListState;
}

class FacetBox : public QObject {
    Q_OBJECT
  public:
    explicit FacetBox(QComboBox* list);

    QComboBox* list() const { return list_; }
    // Refills the entries' texts, check boxes and enabled states, and the choice shown.
    void show(const search::FilterListState& state);

  signals:
    void chosen(std::size_t row);   // the entry alone
    void toggled(std::size_t row);  // added or taken away

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool onCheckBox(int x) const;

    QComboBox* list_;
    QStandardItemModel* model_;
    bool takesSeveral_ = false;
};

}  // namespace tarvek
