// Walks every configuration a user can make in the configurator: every product type,
// body, model (headings and blank lines included), porting, every connection entry at
// every activated position, every option button and the lever handle. The walk is the
// same over the window and over the model alone; a driver gives it the controls.
#pragma once

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"

namespace tarvek::testing {

struct Click {
    std::string entry;  // the chosen entry of a list; empty for a button
    bool onList = false;
    List list = List::ProductType;
    int index = -1;  // the entry's place in its list
    Option option = Option::StandardSeat;
};

// Driver: int count(List), bool enabled(List), std::string entry(List, int),
// std::string chosen(List), void choose(List, int), bool answers(Option), void click(Option).
template <typename Driver>
class CascadeWalk {
  public:
    explicit CascadeWalk(Driver driver) : d_(std::move(driver)) {}

    std::function<void(const Click&)> beforeClick = [](const Click&) {};
    std::function<void(const Click&)> afterClick = [](const Click&) {};

    void run() {
        const int types = d_.count(List::ProductType);
        for (int type = 0; type < types; ++type) {
            choose(List::ProductType, type);
            if (!d_.enabled(List::Body)) {
                walkModels();
                continue;
            }
            for (int body = 0; body < d_.count(List::Body); ++body) {
                if (body > 0) choose(List::ProductType, type);  // each body from a fresh product type
                choose(List::Body, body);
                walkModels();
            }
        }
    }

    long clicks() const { return clicks_; }
    Driver& driver() { return d_; }

  private:
    static constexpr List kConnections[] = {List::Connection1, List::Connection2, List::Connection3,
                                            List::Connection4};

    void walkModels() {
        if (!d_.enabled(List::Model)) return;
        for (int model = 0; model < d_.count(List::Model); ++model) {
            choose(List::Model, model);
            walkOptions();
            if (!d_.enabled(List::Porting)) continue;
            for (int porting = 0; porting < d_.count(List::Porting); ++porting) {
                choose(List::Porting, porting);
                walkConnections();
            }
        }
    }

    // Every enabled option button once, the lever handle on and off, then back to standard.
    void walkOptions() {
        for (std::size_t i = 0; i + 1 < kOptionCount; ++i) press(Option(i));
        press(Option::LeverHandle);
        press(Option::LeverHandle);
        press(Option::StandardSeat);
        press(Option::StandardColour);
    }

    void press(Option option) {
        if (!d_.answers(option)) return;  // disabled itself or inside a disabled frame
        Click click;
        click.option = option;
        beforeClick(click);
        d_.click(option);
        ++clicks_;
        afterClick(click);
    }

    // The full product of connection choices once per body and porting; for the further
    // actuators of a body, every entry at every position with the others varied.
    void walkConnections() {
        std::vector<List> active;
        for (List list : kConnections)
            if (d_.enabled(list)) active.push_back(list);
        const std::string key = d_.chosen(List::Body) + '|' + d_.chosen(List::Porting);
        if (fullProductsDone_.insert(key).second) {
            fullProduct(active, 0);
            return;
        }
        int longest = 0;
        for (List list : active) longest = std::max(longest, d_.count(list));
        for (int k = 0; k < longest; ++k)
            for (std::size_t p = 0; p < active.size(); ++p)
                choose(active[p], int((std::size_t(k) + p) % std::size_t(d_.count(active[p]))));
    }

    void fullProduct(const std::vector<List>& active, std::size_t level) {
        if (level == active.size()) return;
        for (int entry = 0; entry < d_.count(active[level]); ++entry) {
            choose(active[level], entry);
            fullProduct(active, level + 1);
        }
    }

    void choose(List list, int index) {
        Click click{d_.entry(list, index), true, list, index};
        beforeClick(click);
        d_.choose(list, index);
        ++clicks_;
        afterClick(click);
    }

    Driver d_;
    long clicks_ = 0;
    std::set<std::string> fullProductsDone_;
};

// The model alone, driven as the walk drives the window.
struct ModelControls {
    Configurator* model;
    int count(List l) const { return int(model->state().list(l).entries.size()); }
    bool enabled(List l) const { return model->state().list(l).enabled; }
    std::string entry(List l, int i) const {
        return std::string(model->state().list(l).entries[std::size_t(i)]);
    }
    std::string chosen(List l) const { return std::string(model->state().list(l).chosenText()); }
    void choose(List l, int i) { model->choose(l, i); }
    bool answers(Option o) const { return model->answers(o); }
    void click(Option o) { model->click(o); }
};

// Replays a click of the walk on a model.
inline void replay(Configurator& model, const Click& click) {
    if (click.onList)
        model.choose(click.list, click.index);
    else
        model.click(click.option);
}

}  // namespace tarvek::testing
