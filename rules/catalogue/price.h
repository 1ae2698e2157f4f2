// Amounts of the catalogue: whole US cents to add up, and each price as the catalogue writes
// it ("140.00", "7.5", "45"), for the places that show a price as written.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvek {

// An amount in whole cents. Sums of catalogue prices are exact.
struct Money {
    std::int64_t cents = 0;

    double dollars() const { return double(cents) / 100; }
    friend constexpr Money operator+(Money a, Money b) { return {a.cents + b.cents}; }
    friend constexpr auto operator<=>(Money, Money) = default;
};

// A price from a catalogue table: written as the catalogue writes it, with at most two decimals,
// or empty where the catalogue states no price. Anything else in a table fails to compile.
class Price {
  public:
    template <std::size_t N>
    consteval Price(const char (&written)[N]) : written_(written, N - 1), amount_(parse(written_)) {}

    constexpr Money amount() const { return amount_; }
    constexpr std::string_view written() const { return written_; }
    constexpr bool stated() const { return !written_.empty(); }
    friend constexpr bool operator==(const Price& a, const Price& b) { return a.written_ == b.written_; }

  private:
    static consteval Money parse(std::string_view text) {
        std::int64_t whole = 0, fraction = 0;
        int decimals = -1;  // none until the period
        for (const char c : text) {
            if (c == '.' && decimals < 0) {
                decimals = 0;
            } else if (c >= '0' && c <= '9' && decimals < 2) {
                if (decimals < 0) {
                    whole = whole * 10 + (c - '0');
                } else {
                    fraction = fraction * 10 + (c - '0');
                    ++decimals;
                }
            } else {
                throw "not a price of the catalogue";
            }
        }
        if (decimals == 1) fraction *= 10;
        return {whole * 100 + fraction};
    }

    std::string_view written_;
    Money amount_;
};

// What a price segment holds when nothing was chosen there.
inline constexpr Price kNoPrice = "0";

// What one choice adds to a configuration: its code in the part number, with the catalogue's
// own separators and blanks, and its price.
struct Contribution {
    std::string_view code;
    Price price = kNoPrice;
    bool operator==(const Contribution&) const = default;
};

}  // namespace tarvek
