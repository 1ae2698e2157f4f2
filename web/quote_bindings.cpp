// The quote of many lines as JavaScript sees it (embind): the undoable edits, pasted part
// numbers, the header's fields, the quote document, its CSV and its workbook, and what the
// page says after each. Lines come from and go to the configurator as configuration links.
// Conversions only: every rule stays in the rules layer.
#include <emscripten/bind.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/numbers/sheet_number_text.h"
#include "rules/part_numbers/configuration_link.h"
#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/header_edit.h"
#include "rules/quotes/pasted_lines.h"
#include "rules/quotes/quotation_csv.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quotation_editor.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/quotation_merge.h"
#include "rules/quotes/quotation_messages.h"
#include "rules/quotes/quotation_workbook.h"
#include "rules/text/cell_rows.h"
#include "rules/text/workbook_archive.h"
#include "web/js_values.h"

namespace tarvek {
namespace {

using emscripten::val;

using web::text;

val lineView(const QuotationLine& line, std::size_t row, const Quotation& q, bool withPrices) {
    val view = val::object();
    view.set("number", int(row + 1));
    view.set("partNumber", line.partNumber);
    view.set("description", line.description);
    view.set("quantity", std::to_string(line.quantity));
    view.set("nonStandard", line.nonStandard);
    view.set("change", line.change.empty() ? std::string() : lineChangeTip(line.change));
    view.set("inCatalogue", !line.events.empty());
    view.set("ownDiscount", line.discount.has_value());
    if (withPrices) {
        const LinePrice price = linePrice(line, q.header.discount);
        view.set("listPrice", groupedText(line.listPrice));
        view.set("discount",
                 line.discount ? percentText(*line.discount) : "(" + percentText(price.discount) + ")");
        view.set("discountTyped", line.discount ? percentText(*line.discount) : std::string());
        view.set("unitNet", groupedText(price.unitNet));
        view.set("extended", groupedText(price.extended));
    }
    return view;
}

val headerView(const QuotationHeader& h) {
    val view = val::object();
    view.set("number", h.number);
    view.set("customer", h.customer);
    view.set("contact", h.contact);
    view.set("reference", h.reference);
    view.set("date", h.date);
    view.set("validity", h.validityDays);
    view.set("validUntil", validUntil(h.date, h.validityDays));
    view.set("priceList", h.priceList);
    view.set("discount", h.discount ? percentText(*h.discount) : std::string());
    view.set("notes", h.notes);
    return view;
}

val cellView(const WorkbookCell& cell) {
    constexpr const char* kKinds[] = {"text", "number", "formula", "blank"};
    constexpr const char* kFormats[] = {"plain", "heading", "money", "percentage", "wrapped"};
    val view = val::object();
    view.set("row", cell.row);
    view.set("column", cell.column);
    view.set("kind", std::string(kKinds[int(cell.kind)]));
    view.set("text", cell.text);
    view.set("number", cell.number);
    view.set("format", std::string(kFormats[int(cell.format)]));
    return view;
}

// The configuration a line's events reach, as a link the configurator opens.
std::string linkOf(const QuotationLine& line) {
    Configurator configurator;
    for (const ConfiguratorEvent& event : line.events) configurator.apply(event);
    return configurationLink(configurator.state());
}

// A line for the configuration a link names; none for a link that names none.
std::optional<QuotationLine> lineOfLink(const std::string& link) {
    const OpenedLink opened = openConfigurationLink(link);
    if (opened.events.empty()) return std::nullopt;
    Configurator configurator;
    for (const ConfiguratorEvent& event : opened.events) configurator.apply(event);
    const ConfiguratorState& state = configurator.state();
    if (state.partNumber.empty()) return std::nullopt;
    return lineOf(state, eventsReaching(state));
}

// The quote of one page: each edit answers with what the page says about it.
class QuoteSession {
  public:
    void start(int year, int month, int day, int hour, int minute, int second) {
        editor_.reset(freshQuotation(year, month, day, hour, minute, second));
    }

    // The quote but its lines, which the page asks for as it shows them.
    val view(bool withPrices) const {
        const Quotation& q = editor_.quotation();
        val view = val::object();
        view.set("lineCount", int(q.lines.size()));
        view.set("header", headerView(q.header));
        view.set("totals", totalsText(q, withPrices));
        view.set("canUndo", editor_.canUndo());
        view.set("canRedo", editor_.canRedo());
        view.set("undoText", editor_.undoText());
        view.set("redoText", editor_.redoText());
        view.set("modified", editor_.modified());
        return view;
    }

