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
#include "rules/quotes/quotation_workbook.h"

namespace tarvek {
namespace {

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

// Formats the workbook owns and frees with it, in the order of CellFormat.
struct Formats {
    std::array<lxw_format*, 5> formats{};
    explicit Formats(lxw_workbook* book) {
        for (std::size_t i = 1; i < formats.size(); ++i) formats[i] = workbook_add_format(book);
        format_set_bold(formats[std::size_t(CellFormat::Heading)]);
        format_set_num_format(formats[std::size_t(CellFormat::Money)], kMoneyFormat);
        format_set_text_wrap(formats[std::size_t(CellFormat::Wrapped)]);
    }
    lxw_format* operator[](CellFormat f) const { return formats[std::size_t(f)]; }
};

void writeSheet(lxw_workbook* book, const Formats& formats, const WorkbookSheet& plan) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, plan.name.c_str());
    for (std::size_t c = 0; c < plan.columnWidths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), plan.columnWidths[c], nullptr);
    if (plan.frozenRows > 0) worksheet_freeze_panes(sheet, lxw_row_t(plan.frozenRows), 0);
    for (const WorkbookCell& cell : plan.cells) {
        const auto row = lxw_row_t(cell.row);
        const auto column = lxw_col_t(cell.column);
        switch (cell.kind) {
            case WorkbookCell::Kind::Text:
                worksheet_write_string(sheet, row, column,
                                       cellText(withEscapedUnderscores(cell.text)).c_str(),
                                       formats[cell.format]);
                break;
            case WorkbookCell::Kind::Number:
                worksheet_write_number(sheet, row, column, cell.number, formats[cell.format]);
                break;
            case WorkbookCell::Kind::Formula:
                worksheet_write_formula_num(sheet, row, column, cell.text.c_str(), formats[cell.format],
                                            cell.number);
                break;
            case WorkbookCell::Kind::Blank:
                worksheet_write_blank(sheet, row, column, formats[cell.format]);
                break;
        }
    }
}

}  // namespace

QString writeQuotationWorkbook(const QString& path, const Quotation& quotation, bool withPrices,
                               const std::vector<WorkbookSheet>& besides) {
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
    for (const WorkbookSheet& sheet : quotationWorkbook(quotation, withPrices))
        writeSheet(book, formats, sheet);
    for (const WorkbookSheet& sheet : besides) writeSheet(book, formats, sheet);
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
