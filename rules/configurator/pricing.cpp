#include "rules/configurator/pricing.h"

#include <cmath>

#include "rules/numbers/number_text.h"

namespace tarvek {

std::string listPriceText(const ConfigurationRecord& record) {
    double sum = 0;
    for (const Segment segment : kPriceSegments) sum += leadingNumber(record.*segment);
    return numberText(sum);
}

std::string netPriceText(std::string_view listPrice, std::string_view discountPercent) {
    const double discount = leadingNumber(discountPercent);
    const double price = leadingNumber(listPrice);
    const double factor = (1 - discount * 0.01) * 100;
    const double cents = price * factor + 0.1;
    return numberText(std::floor(cents) / 100);
}

}  // namespace tarvek