    // Lines `first` to `first + count - 1`, those the quote holds of them.
    val lines(bool withPrices, int first, int count) const {
        const Quotation& q = editor_.quotation();
        val lines = val::array();
        const std::size_t from = std::min(q.lines.size(), std::size_t(std::max(first, 0)));
        const std::size_t to = from + std::min(q.lines.size() - from, std::size_t(std::max(count, 0)));
        for (std::size_t i = from; i < to; ++i) lines.set(i - from, lineView(q.lines[i], i, q, withPrices));
        return lines;
    }

    std::string add(const std::string& link) {
        std::optional<QuotationLine> line = lineOfLink(link);
        if (!line) return {};
        if (roomInQuote(editor_.quotation()) == 0) return std::string(kQuoteIsFull);
        const std::string partNumber = line->partNumber;
        editor_.appendLines({std::move(*line)}, "add " + partNumber);
        return addedLineMessage(partNumber, editor_.quotation().lines.size() - 1);
    }
    val paste(const std::string& pastedText) {
        return append(readPastedLines(pastedText, roomInQuote(editor_.quotation())));
    }
    // The rows of a workbook's sheet as the page read them, [{number, cells}], a cell a text,
    // a number, {number, format} (its format code) or {boolean}: taken as a paste is.
    val importRows(val given) {
        std::vector<CellRow> rows;
        const unsigned count = given["length"].as<unsigned>();
        rows.reserve(count);
        for (unsigned r = 0; r < count; ++r) {
            const val row = given[r];
            const val cells = row["cells"];
            CellRow read{std::size_t(row["number"].as<double>()), {}};
            const unsigned width = cells["length"].as<unsigned>();
            read.cells.reserve(width);
            for (unsigned c = 0; c < width; ++c) read.cells.push_back(cellText(cells[c]));
            rows.push_back(std::move(read));
        }
        return append(readPastedRows(std::move(rows), roomInQuote(editor_.quotation())));
    }
    // Part numbers read from a paste or a file: what was added, in one step to undo.
    val append(const PastedLines& read) {
        PastedQuotationLines pasted = quotationLinesOf(read);
        const std::size_t added = pasted.lines.size();
        editor_.appendLines(std::move(pasted.lines), added == 1 ? "paste a line" : "paste lines");
        val result = val::object();
        result.set("added", int(added));
        result.set("message", pastedLinesMessage(added, pasted.problems));
        result.set("details", pastedProblemsDetails(pasted.problems));
        return result;
    }
    // An empty answer when taken; else what the page says.
    std::string setQuantity(int row, const std::string& typed) {
        if (!isRow(row)) return {};
        std::string problem;
        const std::optional<int> quantity = parseQuantity(typed, &problem);
        if (!quantity) return cellRefusalMessage(std::size_t(row), problem);
        editor_.setQuantity(std::size_t(row), *quantity);
        return {};
    }
    std::string setDiscount(int row, const std::string& typed) {
        if (!isRow(row)) return {};
        std::optional<Percent> discount;
        if (typed.find_first_not_of(" \t") != std::string::npos) {  // blank: the quotation's own
            std::string problem;
            discount = parsePercent(typed, &problem);
            if (!discount) return cellRefusalMessage(std::size_t(row), problem);
        }
        editor_.setDiscount(std::size_t(row), discount);
        return {};
    }
    // A header field's new text, by its name: `message`, why it was not taken (empty when it
    // was), and whether the header `changed`.
    val setHeader(const std::string& field, const std::string& typed) {
        QuotationHeader h = editor_.quotation().header;
        const std::string refusal = editHeader(h, field, typed);
        const bool changed = h != editor_.quotation().header;
        if (changed) editor_.setHeader(std::move(h), "edit the quote's header");
        val result = val::object();
        result.set("message", refusal);
        result.set("changed", changed);
        return result;
    }

    void remove(val rows) {
        std::vector<std::size_t> chosen;
        for (int row : emscripten::vecFromJSArray<int>(rows))
            if (isRow(row)) chosen.push_back(std::size_t(row));
        editor_.removeLines(std::move(chosen));
    }
    // An empty answer when duplicated; else what the page says.
    std::string duplicate(int row) {
        if (!isRow(row)) return {};
        if (roomInQuote(editor_.quotation()) == 0) return std::string(kQuoteIsFull);
        editor_.duplicateLine(std::size_t(row));
        return {};
    }
    bool move(int row, int by) {
        return isRow(row) && (by == 1 || by == -1) && editor_.moveLine(std::size_t(row), by);
    }
    void undo() { editor_.undo(); }
    void redo() { editor_.redo(); }

