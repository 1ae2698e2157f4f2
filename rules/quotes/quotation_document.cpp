#include "rules/quotes/quotation_document.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/service_record.h"
#include "rules/text/escaped_fields.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestShown = 40;
constexpr std::size_t kLongestPartNumber = 200;  // far longer than any of the catalogue's
// Far above any catalogue price, and low enough that no total of a document overflows.
constexpr Money kHighestListPrice{100'000'00};

// A field's text; none for a broken escape or a control character written as it is.
std::optional<std::string> unescaped(std::string_view field) {
    for (const char c : field)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    return unescapedField(field);
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::string shown(std::string_view text) { return "\"" + displayable(text, kLongestShown) + "\""; }

void writeField(std::string& out, std::string_view name, std::string_view text) {
    out += name;
    out += '\t';
    out += escapedField(text);
    out += '\n';
}

// Reads one document line by line, stopping at the first problem.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    QuotationReading read() {
        QuotationReading reading;
        if (rest_.size() > kLargestQuoteDocument) {
            reading.problem = "the file is larger than any quote document (64 MiB)";
            return reading;
        }
        if (!rest_.starts_with(kQuoteDocumentMagic)) {
            reading.problem = "not a Tarvek quote document";
            return reading;
        }
        Quotation quotation;
        if (readAll(quotation))
            reading.quotation = std::move(quotation);
        else
            reading.problem = "line " + std::to_string(lineNumber_) + ": " + problem_;
        return reading;
    }

  private:
    bool fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }

    bool nextLine(std::string_view& line) {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            line = rest_;
            rest_ = {};
        } else {
            line = rest_.substr(0, end);
            rest_.remove_prefix(end + 1);
        }
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++lineNumber_;
        return true;
    }

    bool readFormat(std::string_view line) {
        if (!isUtf8(line)) return fail("not a Tarvek quote document");
        const auto fields = split(line);
        if (fields.size() != 2 || fields[0] != kQuoteDocumentMagic)
            return fail("not a Tarvek quote document");
        int format = 0;
        for (const char c : fields[1]) {
            if (c < '0' || c > '9' || format > 1'000'000)
                return fail("the format " + shown(fields[1]) + " is not a number");
            format = format * 10 + (c - '0');
        }
        if (fields[1].empty() || format < 1)
            return fail("the format " + shown(fields[1]) + " is not a number");
        if (format > kQuoteDocumentServicesFormat)
            return fail("written by a newer version of the catalogue (quote format " +
                        std::to_string(format) + "; this version reads format " +
                        std::to_string(kQuoteDocumentServicesFormat) + ")");
        format_ = format;
        return true;
    }

    bool readAll(Quotation& quotation) {
        std::string_view line;
        if (!nextLine(line)) return fail("not a Tarvek quote document");
        if (!readFormat(line)) return false;
        while (nextLine(line)) {
            if (!isUtf8(line)) return fail("the text is not UTF-8");
            const auto fields = split(line);
            if (format_ >= kQuoteDocumentServicesFormat &&
                (fields[0] == kServiceRecord || fields[0] == kProposedRecord)) {
                if (!readServiceRecords(fields, quotation)) return false;
                continue;
            }
            if (!tagHasService(quotation)) return false;
            if (fields[0] == "end") return readEnd(fields, quotation);
            if (fields[0] == "line") {
                if (!readLine(fields, quotation)) return false;
                continue;
            }
            if (!readHeaderField(fields, quotation.header)) return false;
            lastRecord_ = Record::Other;
        }
        return fail("the file is cut short: its end record is missing");
    }

    // A line's service and its mark follow the line, each once, the mark after the service.
    bool readServiceRecords(const std::vector<std::string_view>& fields, Quotation& quotation) {
        if (quotation.lines.empty() || (lastRecord_ != Record::Line && fields[0] == kServiceRecord) ||
            (lastRecord_ != Record::Service && fields[0] == kProposedRecord))
            return fail(std::string(fields[0]) + (fields[0] == kServiceRecord
                                                      ? " does not follow a line"
                                                      : " does not follow a service"));
        QuotationLine& line = quotation.lines.back();
        if (fields[0] == kProposedRecord) {
            if (fields.size() != 1)
                return fail("proposed has " + std::to_string(fields.size()) + " fields, not 1");
            line.proposed = true;
            lastRecord_ = Record::Proposed;
            return true;
        }
        std::string problem;
        line.service = readServiceRecord(std::span(fields).subspan(1), problem);
        if (!line.service) return fail(problem);
        lastRecord_ = Record::Service;
        return true;
    }

    // A line without a part number is a tag: its service must follow it.
    bool tagHasService(const Quotation& quotation) {
        if (quotation.lines.empty() || !quotation.lines.back().partNumber.empty() ||
            quotation.lines.back().service)
            return true;
        return fail("a line without a part number has no service");
    }

    bool readEnd(const std::vector<std::string_view>& fields, const Quotation& quotation) {
        if (fields.size() != 2 || fields[1] != std::to_string(quotation.lines.size()))
            return fail("the file is cut short or damaged: it ends after " +
                        std::to_string(quotation.lines.size()) + " lines, but says " +
                        (fields.size() == 2 ? shown(fields[1]) : std::string("nothing")));
        if (!rest_.empty()) {
            ++lineNumber_;
            return fail("something follows the end record");
        }
        for (const std::string_view name : {"number", "date", "validity", "price-list"})
            if (!seen(name)) return fail("the header field " + std::string(name) + " is missing");
        return true;
    }

    bool seen(std::string_view name) const {
        for (const std::string& field : seen_)
            if (field == name) return true;
        return false;
    }

    bool readHeaderField(const std::vector<std::string_view>& fields, QuotationHeader& header) {
        constexpr std::array<std::string_view, 9> known = {"number",     "customer", "contact",
                                                           "reference",  "date",     "validity",
                                                           "price-list", "discount", "notes"};
        const std::string_view name = fields[0];
        if (std::find(known.begin(), known.end(), name) == known.end())
            return fail("unknown record " + shown(name));
        if (fields.size() != 2)
            return fail(std::string(name) + " has " + std::to_string(fields.size()) + " fields, not 2");
        if (seen(name)) return fail(std::string(name) + " is given twice");
        seen_.emplace_back(name);
        const std::optional<std::string> text = unescaped(fields[1]);
        if (!text) return fail(std::string(name) + " holds a control character or a broken escape");
        if (name == "number") header.number = *text;
        if (name == "customer") header.customer = *text;
        if (name == "contact") header.contact = *text;
        if (name == "reference") header.reference = *text;
        if (name == "notes") header.notes = *text;
        if (name == "price-list") header.priceList = *text;
        if (name == "date") {
            if (!isDate(*text))
                return fail("the date " + shown(*text) + " is no date of the form YYYY-MM-DD");
            header.date = *text;
        }
        if (name == "validity") {
            int days = 0;
            for (const char c : *text) {
                if (c < '0' || c > '9' || days > kMostValidityDays) {  // no sum past the range
                    days = -1;
                    break;
                }
                days = days * 10 + (c - '0');
            }
            if (text->empty() || days < 0 || days > kMostValidityDays)
                return fail("the validity " + shown(*text) + " is not a number of days from 0 to 3650");
            header.validityDays = days;
        }
        if (name == "discount") {
            std::string problem;
            header.discount = parsePercent(*text, &problem);
            if (!header.discount || text->find_first_not_of("0123456789.") != std::string::npos)
                return fail("the discount " + shown(*text) + ": " +
                            (problem.empty() ? "a discount is a number from 0 to 100" : problem));
        }
        return true;
    }

    bool readLine(const std::vector<std::string_view>& fields, Quotation& quotation) {
        if (fields.size() != 6) return fail("a line has " + std::to_string(fields.size()) + " fields, not 6");
        if (quotation.lines.size() >= kMostQuoteLines) return fail("more than 100,000 lines");
        QuotationLine line;
        const std::optional<std::string> partNumber = unescaped(fields[1]);
        // Format 2 holds tags without a valve yet: no part number at all.
        const bool tag = format_ >= kQuoteDocumentServicesFormat && partNumber && partNumber->empty();
        if (!partNumber || (withoutSurroundingBlanks(*partNumber).empty() && !tag))
            return fail("a line has no part number, or one with a control character");
        if (partNumber->size() > kLongestPartNumber)
            return fail("a part number longer than any of the catalogue's (" +
                        std::to_string(kLongestPartNumber) + " characters)");
        line.partNumber = *partNumber;
        std::string problem;
        const std::optional<int> quantity =
            fields[2].find_first_not_of("0123456789") == std::string_view::npos
                ? parseQuantity(fields[2], &problem)
                : std::nullopt;
        if (!quantity)
            return fail("the quantity " + shown(fields[2]) + " is not a whole number from 1 to 1,000,000");
        line.quantity = *quantity;
        if (!fields[3].empty()) {
            line.discount = fields[3].find_first_not_of("0123456789.") == std::string_view::npos
                                ? parsePercent(fields[3], &problem)
                                : std::nullopt;
            if (!line.discount)
                return fail("the discount " + shown(fields[3]) + " is not a number from 0 to 100");
        }
        const std::optional<Money> price = parseMoney(fields[4]);
        if (!price || fields[4].find('.') != fields[4].size() - 3 || *price > kHighestListPrice)
            return fail("the list price " + shown(fields[4]) +
                        " is not an amount up to 100000.00 with two decimals");
        line.listPrice = *price;
        const std::optional<std::string> description = unescaped(fields[5]);
        if (!description) return fail("a description holds a control character or a broken escape");
        line.description = *description;
        quotation.lines.push_back(std::move(line));
        lastRecord_ = Record::Line;
        return true;
    }

    enum class Record { Other, Line, Service, Proposed };

    std::string_view rest_;
    int format_ = kQuoteDocumentFormat;
    Record lastRecord_ = Record::Other;
    std::size_t lineNumber_ = 0;
    std::string problem_;
    std::vector<std::string> seen_;
};

}  // namespace

