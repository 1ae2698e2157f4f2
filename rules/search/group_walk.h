// One group's configurations walked for a query: its choices of options worked out once, then
// each choice of connections with every choice of options; the words of the free text the
// group's own texts do not settle, followed configuration by configuration.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/search/prepared_query.h"

namespace tarvek::search {

class GroupWalk {
  public:
    using State = WordFinder::State;

    struct Combo {
        std::int64_t price = 0;
        FilterMask fails = 0;
        std::array<ValueId, 3> values{};
    };
    struct Connections {
        std::uint32_t index = 0;  // in catalogue order
        std::int64_t price = 0;
        FilterMask fails = 0;
        bool nonStandard = false;
        std::uint64_t pairs = 0;    // (kind, size) at the positions in scope
        std::vector<State> states;  // of the open words, after the connections
        std::vector<bool> said;     // an open word in a connection's text
    };

    // A word the group's own texts do not settle: found, or not, configuration by configuration.
    struct OpenWord {
        const WordFinder* finder;
        std::size_t word;
        State start;                            // after the part number through the porting
        std::array<std::vector<bool>, 4> said;  // by each connection entry's text
        std::vector<bool> comboSaid;
        std::vector<std::vector<bool>> comboFinds;  // per combo, per state: the rest finds the word
    };

    GroupWalk(const IndexGroup& group, const PreparedQuery& query);

    bool textImpossible() const { return textImpossible_; }
    const std::vector<Combo>& combos() const { return combos_; }

    // Calls `visit(connections)` for each choice of connections, in catalogue order.
    template <typename Visit>
    void forEachConnections(const PreparedQuery& q, Visit&& visit) const {
        std::array<std::size_t, kConnectionPositions> digit{};
        Connections c;
        c.states.resize(open_.size());
        c.said.resize(open_.size());
        for (std::uint32_t t = 0; t < g_.connectionChoices; ++t) {
            c.index = t;
            c.price = g_.basePrice.cents;
            c.pairs = 0;
            c.nonStandard = g_.nonStandard[t];
            for (const std::size_t p : used_) {
                const Choice& chosen = g_.connections[p][digit[p]];
                c.price += chosen.price.cents;
                if (inScope(q.query.scope, p)) c.pairs |= pairBit(chosen.value, chosen.size);
            }
            c.fails = 0;
            if (q.connectionFilter && !matches(q.query.scope, c.pairs, q.selected))
                c.fails |= bit(Filter::Connection);
            if (q.query.standardOnly && c.nonStandard) c.fails |= bit(Filter::Standard);
            for (std::size_t w = 0; w < open_.size(); ++w) {
                const OpenWord& word = open_[w];
                State state = word.start;
                bool said = false;
                for (std::size_t p = 0; p < kConnectionPositions; ++p) {
                    if (g_.connections[p].empty()) {
                        state = word.finder->feed(state, g_.fixedCodes[p]);
                        continue;
                    }
                    state = word.finder->feed(state, g_.connections[p][digit[p]].code);
                    said = said || word.said[p][digit[p]];
                }
                c.states[w] = state;
                c.said[w] = said;
            }
            visit(c);
            // The last position used varies fastest.
            for (std::size_t i = used_.size(); i-- > 0;) {
                const std::size_t p = used_[i];
                if (++digit[p] < g_.connections[p].size()) break;
                digit[p] = 0;
            }
        }
    }

    // Whether a configuration fails the free text.
    bool failsText(const Connections& c, std::size_t combo) const {
        for (std::size_t w = 0; w < open_.size(); ++w) {
            const OpenWord& word = open_[w];
            if (!c.said[w] && !word.comboSaid[combo] && !word.comboFinds[combo][c.states[w]]) return true;
        }
        return false;
    }
    bool hasOpenWords() const { return !open_.empty(); }

  private:
    void planText(const PreparedQuery& query);

    const IndexGroup& g_;
    std::vector<std::size_t> used_;
    std::vector<Combo> combos_;
    std::vector<OpenWord> open_;
    bool textImpossible_ = false;
};

}  // namespace tarvek::search
