// A filter's list on the search window: "Any" and each value with the number of
// configurations choosing it would leave; values that would leave none are disabled, so the
// keyboard and the mouse pass over them.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QStandardItemModel;

namespace tarvek {

class FacetBox : public QObject {
    Q_OBJECT
  public:
    struct Choice {
        QString name;
        int value;  // what the search is asked with: a value's id, a minimum
    };

    FacetBox(QComboBox* list, const QString& anyName, const std::vector<Choice>& choices);

    QComboBox* list() const { return list_; }
    std::optional<int> chosen() const;
    // Chooses the entry of that value (none: "Any"), adding an entry for a value the list
    // does not hold yet, at its place among the values (the lists of minimums are ascending).
    void choose(std::optional<int> value, const QString& nameIfNew = {});
    // Shows each entry's count: `anyCount` for "Any", `count(value)` for the others.
    void showCounts(std::uint64_t anyCount, const std::function<std::uint64_t(int value)>& count);

  signals:
    // The user chose another entry.
    void changed();

  private:
    QComboBox* list_;
    QStandardItemModel* model_;
    std::vector<QString> names_;  // without their counts, by row
};

// "1,857,542": counts read alike whatever the desktop's language.
QString countText(std::uint64_t count);

}  // namespace tarvek
