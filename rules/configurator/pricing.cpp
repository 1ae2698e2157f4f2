#include "rules/configurator/pricing.h"

#include <cmath>

#include "rules/numbers/number_text.h"

namespace tarvek {

std::string priceText(Money amount) { return numberText(amount.dollars()); }

std::string listPriceText(std::optional<Money> listPrice) { return listPrice ? priceText(*listPrice) : ""; }

std::optional<double> netPrice(Money listPrice, std::string_view discountPercent) {
    const double discount = leadingNumber(discountPercent);
    const double factor = (1 - discount * 0.01) * 100;
    const double cents = listPrice.dollars() * factor + 0.1;
    const double net = std::floor(cents) / 100;
    if (!std::isfinite(net)) return std::nullopt;
    return net;
}

std::string netPriceText(std::optional<double> netPrice) { return netPrice ? numberText(*netPrice) : ""; }

}  // namespace tarvek
