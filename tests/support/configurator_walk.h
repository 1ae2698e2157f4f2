// Walks every configuration a user can make in the configurator: every product type,
// body, model (headings and blank lines included), porting, every connection entry at
// every activated position, every option button and the lever handle. Used by the walk
// test (which checks invariants after each click) and by the click benchmark.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"

namespace tarvek::testing {

struct Click {
    std::string control;  // object name of the list or button
    std::string entry;    // the chosen entry of a list; empty for a button
};

class ConfiguratorWalk {
public:
    explicit ConfiguratorWalk(frmTarvekProducts& window) : window_(window) {}

    std::function<void(const Click&)> beforeClick = [](const Click&) {};
    std::function<void(const Click&)> afterClick = [](const Click&) {};

    void run() {
        QComboBox* types = list("lstProductType");
        for (int type = 0; type < types->count(); ++type) {
            choose("lstProductType", type);
            if (!list("lstBody")->isEnabled()) {
                walkModels();
                continue;
            }
            for (int body = 0; body < list("lstBody")->count(); ++body) {
                if (body > 0) choose("lstProductType", type);  // each body from a fresh product type
                choose("lstBody", body);
                walkModels();
            }
        }
    }

    long clicks() const { return clicks_; }

private:
    static constexpr const char* kConnectionLists[] = {"lstConn1", "lstConn2", "lstConn3", "lstConn4"};
    static constexpr const char* kOptions[] = {"optStd", "optVSKZ", "optB5EP", "optBL", "optBK",
                                               "optGR",  "optRD",   "optWH",   "optYW"};

    QComboBox* list(const char* name) { return window_.findChild<QComboBox*>(QString::fromLatin1(name)); }

    void walkModels() {
        QComboBox* models = list("lstModel");
        if (!models->isEnabled()) return;
        for (int model = 0; model < models->count(); ++model) {
            choose("lstModel", model);
            walkOptions();
            QComboBox* portings = list("lstPorting");
            if (!portings->isEnabled()) continue;
            for (int porting = 0; porting < portings->count(); ++porting) {
                choose("lstPorting", porting);
                walkConnections();
            }
        }
    }

    // Every enabled option button once, the lever handle on and off, then back to standard.
    void walkOptions() {
        for (const char* name : kOptions) press(name);
        press("chkLS");
        press("chkLS");
        press("optStd");
        press("optBL");
    }

    void press(const char* name) {
        auto* button = window_.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (!button->isEnabledTo(&window_)) return;  // disabled itself or inside a disabled frame
        const Click click{name, {}};
        beforeClick(click);
        button->click();
        ++clicks_;
        afterClick(click);
    }

    // The full product of connection choices once per body and porting; for the further
    // actuators of a body, every entry at every position with the others varied.
    void walkConnections() {
        std::vector<int> active;
        for (int i = 0; i < 4; ++i)
            if (list(kConnectionLists[i])->isEnabled()) active.push_back(i);
        const auto key = list("lstBody")->currentText() + '|' + list("lstPorting")->currentText();
        if (fullProductsDone_.insert(key.toStdString()).second) {
            fullProduct(active, 0);
            return;
        }
        int longest = 0;
        for (int i : active) longest = std::max(longest, list(kConnectionLists[i])->count());
        for (int k = 0; k < longest; ++k)
            for (std::size_t p = 0; p < active.size(); ++p) {
                const char* name = kConnectionLists[active[p]];
                choose(name, int((std::size_t(k) + p) % std::size_t(list(name)->count())));
            }
    }

    void fullProduct(const std::vector<int>& active, std::size_t level) {
        if (level == active.size()) return;
        const char* name = kConnectionLists[active[level]];
        for (int entry = 0; entry < list(name)->count(); ++entry) {
            choose(name, entry);
            fullProduct(active, level + 1);
        }
    }

    void choose(const char* name, int index) {
        QComboBox* combo = list(name);
        const Click click{name, combo->itemText(index).toStdString()};
        beforeClick(click);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        ++clicks_;
        afterClick(click);
    }

    frmTarvekProducts& window_;
    long clicks_ = 0;
    std::set<std::string> fullProductsDone_;
};

}  // namespace tarvek::testing
