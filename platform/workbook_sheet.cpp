#include "platform/workbook_sheet.h"

#include <minizip/unzip.h>

#include <QByteArray>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "rules/numbers/float_chars.h"
#include "rules/numbers/sheet_number_text.h"

namespace tarvek {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::size_t kMostRows = 1'048'576, kMostColumns = 16'384;  // the most a sheet has

// The archive read from memory: minizip asks for its bytes through these.
struct Memory {
    std::string_view bytes;
    std::size_t at = 0;
};

voidpf openMemory(voidpf opaque, const void*, int) { return opaque; }
uLong readMemory(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* m = static_cast<Memory*>(stream);
    const std::size_t count = std::min<std::size_t>(size, m->bytes.size() - m->at);
    std::memcpy(buffer, m->bytes.data() + m->at, count);
    m->at += count;
    return uLong(count);
}
uLong writeMemory(voidpf, voidpf, const void*, uLong) { return 0; }
ZPOS64_T tellMemory(voidpf, voidpf stream) { return static_cast<Memory*>(stream)->at; }
long seekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* m = static_cast<Memory*>(stream);
    const ZPOS64_T base = origin == ZLIB_FILEFUNC_SEEK_SET   ? 0
                          : origin == ZLIB_FILEFUNC_SEEK_CUR ? m->at
                                                             : m->bytes.size();
    if (offset > m->bytes.size() - std::min<ZPOS64_T>(base, m->bytes.size())) return -1;
    m->at = std::size_t(base + offset);
    return 0;
}
int closeMemory(voidpf, voidpf) { return 0; }
int memoryError(voidpf, voidpf) { return 0; }

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using Zip = std::unique_ptr<void, ZipCloser>;

std::string utf8(QStringView text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// Excel writes a character XML cannot hold as "_x001B_" (and an underscore before such a
// text as "_x005F_"): the texts as they were.
std::string unescaped(const std::string& text) {
    if (text.find("_x") == std::string::npos) return text;
    const auto hex = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    QString out;
    const QString in = QString::fromStdString(text);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'_' && i + 6 < in.size() && in[i + 1] == u'x' && in[i + 6] == u'_') {
            const QString digits = in.mid(i + 2, 4);
            if (std::all_of(digits.begin(), digits.end(),
                            [&](QChar c) { return c.unicode() < 128 && hex(char(c.unicode())); })) {
                out += QChar(char16_t(digits.toUShort(nullptr, 16)));
                i += 6;
                continue;
            }
        }
        out += in[i];
    }
    return utf8(out);
}

// "xl/worksheets/sheet1.xml" from the folder of the part that names it and its target.
std::string resolved(std::string_view folder, std::string_view target) {
    std::vector<std::string> parts;
    std::string path =
        target.starts_with('/') ? std::string(target.substr(1)) : std::string(folder) + std::string(target);
    for (std::size_t from = 0; from <= path.size();) {
        const std::size_t to = std::min(path.find('/', from), path.size());
        const std::string part = path.substr(from, to - from);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        from = to + 1;
    }
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : "/") + part;
    return joined;
}

