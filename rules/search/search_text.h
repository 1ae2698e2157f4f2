// The free text of a search: words that must each be found in a configuration's part number
// or in one of the texts that describe it, in any case. A word can run across the segments
// of a part number ("MXFX"), so it is followed through them one segment at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek::search {

// ASCII letters in lower case; every other byte as it is.
std::string lowerCase(std::string_view text);

struct SearchWord {
    std::string partNumberForm;  // as part numbers are compared: upper case, plain hyphens
    std::string textForm;        // as descriptions are compared: the same in lower case
};

// The distinct words of a free text, split at blanks and control characters; typographic
// dashes read as hyphens. Bytes that are no text of the catalogue stay, and match nothing.
std::vector<SearchWord> searchWords(std::string_view text);

// Where a word stands while a part number is read piece by piece: how much of the word the
// text read so far ends with; `found()` once the whole word was read.
class WordFinder {
  public:
    using State = std::uint8_t;
    static constexpr std::size_t kLongest = 254;  // a longer word is found nowhere

    explicit WordFinder(std::string_view word);

    State found() const { return findable() ? State(word_.size()) : State(kLongest + 1); }
    State feed(State state, std::string_view piece) const;
    bool findable() const { return !word_.empty() && word_.size() <= kLongest; }

  private:
    std::string word_;
    std::vector<State> fallback_;  // for each matched length, the longest proper border
};

}  // namespace tarvek::search
