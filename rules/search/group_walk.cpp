#include "rules/search/group_walk.h"

#include <algorithm>

namespace tarvek::search {

GroupWalk::GroupWalk(const IndexGroup& g, const PreparedQuery& q) : g_(g) {
    const SearchQuery& query = q.query;
    for (std::size_t p = 0; p < kConnectionPositions; ++p)
        if (!g.connections[p].empty()) used_.push_back(p);
    // Options: the seat varies slowest, the lever handle fastest, as in catalogue order.
    const std::size_t nc = g.options[1].size(), nl = g.options[2].size();
    combos_.resize(g.optionChoices);
    for (std::size_t k = 0; k < combos_.size(); ++k) {
        const std::array<std::size_t, 3> choice = {k / (nc * nl), k / nl % nc, k % nl};
        Combo& c = combos_[k];
        for (std::size_t o = 0; o < 3; ++o) {
            const Choice& chosen = g.options[o][choice[o]];
            c.price += chosen.price.cents;
            c.values[o] = chosen.value;
            const auto& wanted = query[kOptionAttributes[o]];
            if (!wanted.empty() && !wanted.contains(chosen.value)) c.fails |= bit(kOptionFilters[o]);
        }
    }
    planText(q);
}

void GroupWalk::planText(const PreparedQuery& q) {
    for (std::size_t w = 0; w < q.words.size(); ++w) {
        const SearchWord& word = q.words[w];
        const WordFinder& finder = q.finders[w];
        if (g_.prefix.find(word.partNumberForm) != std::string::npos) continue;
        if (std::any_of(g_.lowerTexts.begin(), g_.lowerTexts.end(),
                        [&](const std::string& t) { return t.find(word.textForm) != std::string::npos; }))
            continue;
        OpenWord open{&finder, w, finder.feed(0, g_.prefix), {}, {}, {}};
        const auto says = [&](const Choice& c) {
            return c.lowerText.find(word.textForm) != std::string::npos;
        };
        bool anySaid = false;
        for (std::size_t p = 0; p < kConnectionPositions; ++p)
            for (const Choice& c : g_.connections[p]) {
                open.said[p].push_back(says(c));
                anySaid = anySaid || open.said[p].back();
            }
        // The states the part number can reach: if none finds the word and no text says
        // it, no configuration of the group has it.
        std::vector<bool> reach(std::size_t(finder.found()) + 1);
        reach[open.start] = true;
        const auto step = [&](const std::vector<std::string_view>& pieces) {
            std::vector<bool> next(reach.size());
            for (std::size_t s = 0; s < reach.size(); ++s)
                if (reach[s])
                    for (const std::string_view piece : pieces) next[finder.feed(State(s), piece)] = true;
            reach = std::move(next);
        };
        for (std::size_t p = 0; p < kConnectionPositions; ++p) {
            std::vector<std::string_view> pieces;
            for (const Choice& c : g_.connections[p]) pieces.push_back(c.code);
            if (pieces.empty()) pieces.push_back(g_.fixedCodes[p]);
            step(pieces);
        }
        const std::vector<bool> afterConnections = reach;
        for (std::size_t o = 0; o < 3; ++o) {
            std::vector<std::string_view> pieces;
            for (const Choice& c : g_.options[o]) {
                pieces.push_back(c.code);
                anySaid = anySaid || says(c);
            }
            step(pieces);
            if (o == 1) step({g_.generalCode});
        }
        if (!anySaid && !reach[finder.found()]) {
            textImpossible_ = true;
            return;
        }
        const std::size_t nc = g_.options[1].size(), nl = g_.options[2].size();
        for (std::size_t k = 0; k < combos_.size(); ++k) {
            const std::array<const Choice*, 3> chosen = {&g_.options[0][k / (nc * nl)],
                                                         &g_.options[1][k / nl % nc], &g_.options[2][k % nl]};
            open.comboSaid.push_back(says(*chosen[0]) || says(*chosen[1]) || says(*chosen[2]));
            std::vector<bool> finds(reach.size());
            for (std::size_t s = 0; s < finds.size(); ++s) {
                if (!afterConnections[s]) continue;
                State t = finder.feed(State(s), chosen[0]->code);
                t = finder.feed(t, chosen[1]->code);
                t = finder.feed(t, g_.generalCode);
                finds[s] = finder.feed(t, chosen[2]->code) == finder.found();
            }
            open.comboFinds.push_back(std::move(finds));
        }
        open_.push_back(std::move(open));
    }
}

}  // namespace tarvek::search