std::string folderOf(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// One part of the archive, unpacked as it is parsed: never more of it in memory than a chunk,
// and never more of it at all than kLargestWorkbookPart.
class Part {
  public:
    Part(unzFile zip, std::string name) : zip_(zip), name_(std::move(name)) {}
    ~Part() {
        if (open_) unzCloseCurrentFile(zip_);
    }
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

    // False with the problem when the part is missing (and `required`) or cannot be read.
    bool open(bool required) {
        if (unzLocateFile(zip_, name_.c_str(), 2) != UNZ_OK) {  // part names ignore case
            if (required) problem_ = "it is damaged: its part " + name_ + " is missing";
            return false;
        }
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            return fail("cannot be read");
        if (info.flag & 1) {
            problem_ = "it is encrypted";
            return false;
        }
        if (info.uncompressed_size > kLargestWorkbookPart) return tooLarge();
        if (unzOpenCurrentFile(zip_) != UNZ_OK) return fail("cannot be unpacked");
        open_ = true;
        return true;
    }

    // The next token; false at the end of the part or on a problem.
    bool next() {
        for (;;) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::DTD) return fail("holds a document type declaration");
            if (token == QXmlStreamReader::EndDocument) return false;
            if (token != QXmlStreamReader::Invalid) return true;
            if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || atEnd_)
                return fail("is not well-formed XML (line " + std::to_string(xml.lineNumber()) + ": " +
                            utf8(xml.errorString()) + ")");
            if (!feed()) return false;
        }
    }
    bool startOf(QStringView element) const {
        return xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == element;
    }
    bool endOf(QStringView element) const {
        return xml.tokenType() == QXmlStreamReader::EndElement && xml.name() == element;
    }
    std::string attribute(QStringView name) const {
        for (const QXmlStreamAttribute& a : xml.attributes())
            if (a.name() == name) return utf8(a.value());
        return {};
    }
    // A relationship id ("r:id"): an attribute "id" of a namespace.
    std::string relationship() const {
        for (const QXmlStreamAttribute& a : xml.attributes())
            if (a.name() == u"id" && !a.namespaceUri().isEmpty()) return utf8(a.value());
        return {};
    }
    // The text of the element just started, to its end; the texts of rPh (phonetic
    // guides) left out.
    std::string text(QStringView element) {
        QString text;
        int skipped = 0;
        while (next() && !endOf(element)) {
            if (startOf(u"rPh")) ++skipped;
            if (endOf(u"rPh")) --skipped;
            if (xml.isCharacters() && skipped == 0) text += xml.text();
        }
        return utf8(text);
    }
    // A problem of this part's own, after the part was opened.
    bool fail(std::string_view what) {
        if (problem_.empty()) problem_ = "it is damaged: its part " + name_ + " " + std::string(what);
        return false;
    }
    const std::string& problem() const { return problem_; }
    const std::string& name() const { return name_; }

    QXmlStreamReader xml;

  private:
    bool tooLarge() {
        problem_ = partTooLarge(name_);
        return false;
    }
    bool feed() {
        char buffer[kChunk];
        const int got = unzReadCurrentFile(zip_, buffer, unsigned(sizeof buffer));
        if (got < 0) return fail("cannot be unpacked");
        if (got == 0) {
            atEnd_ = true;
            open_ = false;
            if (unzCloseCurrentFile(zip_) != UNZ_OK)
                return fail("cannot be unpacked (its check sum is wrong)");
            return true;  // the parser then says what it lacked
        }
        read_ += std::size_t(got);
        if (read_ > kLargestWorkbookPart) return tooLarge();
        xml.addData(QByteArray(buffer, got));
        return true;
    }

    unzFile zip_;
    std::string name_;
    std::string problem_;
    std::size_t read_ = 0;
    bool open_ = false, atEnd_ = false;
};

// The targets of a part's relationships by id, and the first target of each type.
struct Relationships {
    std::map<std::string, std::string> byId;
    std::map<std::string, std::string> byType;  // the type's last word: "officeDocument", "styles", …
};

