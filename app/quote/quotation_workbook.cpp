#include "app/quote/quotation_workbook.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <array>
#include <cctype>
#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>

#include "app/controls.h"
#include "app/quote/quotation_files.h"

namespace tarvek {
namespace {

constexpr std::array<const char*, 8> kColumns = {"line",           "part_number",       "description",
                                                 "quantity",       "list_price",        "discount_percent",
                                                 "unit_net_price", "extended_net_price"};
constexpr lxw_col_t kColumnsWithoutPrices = 4;
constexpr std::array<double, 8> kWidths = {6, 30, 70, 10, 12, 16, 15, 18};

// Excel reads "_x0041_" in a cell as "A" (the escape libxlsxwriter writes control characters
// in), so such a text's underscore is written as the escape "_x005F_" and reads back as it was.
std::string withEscapedUnderscores(std::string_view text) {
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "_x" && i + 6 < text.size() && isHex(text[i + 2]) && isHex(text[i + 3]) &&
            isHex(text[i + 4]) && isHex(text[i + 5]) && text[i + 6] == '_')
            out += "_x005F";
        out += text[i];
    }
    return out;
}

// Excel holds at most 32,767 characters in a cell, and libxlsxwriter leaves a longer text out
// altogether: such a text is cut, its last character an ellipsis that says so.
std::string cellText(std::string_view original) {
    const std::string text = withEscapedUnderscores(original);
    constexpr std::size_t kMostCharacters = 32'767;
    std::size_t characters = 0, cut = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
        if (characters == kMostCharacters - 1) cut = i;
        if (++characters > kMostCharacters) return text.substr(0, cut) + "\xE2\x80\xA6";
    }
    return text;
}

void writeText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text,
               lxw_format* format) {
    worksheet_write_string(sheet, row, column, cellText(text).c_str(), format);
}

double dollars(Money amount) { return double(amount.cents) / 100; }
double percent(Percent p) { return double(p.hundredths) / 100; }

// Formats the workbook owns and frees with it.
struct Formats {
    lxw_format *heading, *money, *percentage, *wrapped;
    explicit Formats(lxw_workbook* book)
        : heading(workbook_add_format(book)),
          money(workbook_add_format(book)),
          percentage(workbook_add_format(book)),
          wrapped(workbook_add_format(book)) {
        format_set_bold(heading);
        format_set_num_format(money, "#,##0.00");

        format_set_text_wrap(wrapped);
    }
};