int quotationDocumentFormat(const Quotation& quotation) {
    const bool services =
        std::any_of(quotation.lines.begin(), quotation.lines.end(),
                    [](const QuotationLine& line) { return line.service || line.partNumber.empty(); });
    return services ? kQuoteDocumentServicesFormat : kQuoteDocumentFormat;
}

void writeQuotationDocument(const Quotation& quotation, const TextSink& write) {
    const QuotationHeader& h = quotation.header;
    const int format = quotationDocumentFormat(quotation);
    std::string out = std::string(kQuoteDocumentMagic) + '\t' + std::to_string(format) + '\n';
    writeField(out, "number", h.number);
    writeField(out, "customer", h.customer);
    writeField(out, "contact", h.contact);
    writeField(out, "reference", h.reference);
    writeField(out, "date", h.date);
    writeField(out, "validity", std::to_string(h.validityDays));
    writeField(out, "price-list", h.priceList);
    if (h.discount) writeField(out, "discount", percentText(*h.discount));
    writeField(out, "notes", h.notes);
    write(out);
    for (const QuotationLine& line : quotation.lines) {
        out = "line\t" + escapedField(line.partNumber) + '\t' + std::to_string(line.quantity) + '\t' +
              (line.discount ? percentText(*line.discount) : std::string()) + '\t' +
              decimalText(line.listPrice) + '\t' + escapedField(line.description) + '\n';
        if (format >= kQuoteDocumentServicesFormat) {
            // A proposal is one for its service: the mark is kept with the service alone.
            if (line.service) out += serviceRecord(*line.service);
            if (line.service && line.proposed) out += std::string(kProposedRecord) + '\n';
        }
        write(out);
    }
    write("end\t" + std::to_string(quotation.lines.size()) + '\n');
}

std::string quotationDocument(const Quotation& quotation) {
    std::string document;
    writeQuotationDocument(quotation, [&document](std::string_view piece) { document += piece; });
    return document;
}

QuotationReading readQuotationDocument(std::string_view bytes) {
    // Editors on Windows (Notepad among them) begin a UTF-8 file with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return Reader(bytes).read();
}

}  // namespace tarvek