bool readRelationships(unzFile zip, std::string_view part, Relationships& found, std::string& problem) {
    const std::string folder = folderOf(part);
    Part rels(zip, folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels");
    if (!rels.open(false)) {
        problem = rels.problem();
        return problem.empty();  // no relationships at all
    }
    while (rels.next()) {
        if (!rels.startOf(u"Relationship") || rels.attribute(u"TargetMode") == "External") continue;
        const std::string target = resolved(folder, rels.attribute(u"Target"));
        const std::string type = rels.attribute(u"Type");
        found.byId.emplace(rels.attribute(u"Id"), target);
        found.byType.emplace(type.substr(type.rfind('/') + 1), target);
    }
    problem = rels.problem();
    return problem.empty();
}

// The number formats of the cell styles, by the style's index.
bool readStyles(unzFile zip, const std::string& name, std::vector<std::string>& formats,
                std::string& problem) {
    Part styles(zip, name);
    if (!styles.open(true)) {
        problem = styles.problem();
        return false;
    }
    std::map<int, std::string> custom;
    bool inCellFormats = false;
    while (styles.next()) {
        if (styles.startOf(u"numFmt")) {
            custom[std::atoi(styles.attribute(u"numFmtId").c_str())] = styles.attribute(u"formatCode");
        } else if (styles.startOf(u"cellXfs")) {
            inCellFormats = true;
        } else if (styles.endOf(u"cellXfs")) {
            inCellFormats = false;
        } else if (inCellFormats && styles.startOf(u"xf")) {
            if (formats.size() >= kMostSheetCells) return styles.fail("holds too many styles");
            const int id = std::atoi(styles.attribute(u"numFmtId").c_str());
            const auto own = custom.find(id);
            formats.push_back(own != custom.end() ? own->second : std::string(builtinNumberFormat(id)));
        }
    }
    problem = styles.problem();
    return problem.empty();
}

// What the sheet keeps: every text counts against kMostSheetText, every cell against kMostSheetCells.
class Budget {
  public:
    bool take(std::size_t texts, std::size_t cells) {
        texts_ += texts;
        cells_ += cells;
        return texts_ <= kMostSheetText && cells_ <= kMostSheetCells;
    }
    static std::string problem() {
        return "it holds more than " + std::to_string(kMostSheetText >> 20) + " MiB of text or " +
               std::to_string(kMostSheetCells) + " cells, more than this program reads";
    }

  private:
    std::size_t texts_ = 0, cells_ = 0;
};

bool readSharedStrings(unzFile zip, const std::string& name, std::vector<std::string>& strings,
                       Budget& budget, std::string& problem) {
    Part part(zip, name);
    if (!part.open(true)) {
        problem = part.problem();
        return false;
    }
    while (part.next()) {
        if (!part.startOf(u"si")) continue;
        std::string text = unescaped(part.text(u"si"));
        if (!budget.take(text.size(), 1)) {
            problem = Budget::problem();
            return false;
        }
        strings.push_back(std::move(text));
    }
    problem = part.problem();
    return problem.empty();
}

// "C12": the column from 0 and the row from 1; none for anything else.
std::optional<std::pair<std::size_t, std::size_t>> cellPlace(std::string_view reference) {
    std::size_t column = 0, row = 0, i = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z'; ++i) {
        column = column * 26 + std::size_t(reference[i] - 'A' + 1);
        if (column > kMostColumns) return std::nullopt;
    }
    if (i == 0 || i == reference.size()) return std::nullopt;
    for (; i < reference.size(); ++i) {
        if (reference[i] < '0' || reference[i] > '9') return std::nullopt;
        row = row * 10 + std::size_t(reference[i] - '0');
        if (row > kMostRows) return std::nullopt;
    }
    if (row == 0) return std::nullopt;
    return std::pair(column - 1, row);
}

struct SheetContext {
    const std::vector<std::string>& strings;
    const std::vector<std::string>& formats;
};

// One cell's text, the cell's start element just read.
bool readCell(Part& sheet, const SheetContext& context, std::string& text) {
    const std::string type = sheet.attribute(u"t");
    const std::string styleText = sheet.attribute(u"s");
    const std::size_t style = styleText.empty() ? 0 : std::size_t(std::atoll(styleText.c_str()));
    std::string value;
    bool hasValue = false;
    while (sheet.next() && !sheet.endOf(u"c")) {
        if (sheet.startOf(u"v")) {
            value = sheet.text(u"v");
            hasValue = true;
        } else if (sheet.startOf(u"is")) {
            text = unescaped(sheet.text(u"is"));
        }
    }
    if (!sheet.problem().empty() || !hasValue) return sheet.problem().empty();
    if (type == "s") {
        const std::size_t index = std::size_t(std::atoll(value.c_str()));
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
            index >= context.strings.size())
            return sheet.fail("names a shared text it does not have");
        text = context.strings[index];
    } else if (type == "b") {
        text = sheetBooleanText(value == "1");
    } else if (type == "str" || type == "e" || type == "d" || type == "inlineStr") {
        text = value;
    } else {
        double number = 0;
        if (!readDouble(value, number))
            return sheet.fail("holds a number that is none: " + value.substr(0, 40));
        const std::string format = style < context.formats.size() ? context.formats[style] : std::string();
        text = sheetNumberText(number, format);
    }
    return true;
}

