#include "rules/quotes/quote.h"

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "rules/configurator/page_texts.h"
#include "rules/configurator/pricing.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

using page::kDiscountCaption;
using page::kListPriceCaption;
using page::kNetPriceCaption;

// The discount as the prices were worked out with it ("10 %" reads 10, letters read 0); a
// price the catalogue cannot state (a discount beyond the number range) is left out.
std::vector<QuoteLine> pricesOf(const ConfiguratorState& s) {
    std::vector<QuoteLine> prices;
    const auto add = [&](std::string_view caption, std::string text) {
        if (!text.empty()) prices.push_back({caption, std::move(text)});
    };
    add(kListPriceCaption, listPriceText(s.listPrice));
    add(kDiscountCaption, numberText(leadingNumber(s.discount)));
    add(kNetPriceCaption, netPriceText(s.netPrice));
    return prices;
}

}  // namespace

bool canQuote(const ConfiguratorState& state) { return !state.partNumber.empty(); }

Quote quoteOf(const ConfiguratorState& state) {
    Quote quote;
    quote.partNumber = state.partNumber;
    for (const DescriptionLine& line : describeConfiguration(state))
        quote.description.push_back({kStepNames[std::size_t(line.step)], std::string(line.text)});
    if (state.pricesShown) quote.prices = pricesOf(state);
    quote.nonStandard = state.nonStandardBanner;
    if (quote.nonStandard) quote.nonStandardReasons = nonStandardReasons(state);
    // Without its frame's title: the lever handle's picture shows under "Porting (Top View)".
    if (state.pictureShown) quote.picture = state.picture;
    return quote;
}

}  // namespace tarvek