    // The line's configuration as a link for the configurator; empty, with the message, for
    // a line the catalogue no longer has.
    val lineLink(int row) const {
        val result = val::object();
        if (!isRow(row)) return result;
        const QuotationLine& line = editor_.quotation().lines[std::size_t(row)];
        const std::string link = line.events.empty() ? std::string() : linkOf(line);
        result.set("link", link);
        result.set("message",
                   link.empty() ? lineGoneMessage(std::size_t(row), line.partNumber) : std::string());
        return result;
    }
    std::string updateLine(int row, const std::string& link) {
        std::optional<QuotationLine> line = lineOfLink(link);
        if (!isRow(row) || !line) return {};
        const std::string partNumber = line->partNumber;
        editor_.updateLine(std::size_t(row), std::move(*line));
        return lineUpdatedMessage(std::size_t(row), partNumber);
    }

    std::string document() const { return quotationDocument(editor_.quotation()); }
    // A saved quote in the place of this one, every line priced again; the quote stays as it
    // is when the file is refused. `modified`: not saved as it is now (kept in the browser only).
    val open(val given, const std::string& fileName, bool modified) {
        val result = val::object();
        QuotationReading reading = readQuotationDocument(bytesOf(given));
        if (!reading.quotation) {
            result.set("problem", reading.problem);
            return result;
        }
        Quotation q = std::move(*reading.quotation);
        for (QuotationLine& line : q.lines) line = repriced(line);
        const std::vector<std::string> changes = repricingChanges(q);
        editor_.reset(std::move(q));
        if (modified || !changes.empty()) editor_.markModified();
        result.set("problem", std::string());
        result.set("message", openedMessage(fileName, changes));
        std::string details;
        for (const std::string& change : changes) details += (details.empty() ? "" : "\n") + change;
        result.set("details", details);
        return result;
    }
    // Another tab's edition of the quote (`theirs`, the document the browser keeps) in place of
    // this one, one step to undo, with what this page changed since the edition both had
    // (`base`) kept. The quote stays as it is when that edition cannot be read.
    val take(const std::string& theirs, bool theirsModified, const std::string& base) {
        val result = val::object();
        std::optional<Quotation> taken = priced(theirs, result);
        if (!taken) return result;
        bool overlapped = false;
        if (quotationDocument(editor_.quotation()) != base) {
            val unread = val::object();  // no edition in common: theirs as it is, ours one undo away
            if (std::optional<Quotation> common = priced(base, unread)) {
                QuotationMerge merge = mergeQuotations(*common, editor_.quotation(), *taken);
                overlapped = merge.overlapped;
                taken = std::move(merge.merged);
            }
        }
        const bool saved = !theirsModified && quotationDocument(*taken) == theirs;
        editor_.take(std::move(*taken), std::string(kTakeOtherTabsChanges), saved);
        result.set("problem", std::string());
        result.set("message", overlapped ? std::string(kOtherTabChangedTheSame) : std::string());
        return result;
    }
    void markSaved() { editor_.markSaved(); }
    // Why a file cannot be opened; empty when it can (asked before the quote open is given up).
    static std::string problemOf(val given) { return readQuotationDocument(bytesOf(given)).problem; }
    std::string fileName() const {
        return editor_.quotation().header.number + std::string(kQuoteDocumentExtension);
    }
    std::string csv(bool withPrices) const { return quotationCsv(editor_.quotation(), withPrices); }
    val workbook(bool withPrices) const {
        val sheets = val::array();
        int s = 0;
        for (const WorkbookSheet& plan : quotationWorkbook(editor_.quotation(), withPrices)) {
            val sheet = val::object(), widths = val::array(), cells = val::array();
            for (std::size_t i = 0; i < plan.columnWidths.size(); ++i) widths.set(i, plan.columnWidths[i]);
            for (std::size_t i = 0; i < plan.cells.size(); ++i) cells.set(i, cellView(plan.cells[i]));
            sheet.set("name", plan.name);
            sheet.set("columnWidths", widths);
            sheet.set("frozenRows", plan.frozenRows);
            sheet.set("cells", cells);
            sheets.set(s++, sheet);
        }
        return sheets;
    }

    // Whether a file's first bytes are those of a workbook (XLSX) rather than a text.
    static bool isWorkbook(val given) { return isWorkbookFile(bytesOf(given)); }
    // A workbook's parts, read from its archive's directory before anything is unpacked:
    // {problem, parts: [{name, at, packedSize, size, method}]}, no parts when refused.
    static val workbookArchive(val given) {
        const WorkbookArchive archive = tarvek::workbookArchive(bytesOf(given));
        val parts = val::array();
        for (std::size_t i = 0; i < archive.parts.size(); ++i) {
            const ArchivePart& p = archive.parts[i];
            val part = val::object();
            part.set("name", displayable(p.name, 200));
            part.set("at", double(p.dataAt));
            part.set("packedSize", double(p.packedSize));
            part.set("size", double(p.size));
            part.set("method", p.method);
            parts.set(i, part);
        }
        val result = val::object();
        result.set("problem", archive.problem);
        result.set("parts", parts);
        return result;
    }