bool readRows(Part& sheet, const SheetContext& context, Budget& budget, std::vector<CellRow>& rows,
              std::string& problem) {
    std::size_t lastRow = 0;
    while (sheet.next()) {
        if (!sheet.startOf(u"row")) continue;
        const std::string number = sheet.attribute(u"r");
        CellRow row{number.empty() ? lastRow + 1 : std::size_t(std::atoll(number.c_str())), {}};
        if (row.number == 0 || row.number > kMostRows ||
            number.find_first_not_of("0123456789") != std::string::npos)
            return sheet.fail("numbers a row " + number.substr(0, 20));
        lastRow = row.number;
        std::size_t column = 0, lastFilled = 0;
        bool filled = false;
        while (sheet.next() && !sheet.endOf(u"row")) {
            if (!sheet.startOf(u"c")) continue;
            const std::string reference = sheet.attribute(u"r");
            if (!reference.empty()) {
                const auto place = cellPlace(reference);
                if (!place || place->second != row.number)
                    return sheet.fail("names a cell " + reference.substr(0, 20) + " in row " +
                                      std::to_string(row.number));
                column = place->first;
            }
            std::string text;
            if (!readCell(sheet, context, text)) return false;
            if (!text.empty()) {
                if (column >= row.cells.size()) {
                    if (!budget.take(0, column + 1 - row.cells.size())) {
                        problem = Budget::problem();
                        return false;
                    }
                    row.cells.resize(column + 1);
                }
                if (!budget.take(text.size(), 0)) {
                    problem = Budget::problem();
                    return false;
                }
                row.cells[column] = std::move(text);
                lastFilled = column;
                filled = true;
            }
            if (++column > kMostColumns) return sheet.fail("has a row wider than a sheet");
        }
        if (filled) {
            row.cells.resize(lastFilled + 1);
            rows.push_back(std::move(row));
        }
    }
    return sheet.problem().empty();
}

// The part of the sheet named so, or of the first, and the workbook's relationships; empty
// with the problem when there is none.
std::string sheetPart(unzFile zip, std::string_view sheetName, Relationships& rels, std::string& problem) {
    Relationships package;
    if (!readRelationships(zip, "", package, problem)) return {};
    const std::string workbook =
        package.byType.count("officeDocument") ? package.byType["officeDocument"] : "xl/workbook.xml";
    Part book(zip, workbook);
    if (!book.open(true)) {
        problem = book.problem();
        return {};
    }
    std::string first, named;
    while (book.next()) {
        if (!book.startOf(u"sheet")) continue;
        const std::string id = book.relationship();
        if (first.empty()) first = id;
        if (named.empty() && book.attribute(u"name") == sheetName) named = id;
    }
    if (!book.problem().empty()) {
        problem = book.problem();
        return {};
    }
    const std::string id = named.empty() ? first : named;
    if (id.empty()) {
        problem = "it has no sheet";
        return {};
    }
    if (!readRelationships(zip, workbook, rels, problem)) return {};
    const auto target = rels.byId.find(id);
    if (target == rels.byId.end()) {
        problem = "it is damaged: its sheet " + id.substr(0, 20) + " has no part";
        return {};
    }
    return target->second;
}

}  // namespace

SheetReading readWorkbookSheet(std::string_view bytes, std::string_view sheetName) {
    SheetReading reading;
    // What the browser refuses before it unpacks anything, this reader refuses alike.
    reading.problem = workbookArchive(bytes).problem;
    if (!reading.problem.empty()) return reading;
    Memory memory{bytes, 0};
    zlib_filefunc64_def functions{openMemory, readMemory,  writeMemory, tellMemory,
                                  seekMemory, closeMemory, memoryError, &memory};
    const Zip zip(unzOpen2_64("workbook", &functions));
    unz_global_info64 global{};
    if (!zip || unzGetGlobalInfo64(zip.get(), &global) != UNZ_OK ||
        global.number_entry > kMostWorkbookParts) {
        reading.problem = std::string(kDamagedArchive);
        return reading;
    }
    Relationships rels;
    const std::string sheet = sheetPart(zip.get(), sheetName, rels, reading.problem);
    if (sheet.empty()) {
        if (reading.problem.empty()) reading.problem = std::string(kNotAWorkbook);
        return reading;
    }
    Budget budget;
    std::vector<std::string> strings, formats;
    if (rels.byType.count("sharedStrings") &&
        !readSharedStrings(zip.get(), rels.byType["sharedStrings"], strings, budget, reading.problem))
        return reading;
    if (rels.byType.count("styles") &&
        !readStyles(zip.get(), rels.byType["styles"], formats, reading.problem))
        return reading;
    Part part(zip.get(), sheet);
    if (!part.open(true) || !readRows(part, {strings, formats}, budget, reading.rows, reading.problem)) {
        if (reading.problem.empty()) reading.problem = part.problem();
        reading.rows.clear();
    }
    return reading;
}

}  // namespace tarvek
