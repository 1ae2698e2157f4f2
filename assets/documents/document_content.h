// What each document says: brochures and maintenance sheets drawn from the catalogue's own
// tables, so a price or part number in a document is the one the configurator gives.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "rules/catalogue/documents.h"
#include "rules/catalogue/price.h"

namespace tarvek {

inline constexpr std::string_view kMakerName = "Tarvek Products";
inline constexpr std::string_view kCatalogueDate = "130205";
inline constexpr std::string_view kWebAddress = "www.tarvek.com";

struct Heading {
    std::string text;
};
struct Paragraph {
    std::string text;
};
// A framed warning the reader must not miss.
struct Notice {
    std::string title;
    std::string text;
};
struct NumberedSteps {
    std::vector<std::string> steps;
};
struct TextTable {
    struct Column {
        std::string heading;
        double width;  // share of the text width
        bool amount;   // right-aligned figures
    };
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    bool totalRow = false;  // the last row sums up the others
};

using Block = std::variant<Heading, Paragraph, Notice, NumberedSteps, TextTable>;

struct DocumentContent {
    std::string fileName;   // in the program's folder
    std::string kindLabel;  // "Product Brochure", "Maintenance Sheet"
    std::string title;
    std::string subtitle;
    std::string picture;         // picture file in the runtime folder; "" for none
    std::string pictureCaption;  // under the picture, and in its place when it is missing
    std::vector<std::pair<std::string, std::string>> keyFacts;  // beside the picture
    std::vector<Block> blocks;
};

DocumentContent documentContent(const Document& document);

// Amounts as documents print them: "140.00" from "140.00", "540" or "7.5".
std::string dollars(std::string_view price);
std::string dollars(Money amount);
std::string dollars(const Price& price);

}  // namespace tarvek