void writeLines(lxw_workbook* book, const Formats& f, const Quotation& q, bool withPrices) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Lines");
    const lxw_col_t columns = withPrices ? lxw_col_t(kColumns.size()) : kColumnsWithoutPrices;
    for (lxw_col_t c = 0; c < columns; ++c) {
        worksheet_write_string(sheet, 0, c, kColumns[c], f.heading);
        worksheet_set_column(sheet, c, c, kWidths[c], nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    lxw_row_t row = 1;
    for (const QuotationLine& line : q.lines) {
        worksheet_write_number(sheet, row, 0, double(row), nullptr);
        writeText(sheet, row, 1, line.partNumber, nullptr);
        writeText(sheet, row, 2, line.description, nullptr);
        worksheet_write_number(sheet, row, 3, line.quantity, nullptr);
        if (withPrices) {
            const LinePrice price = linePrice(line, q.header.discount);
            worksheet_write_number(sheet, row, 4, dollars(line.listPrice), f.money);
            worksheet_write_number(sheet, row, 5, percent(price.discount), f.percentage);
            worksheet_write_number(sheet, row, 6, dollars(price.unitNet), f.money);
            worksheet_write_number(sheet, row, 7, dollars(price.extended), f.money);
        }
        ++row;
    }
}

void writeSummary(lxw_workbook* book, const Formats& f, const Quotation& q, bool withPrices) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Quote");
    worksheet_set_column(sheet, 0, 0, 18, nullptr);
    worksheet_set_column(sheet, 1, 1, 50, nullptr);
    const QuotationHeader& h = q.header;
    const std::string until = validUntil(h.date, h.validityDays);
    const std::array<std::pair<const char*, std::string>, 9> fields = {{
        {"Quote number", h.number},
        {"Customer", h.customer},
        {"Contact", h.contact},
        {"Reference", h.reference},
        {"Date", h.date},
        {"Valid until", until},
        {"Price list", h.priceList},
        {"Discount %", std::string()},
        {"Notes", h.notes},
    }};
    lxw_row_t row = 0;
    for (const auto& [caption, text] : fields) {
        const bool discount = std::string_view(caption) == "Discount %";
        if (!withPrices && discount) continue;
        worksheet_write_string(sheet, row, 0, caption, f.heading);
        // The discount a number, as on the lines, for the buyer's own formulas.
        if (discount && h.discount)
            worksheet_write_number(sheet, row++, 1, percent(*h.discount), f.percentage);
        else
            writeText(sheet, row++, 1, text, f.wrapped);
    }
    if (!withPrices) return;
    // The totals as formulas over the lines, their values cached for programs that do not
    // calculate.
    const QuotationTotals totals = totalsOf(q);
    const std::string last = std::to_string(q.lines.size() + 1);
    const std::string subtotal =
        q.lines.empty() ? "=0" : "=SUMPRODUCT(Lines!D2:D" + last + ",Lines!E2:E" + last + ")";
    const std::string total = q.lines.empty() ? "=0" : "=SUM(Lines!H2:H" + last + ")";
    ++row;
    worksheet_write_string(sheet, row, 0, "Subtotal (list)", f.heading);
    worksheet_write_formula_num(sheet, row++, 1, subtotal.c_str(), f.money, dollars(totals.subtotal));
    worksheet_write_string(sheet, row, 0, "Total (net)", f.heading);
    worksheet_write_formula_num(sheet, row++, 1, total.c_str(), f.money, dollars(totals.total));
    worksheet_write_string(sheet, row, 0, "Currency", f.heading);
    worksheet_write_string(sheet, row, 1, "US dollars", nullptr);
}

}  // namespace

QString writeQuotationWorkbook(const QString& path, const Quotation& quotation, bool withPrices) {
    // libxlsxwriter writes to a file name: a scratch file first, then its bytes put in place
    // atomically, with the permissions a new file gets.
    QTemporaryFile scratch(QDir::temp().filePath(QStringLiteral("tarvek-quote-XXXXXX.xlsx")));
    if (!scratch.open()) return QStringLiteral("cannot write a temporary file: ") + scratch.errorString();
    const QByteArray scratchPath = QFile::encodeName(scratch.fileName());

    // Its own scratch files where the program's go (TMPDIR), not always in /tmp.
    QByteArray scratchFolder = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    // Rows go to the scratch file as they are written, in order: a quote of 100,000 lines is
    // never held as cells.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratchFolder.data();
    lxw_workbook* book = workbook_new_opt(scratchPath.constData(), &options);
    if (!book) return QStringLiteral("cannot start the workbook");
    const Formats formats(book);
    writeLines(book, formats, quotation, withPrices);
    writeSummary(book, formats, quotation, withPrices);
    errno = 0;
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR) {
        // The system's reason where the library had one (a full scratch folder, mostly).
        const int reason = errno;
        return QStringLiteral("cannot make the workbook in the scratch folder \"%1\": %2")
            .arg(QDir::tempPath(), reason != 0
                                       ? QString::fromStdString(std::generic_category().message(reason))
                                       : QString::fromUtf8(lxw_strerror(error)));
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the workbook back: ") + written.errorString();
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError || bytes.size() != written.size())
        return QStringLiteral("cannot read the workbook back: ") + written.errorString();
    return writeAtomically(path, bytes);
}

}  // namespace tarvek
