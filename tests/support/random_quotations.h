// Random quotations for the save-and-read-back properties, from a seed so that a failure
// repeats: header texts drawn from every control character, ASCII (the escapes' backslash
// among it), multi-byte UTF-8 of two to four bytes, a byte-order mark, blanks at either end
// and the workbook's own escape "_x0041_"; lines with any allowed quantity, discount and
// list price, their descriptions with tabs and line ends.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "rules/quotes/quotation.h"

namespace tarvek::testing {

class RandomQuotations {
  public:
    explicit RandomQuotations(std::uint64_t seed) : random_(seed) {}

    // A text of up to `longest` pieces; a control character in about one piece of 64.
    std::string text(int longest, bool controls = true) {
        static constexpr std::array<std::string_view, 16> kPieces = {"\xC3\xA9",
                                                                     "\xC3\x9F",
                                                                     "\xE2\x82\xAC",
                                                                     "\xE4\xB8\xAD",
                                                                     "\xF0\x9D\x84\x9E",
                                                                     "\xF0\x9F\x98\x80",
                                                                     "\xEF\xBF\xBD",
                                                                     "\xE2\x80\xA8",
                                                                     "\xEF\xBB\xBF",
                                                                     "\xC2\xA0",
                                                                     "_x0041_",
                                                                     "\\t",
                                                                     "\\",
                                                                     " ",
                                                                     "\"",
                                                                     "&<>'"};
        std::string out;
        for (int i = number(0, longest); i > 0; --i) {
            const int kind = number(0, 63);
            if (kind == 0 && controls)
                out += controlCharacter(number(0, 64));
            else if (kind < 20)
                out += kPieces[std::size_t(number(0, int(kPieces.size()) - 1))];
            else
                out += char(number(0x20, 0x7E));
        }
        return out;
    }

    Quotation quotation() {
        Quotation q;
        QuotationHeader& h = q.header;
        h.number = text(12);
        h.customer = text(20);
        h.contact = text(10);
        h.reference = text(10);
        h.priceList = text(10);
        h.notes = text(30);
        for (int i = number(0, 2); i > 0; --i) h.notes += number(0, 1) ? "\n" : "\t";
        h.notes += text(10);
        h.date = dateText(number(1900, 2100), number(1, 12), number(1, 28));
        h.validityDays = number(0, 3650);
        if (number(0, 2) > 0) h.discount = Percent{number(0, kMaxPercent.hundredths)};
        for (int i = number(0, 6); i > 0; --i) {
            QuotationLine line;
            line.partNumber = partNumber();
            line.description = text(20, false) + (number(0, 1) ? "\t" : "\n") + text(5, false);
            line.quantity = number(kMinQuantity, kMaxQuantity);
            line.listPrice = Money{number(0, 100'000'00)};
            if (number(0, 1)) line.discount = Percent{number(0, kMaxPercent.hundredths)};
            q.lines.push_back(line);
        }
        return q;
    }

    // Control character `index`: U+0000 to U+001F, U+007F, then U+0080 to U+009F.
    static std::string controlCharacter(int index) {
        if (index < 32) return std::string(1, char(index));
        if (index == 32) return "\x7F";
        return std::string{char(0xC2), char(0x80 + index - 33)};
    }

  private:
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string partNumber() {
        static constexpr std::string_view kCharacters = "ABCDEFGHJKLMNOPQRSTUVWXYZ0123456789-/ ";
        std::string out(1, 'A');
        for (int i = number(0, 30); i > 0; --i) out += kCharacters[std::size_t(number(0, 37))];
        return out;
    }

    static std::string dateText(int year, int month, int day) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        return text;
    }

    std::mt19937_64 random_;
};

// The texts of a header the program takes, as it takes them (the notes may hold line feeds
// and tabs).
inline bool headerIsTaken(const QuotationHeader& h) {
    for (const std::string* text : {&h.number, &h.customer, &h.contact, &h.reference, &h.priceList})
        if (!headerTextProblem(*text).empty()) return false;
    return headerTextProblem(h.notes, true).empty();
}

}  // namespace tarvek::testing
