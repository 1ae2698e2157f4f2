// The values a filter takes: a configuration meets it with any one of them, and an empty set
// asks nothing. Kept sorted and distinct, so that two equal choices compare equal.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tarvek::search {

// A value of an attribute, by its place in the attribute's list. Value 0 is "none": the
// configuration has no such thing (a fitting has no porting, a valve without handle options
// no colour).
using ValueId = std::uint16_t;
inline constexpr ValueId kNone = 0;

class ValueSet {
  public:
    ValueSet() = default;
    ValueSet(std::initializer_list<ValueId> values) {
        for (const ValueId v : values) add(v);
    }

    bool empty() const { return values_.empty(); }
    std::size_t size() const { return values_.size(); }
    bool contains(ValueId v) const { return std::binary_search(values_.begin(), values_.end(), v); }
    // Every value of `other` is one of these.
    bool includes(const ValueSet& other) const {
        return std::includes(values_.begin(), values_.end(), other.values_.begin(), other.values_.end());
    }
    void add(ValueId v) {
        const auto at = std::lower_bound(values_.begin(), values_.end(), v);
        if (at == values_.end() || *at != v) values_.insert(at, v);
    }
    void add(const ValueSet& other) {
        for (const ValueId v : other) add(v);
    }
    void remove(const ValueSet& other) {
        std::erase_if(values_, [&](ValueId v) { return other.contains(v); });
    }
    void clear() { values_.clear(); }

    std::vector<ValueId>::const_iterator begin() const { return values_.begin(); }
    std::vector<ValueId>::const_iterator end() const { return values_.end(); }
    bool operator==(const ValueSet&) const = default;

  private:
    std::vector<ValueId> values_;
};

// The union of two sets.
inline ValueSet joined(ValueSet a, const ValueSet& b) {
    a.add(b);
    return a;
}

}  // namespace tarvek::search
