#include "catalogue/quote.h"

#include <optional>

#include "catalogue/nonstandard_reasons.h"
#include "catalogue/product_types.h"
#include "config/number_text.h"

namespace tarvek {
namespace {

struct ListStep {
    List list;
    std::string_view caption;  // the list's caption label
};

constexpr ListStep kListSteps[] = {
    {List::ProductType, "Product Type"}, {List::Body, "Body Type"},     {List::Model, "Model / Series"},
    {List::Porting, "Porting Style"},    {List::Conn1, "Connection 1"}, {List::Conn2, "Connection 2"},
    {List::Conn3, "Connection 3"},       {List::Conn4, "Connection 4"},
};

constexpr std::string_view kSeatCaption = "Seat / Seal";
constexpr std::string_view kColourCaption = "Handle Color";
constexpr std::string_view kLeverCaption = "Lever Handle";
constexpr std::string_view kListPriceCaption = "List Price US$";
constexpr std::string_view kDiscountCaption = "Discount %";
constexpr std::string_view kNetPriceCaption = "Net Price US$";

// Headings, notes, blank lines and the product-type separator can be chosen, but they name
// nothing: the model list's only reset, and no model segment is written.
bool namesAStep(const ConfiguratorState& s, List list) {
    const std::string_view entry = s.list(list).chosenText();
    if (entry.find_first_not_of(' ') == std::string_view::npos) return false;
    if (list == List::ProductType) return findRow(kProductTypes, &ProductType::entry, entry) != nullptr;
    if (list == List::Model) return !s.record.lblPNModel.empty();
    return true;
}

// The selected button of a group, when the group belongs to the product.
std::optional<std::string_view> selectedCaption(const ConfiguratorState& s, std::size_t first,
                                                std::size_t count) {
    for (std::size_t i = first; i < first + count; ++i)
        if (s.options[i].checked) return s.options[i].caption;
    return std::nullopt;
}

void describeOptions(const ConfiguratorState& s, std::vector<QuoteLine>& lines) {
    // A group counts while its frame is open, or when the model fixed its choice (the Vespel
    // seat of the very high pressure valves) with the frame closed.
    if (s.seatFrameActive || !s.record.lblPNOptionsSeat.empty())
        if (const auto seat = selectedCaption(s, std::size_t(Option::optStd), kSeatButtons))
            lines.push_back({kSeatCaption, std::string(*seat)});
    if (s.colourFrameActive || !s.record.lblPNOptionsColor.empty())
        if (const auto colour = selectedCaption(s, std::size_t(Option::optBL), kColourButtons))
            lines.push_back({kColourCaption, std::string(*colour)});
    if (s.option(Option::chkLS).checked)
        lines.push_back({kLeverCaption, std::string(s.option(Option::chkLS).caption)});
}

// The discount as the prices were worked out with it ("10 %" reads 10, letters read 0); a
// price the catalogue cannot state (a discount beyond the number range) is left out.
std::vector<QuoteLine> pricesOf(const ConfiguratorState& s) {
    std::vector<QuoteLine> prices;
    const auto add = [&](std::string_view caption, std::string text) {
        if (!text.empty()) prices.push_back({caption, std::move(text)});
    };
    add(kListPriceCaption, s.listPrice);
    add(kDiscountCaption, numberText(leadingNumber(s.discount)));
    add(kNetPriceCaption, s.netPrice);
    return prices;
}

}  // namespace

bool canQuote(const ConfiguratorState& state) { return !state.partNumber.empty(); }

Quote quoteOf(const ConfiguratorState& state) {
    Quote quote;
    quote.partNumber = state.partNumber;
    for (const ListStep& step : kListSteps)
        if (namesAStep(state, step.list))
            quote.description.push_back({step.caption, std::string(state.list(step.list).chosenText())});
    describeOptions(state, quote.description);
    if (state.pricesShown) quote.prices = pricesOf(state);
    quote.nonStandard = state.nonStandardBanner;
    if (quote.nonStandard) quote.nonStandardReasons = nonStandardReasons(state);
    // Without its frame's title: the lever handle's picture shows under "Porting (Top View)".
    if (state.pictureShown) quote.picture = state.picture;
    return quote;
}

}  // namespace tarvek
