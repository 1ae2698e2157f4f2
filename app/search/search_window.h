// The "Find by Requirement" window: filters over every orderable configuration, each choice
// with the number of configurations it would leave, and the results grouped by model and
// porting. A result chosen (Enter or a double-click) is handed on as the configurator's own
// events; nothing in the configurator changes before that.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/search/search_model.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tarvek {

class FacetBox;
class SearchResultsModel;

class SearchWindow : public QWidget {
    Q_OBJECT
  public:
    // The index is built here, the first time the search is wanted.
    explicit SearchWindow(QWidget* parent);
    ~SearchWindow() override;

    // Every filter cleared, then the minimum Cv and rated pressure a flow asks for: the
    // valves that pass it.
    void findValves(std::optional<double> cv, std::optional<double> inletPsig);
    void focusWords();

    const search::SearchQuery& query() const { return search_->state().query; }
    const search::SearchResult& result() const { return search_->state().result; }

  signals:
    // The user chose a configuration: the events that set the configurator to it.
    void configurationChosen(const std::vector<tarvek::ConfiguratorEvent>& events);

  protected:
    // Escape puts the window away, when nothing inside it (an open list) took the key.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    // The model's state on every control, the results refilled.
    void showState();
    void clearFilters();
    void chooseRow(const QModelIndex& index);
    void copySelection();
    void setOrder(int order);
    void orderByColumn(int column);
    void updateButtons();

    std::unique_ptr<search::SearchModel> search_;

    QLineEdit* txtWords_ = nullptr;
    std::array<FacetBox*, search::kAttributeCount> facets_{};
    QComboBox* lstConnectionPlace_ = nullptr;
    QLineEdit *txtPriceFrom_ = nullptr, *txtPriceTo_ = nullptr;
    QCheckBox* chkStandardOnly_ = nullptr;
    QLabel *lblCount_ = nullptr, *lblMessage_ = nullptr;
    QComboBox* lstOrder_ = nullptr;
    QTreeView* results_ = nullptr;
    SearchResultsModel* model_ = nullptr;
    QPushButton *cmdShow_ = nullptr, *cmdCopy_ = nullptr;
};

}  // namespace tarvek
