// Reading the catalogue's entry texts for the documents: codes, descriptions, series
// names and amounts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue/price.h"

namespace tarvek {

// An entry text is a code, a dash separator (" - " or " --- ") and a description:
// "A310 --- Air-Op N.C., Low Pressure", "M - Male Face Seal, 1/4 inch". An entry without
// a separator is all description.
struct EntryParts {
    std::string_view code;
    std::string_view description;
};
EntryParts splitEntry(std::string_view entry);

// "-MX2" -> "MX2".
std::string_view seriesName(std::string_view bodyCode);

// The series a spare part fits, from its entry ("Valve Seat - MX1/MX2" -> MX1, MX2).
std::vector<std::string_view> sparePartSeries(std::string_view entry);

// Amounts in whole cents, printed with two decimals; prices of zero read "no charge".
long long cents(std::string_view price);
std::string centsText(long long amount);
std::string priceCell(std::string_view price);
std::string priceCell(const Price& price);

// "A, B and C".
std::string joinedList(const std::vector<std::string>& items);

}  // namespace tarvek
