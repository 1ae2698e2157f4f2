// Everything a user of the configurator can see: the lists with their captions, the option
// buttons, the configuration record, the prices, the notices and the picture. A plain value
// that is cheap to copy: list entries and shown names point into the catalogue's tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/catalogue/lookup.h"
#include "rules/catalogue/product_types.h"
#include "rules/configurator/configuration_record.h"

namespace tarvek {

// The lists of the cascade, in the order they open.
enum class List { ProductType, Body, Model, Porting, Connection1, Connection2, Connection3, Connection4 };
inline constexpr std::size_t kListCount = 8;

constexpr List connectionList(std::size_t position) {
    return List(std::size_t(List::Connection1) + position);
}

struct ListState {
    Entries entries;
    bool enabled = false;
    int chosen = -1;  // -1: no entry chosen, as after filling from code

    std::string_view chosenText() const {
        return chosen >= 0 && std::size_t(chosen) < entries.size() ? entries[std::size_t(chosen)]
                                                                   : std::string_view();
    }
    bool operator==(const ListState& other) const {
        return enabled == other.enabled && chosen == other.chosen &&
               std::equal(entries.begin(), entries.end(), other.entries.begin(), other.entries.end());
    }
};

// The options: three seat buttons (which flow components caption as seals), six handle
// colours, and the lever handle's check box.
enum class Option {
    StandardSeat,    // or the standard seal
    VespelSeat,      // or the Kalrez seal
    BleedSeat,       // or the EPR seal
    StandardColour,  // Tarvek blue
    Black,
    Green,
    Red,
    White,
    Yellow,
    LeverHandle,
};
inline constexpr std::size_t kOptionCount = 10;
inline constexpr std::size_t kSeatButtons = 3;    // StandardSeat .. BleedSeat
inline constexpr std::size_t kColourButtons = 6;  // StandardColour .. Yellow

struct OptionState {
    std::string_view caption;
    bool enabled = false;
    bool checked = false;
    bool operator==(const OptionState&) const = default;
};

struct ConfiguratorState {
    std::array<ListState, kListCount> lists;
    // A list's caption is active (enabled and bold) or inactive (neither).
    std::array<bool, kListCount> captionActive{};
    // The option frames use the same pair.
    bool seatFrameActive = false;
    bool colourFrameActive = false;
    std::array<OptionState, kOptionCount> options;

    ProductFamily productFamily = ProductFamily::None;  // of the product type chosen
    ConfigurationRecord record;
    std::string partNumber;
    std::optional<Money> listPrice;  // none until the first choice adds it up
    std::string discount = "0";      // as typed, in percent
    std::optional<double> netPrice;  // none at first, or beyond the number range
    bool discountEnabled = true;
    bool pricesShown = true;  // the brand picture's double-click hides and shows them
    bool nonStandardBanner = false;

    std::string_view picture;  // the file last loaded; empty: no picture
    bool pictureShown = false;
    std::string_view pictureCaption;  // the picture frame's title
    std::string_view valveDescription;
    bool valveDescriptionShown = false;
    bool vBlockNoteShown = false;
    bool compartFittingsNoteShown = false;
    bool wikaGaugesNoteShown = false;

    const ListState& list(List l) const { return lists[std::size_t(l)]; }
    ListState& list(List l) { return lists[std::size_t(l)]; }
    bool captionIsActive(List l) const { return captionActive[std::size_t(l)]; }
    const OptionState& option(Option o) const { return options[std::size_t(o)]; }
    OptionState& option(Option o) { return options[std::size_t(o)]; }

    bool operator==(const ConfiguratorState&) const = default;
};

}  // namespace tarvek
