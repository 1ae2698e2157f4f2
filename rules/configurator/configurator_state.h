// Everything a user of the configurator page can see: the lists with their captions, the
// option buttons, the configuration record, the prices, the notices and the picture. A plain
// value that is cheap to copy: list entries and shown names point into the catalogue's tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "rules/catalogue/lookup.h"
#include "rules/configurator/configuration_record.h"

namespace tarvek {

// The lists of the cascade, in the order they open.
enum class List { ProductType, Body, Model, Porting, Conn1, Conn2, Conn3, Conn4 };
inline constexpr std::size_t kListCount = 8;

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
               std::ranges::equal(entries, other.entries);
    }
};

// The option controls: three seat/seal buttons, six handle colours, the lever-handle check box.
enum class Option { optStd, optVSKZ, optB5EP, optBL, optBK, optGR, optRD, optWH, optYW, chkLS };
inline constexpr std::size_t kOptionCount = 10;
inline constexpr std::size_t kSeatButtons = 3;    // optStd .. optB5EP
inline constexpr std::size_t kColourButtons = 6;  // optBL .. optYW

struct OptionState {
    std::string_view caption;
    bool enabled = false;
    bool checked = false;
    bool operator==(const OptionState&) const = default;
};

struct ConfiguratorState {
    std::array<ListState, kListCount> lists;
    // A list's caption label is active (enabled and bold) or inactive (neither).
    std::array<bool, kListCount> captionActive{};
    // The option frames use the same pair.
    bool seatFrameActive = false;
    bool colourFrameActive = false;
    std::array<OptionState, kOptionCount> options;

    ConfigurationRecord record;
    std::string partNumber;
    std::string listPrice;
    std::string discount = "0";
    std::string netPrice;
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