  private:
    // A sheet's cell as the page read it, as the sheet shows it.
    static std::string cellText(val cell) {
        if (cell.isString()) return cell.as<std::string>();
        if (cell.isNumber()) return sheetNumberText(cell.as<double>(), {});
        if (cell.isNull() || cell.isUndefined()) return {};
        if (cell.hasOwnProperty("number"))
            return sheetNumberText(cell["number"].as<double>(), cell["format"].isString()
                                                                    ? cell["format"].as<std::string>()
                                                                    : std::string());
        if (cell.hasOwnProperty("boolean")) return std::string(sheetBooleanText(cell["boolean"].as<bool>()));
        return {};
    }
    // A file's bytes as they are (a Uint8Array), or a text the page kept.
    static std::string bytesOf(val given) {
        if (given.isString()) return given.as<std::string>();
        const std::vector<std::uint8_t> raw = emscripten::convertJSArrayToNumberVector<std::uint8_t>(given);
        return std::string(raw.begin(), raw.end());
    }
    // A document's quotation, every line priced again as on opening; none, with the problem
    // set in `result`, when it cannot be read.
    static std::optional<Quotation> priced(const std::string& document, val& result) {
        QuotationReading reading = readQuotationDocument(document);
        if (!reading.quotation) {
            result.set("problem", reading.problem);
            return std::nullopt;
        }
        for (QuotationLine& line : reading.quotation->lines) line = repriced(line);
        return std::move(reading.quotation);
    }
    bool isRow(int row) const { return row >= 0 && std::size_t(row) < editor_.quotation().lines.size(); }

    QuotationEditor editor_;
};

// "The file "x.xlsx" was not imported: …."
std::string importRefusal(const std::string& fileName, const std::string& problem) {
    return importRefusalMessage(fileName, problem);
}

val quoteTexts() {
    val columns = val::array();
    for (std::size_t i = 0; i < std::size(kQuoteColumns); ++i) columns.set(i, text(kQuoteColumns[i]));
    val texts = val::object();
    texts.set("title", text(kQuoteTitle));
    texts.set("columns", columns);
    texts.set("firstPriceColumn", int(kFirstPriceColumn));
    texts.set("nothingToPaste", text(kNothingToPaste));
    texts.set("quotationDiscountTip", text(kQuotationDiscountTip));
    texts.set("moneyFormat", std::string(kMoneyFormat));
    texts.set("extension", text(kQuoteDocumentExtension));
    texts.set("largestDocument", double(kLargestQuoteDocument));
    texts.set("largestImport", double(kLargestImport));
    texts.set("importTooLarge", text(kImportTooLarge));
    texts.set("linesSheet", text(kLinesSheet));
    texts.set("damagedArchive", text(kDamagedArchive));
    return texts;
}

}  // namespace
}  // namespace tarvek

EMSCRIPTEN_BINDINGS(tarvek_quote) {
    using namespace tarvek;
    emscripten::class_<QuoteSession>("Quote")
        .constructor<>()
        .function("start", &QuoteSession::start)
        .function("view", &QuoteSession::view)
        .function("lines", &QuoteSession::lines)
        .function("add", &QuoteSession::add)
        .function("paste", &QuoteSession::paste)
        .function("importRows", &QuoteSession::importRows)
        .class_function("isWorkbook", &QuoteSession::isWorkbook)
        .class_function("workbookArchive", &QuoteSession::workbookArchive)
        .function("setQuantity", &QuoteSession::setQuantity)
        .function("setDiscount", &QuoteSession::setDiscount)
        .function("setHeader", &QuoteSession::setHeader)
        .function("remove", &QuoteSession::remove)
        .function("duplicate", &QuoteSession::duplicate)
        .function("move", &QuoteSession::move)
        .function("undo", &QuoteSession::undo)
        .function("redo", &QuoteSession::redo)
        .function("lineLink", &QuoteSession::lineLink)
        .function("updateLine", &QuoteSession::updateLine)
        .function("document", &QuoteSession::document)
        .function("open", &QuoteSession::open)
        .function("take", &QuoteSession::take)
        .function("markSaved", &QuoteSession::markSaved)
        .class_function("problemOf", &QuoteSession::problemOf)
        .function("fileName", &QuoteSession::fileName)
        .function("csv", &QuoteSession::csv)
        .function("workbook", &QuoteSession::workbook);
    emscripten::function("quoteTexts", &quoteTexts);
    emscripten::function("importRefusal", &importRefusal);
}
