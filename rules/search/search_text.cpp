#include "rules/search/search_text.h"

#include <algorithm>

#include "rules/part_numbers/part_number_text.h"

namespace tarvek::search {
namespace {

bool separates(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; }

}  // namespace

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

std::vector<SearchWord> searchWords(std::string_view text) {
    std::vector<SearchWord> words;
    for (std::size_t i = 0; i < text.size();) {
        if (separates(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !separates(text[end])) ++end;
        // A no-break space between two words separates them too.
        const std::string normal = normalizedPartNumber(text.substr(i, end - i));
        i = end;
        std::size_t start = 0;
        for (std::size_t at; start <= normal.size(); start = at + 2) {
            at = std::min(normal.find("\xC2\xA0", start), normal.size());
            const std::string part = normal.substr(start, at - start);
            if (!part.empty() && std::none_of(words.begin(), words.end(),
                                              [&](const SearchWord& w) { return w.partNumberForm == part; }))
                words.push_back({part, lowerCase(part)});
            if (at == normal.size()) break;
        }
    }
    return words;
}

WordFinder::WordFinder(std::string_view word) : word_(word) {
    if (!findable()) return;
    fallback_.assign(word_.size(), 0);
    for (std::size_t i = 1, k = 0; i < word_.size(); ++i) {
        while (k > 0 && word_[i] != word_[k]) k = fallback_[k - 1];
        if (word_[i] == word_[k]) ++k;
        fallback_[i] = State(k);
    }
}

WordFinder::State WordFinder::feed(State state, std::string_view piece) const {
    if (!findable()) return 0;
    for (const char c : piece) {
        if (state == found()) return state;
        while (state > 0 && word_[state] != c) state = fallback_[state - 1];
        if (word_[state] == c) ++state;
    }
    return state;
}

}  // namespace tarvek::search
