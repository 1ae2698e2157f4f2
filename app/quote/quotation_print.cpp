#include "app/quote/quotation_print.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "app/controls.h"
#include "app/quote/pdf_file.h"
#include "app/quote/printed_text.h"
#include "pictures/picture.h"
#include "platform/data_folder.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kBrandHeight = 40;
constexpr double kPicture = 40;      // a line's picture, square
constexpr int kPicturePixels = 160;  // sharp enough on paper, small in a PDF
constexpr double kPad = 3;
constexpr double kFooter = 20;
const QColor kInk(Qt::black), kMuted(90, 90, 90), kRule(150, 150, 150), kShade(236, 236, 236),
    kWarning(200, 0, 0);

struct Column {
    const char* heading;
    double width;  // 0: the rest of the line
    int align;
};

std::vector<Column> columnsOf(bool withPrices) {
    std::vector<Column> columns = {{"#", 22, Qt::AlignRight},
                                   {"", kPicture + 2 * kPad, Qt::AlignLeft},
                                   {"Part number / description", 0, Qt::AlignLeft},
                                   {"Qty", 44, Qt::AlignRight}};
    if (withPrices) {
        columns.push_back({"List US$", 58, Qt::AlignRight});
        columns.push_back({"Disc. %", 40, Qt::AlignRight});
        columns.push_back({"Net US$", 58, Qt::AlignRight});
        columns.push_back({"Extended US$", 72, Qt::AlignRight});
    }
    return columns;
}

// Pages laid out first (how high each line is, where each page ends), then drawn; the page
// count is known before any footer is drawn.
class QuotationPages {
  public:
    QuotationPages(QPainter& painter, const QuotationSheet& sheet, double width, double height)
        : p_(painter), sheet_(sheet), width_(width), height_(height), columns_(columnsOf(sheet.withPrices)) {
        double fixed = 0;
        for (const Column& c : columns_) fixed += c.width;
        for (Column& c : columns_)
            if (c.width == 0) c.width = std::max(120.0, width_ - fixed);
    }

    int print(QPagedPaintDevice& device) {
        draw_ = false;
        layOut();
        const int count = pages_;
        draw_ = true;
        pages_ = count;
        page_ = 1;
        layOut(&device);
        return count;
    }

  private:
    void layOut(QPagedPaintDevice* device = nullptr) {
        page_ = 1;
        y_ = 0;
        header();
        tableHeading();
        const Quotation& q = sheet_.quotation;
        for (std::size_t i = 0; i < q.lines.size(); ++i) {
            // Each line is laid out once to measure it, in the first pass, and once to draw it.
            if (heights_.size() <= i) heights_.push_back(line(i, 0, false));
            const double height = heights_[i];
            if (y_ + height > bottom()) newPage(device);
            if (draw_) line(i, y_, true);
            y_ += height;
        }
        if (sheet_.withPrices) {
            if (y_ + 60 > bottom()) newPage(device);
            totals();
        }
        footer();
        pages_ = page_;
    }

    double bottom() const { return height_ - kFooter; }

    void newPage(QPagedPaintDevice* device) {
        footer();
        if (draw_ && device) device->newPage();
        ++page_;
        y_ = 0;
        tableHeading();
    }

    double text(const QRectF& box, const QFont& font, const QColor& colour, const QString& text, int flags) {
        return printedText(p_, draw_, box, font, colour, text, flags);
    }

    void rule(double y, double thickness = 0.75) {
        if (!draw_) return;
        p_.setPen(QPen(kRule, thickness));
        p_.drawLine(QPointF(0, y), QPointF(width_, y));
    }

    void header() {
        double brandWidth = 0;
        if (!sheet_.brand.isNull()) {
            brandWidth = kBrandHeight * sheet_.brand.width() / sheet_.brand.height();
            if (draw_) p_.drawImage(QRectF(0, 0, brandWidth, kBrandHeight), sheet_.brand);
        }
        const QuotationHeader& h = sheet_.quotation.header;
        const QRectF right(brandWidth + 12, 0, width_ - brandWidth - 12, 200);
        double y = text(right, sheetFont(16, true), kInk, QStringLiteral("Quotation ") + qstr(h.number),
                        Qt::AlignRight | Qt::AlignTop);
        y += text(right.translated(0, y), sheetFont(9), kMuted, qstr(kCatalogueEdition),
                  Qt::AlignRight | Qt::AlignTop);
        y_ = std::max(kBrandHeight, y) + 6;
        rule(y_);
        y_ += 8;
        const std::string until = validUntil(h.date, h.validityDays);
        std::vector<std::pair<QString, QString>> fields = {
            {QStringLiteral("Customer"), qstr(h.customer)},
            {QStringLiteral("Contact"), qstr(h.contact)},
            {QStringLiteral("Reference"), qstr(h.reference)},
            {QStringLiteral("Date"), qstr(h.date)},
            {QStringLiteral("Valid until"),
             qstr(until) + QStringLiteral(" (") + QString::number(h.validityDays) + QStringLiteral(" days)")},
            {QStringLiteral("Price list"), qstr(h.priceList)},
        };
        if (sheet_.withPrices && h.discount)
            fields.emplace_back(QStringLiteral("Discount"),
                                qstr(percentText(*h.discount)) + QStringLiteral(" %"));
        if (!h.notes.empty()) fields.emplace_back(QStringLiteral("Notes"), qstr(h.notes));
        for (const auto& [caption, value] : fields) {
            if (value.isEmpty()) continue;
            const double captionHeight =
                text(QRectF(0, y_, 80, 400), sheetFont(9, true), kMuted, caption, Qt::AlignLeft);
            const double valueHeight =
                text(QRectF(84, y_, width_ - 84, 400), sheetFont(10), kInk, value, Qt::AlignLeft);
            y_ += std::max(captionHeight, valueHeight) + 2;
        }
        y_ += 10;
    }

    void tableHeading() {
        const double height = 16;
        if (draw_) p_.fillRect(QRectF(0, y_, width_, height), kShade);
        double x = 0;
        for (const Column& c : columns_) {
            text(QRectF(x + kPad, y_ + 2, c.width - 2 * kPad, height), sheetFont(8, true), kInk,
                 QString::fromUtf8(c.heading), c.align | Qt::AlignTop);
            x += c.width;
        }
        y_ += height;
        rule(y_);
    }

    // One line of the table at `y`; its height.
    double line(std::size_t index, double y, bool draw) {
        const bool drew = draw_;
        draw_ = draw;
        const QuotationLine& l = sheet_.quotation.lines[index];
        const LinePrice price = linePrice(l, sheet_.quotation.header.discount);
        double x = 0, height = kPicture + 2 * kPad;
        const auto cell = [&](std::size_t column, const QString& value, const QFont& font) {
            const Column& c = columns_[column];
            const double h = text(QRectF(x + kPad, y + kPad, c.width - 2 * kPad, 400), font, kInk, value,
                                  c.align | Qt::AlignTop);
            height = std::max(height, h + 2 * kPad);
            x += c.width;
        };
        cell(0, QString::number(index + 1), sheetFont(9));
        if (const auto picture = sheet_.pictures.find(l.picture); picture != sheet_.pictures.end() && draw_)
            p_.drawImage(QRectF(x + kPad, y + kPad, kPicture, kPicture), picture->second);
        x += columns_[1].width;
        // The part number, its description, and what is to be known about it.
        const Column& middle = columns_[2];
        double textY = y + kPad;
        const QRectF box(x + kPad, textY, middle.width - 2 * kPad, 400);
        textY += text(box, sheetFont(10, true), kInk, qstr(l.partNumber), Qt::AlignLeft | Qt::AlignTop);
        textY += text(box.translated(0, textY - box.top()), sheetFont(8), kMuted, qstr(l.description),
                      Qt::AlignLeft | Qt::AlignTop);
        if (l.nonStandard)
            textY += text(box.translated(0, textY - box.top()), sheetFont(8, true), kWarning,
                          qstr(kNonStandardBanner), Qt::AlignLeft | Qt::AlignTop);
        if (!l.change.empty())
            textY += text(box.translated(0, textY - box.top()), sheetFont(8), kWarning,
                          QStringLiteral("Changed: ") + qstr(l.change), Qt::AlignLeft | Qt::AlignTop);
        height = std::max(height, textY - y + kPad);
        x += middle.width;
        cell(3, QString::number(l.quantity), sheetFont(9));
        if (sheet_.withPrices) {
            cell(4, qstr(groupedText(l.listPrice)), sheetFont(9));
            cell(5, qstr(percentText(price.discount)), sheetFont(9));
            cell(6, qstr(groupedText(price.unitNet)), sheetFont(9));
            cell(7, qstr(groupedText(price.extended)), sheetFont(9, true));
        }
        if (draw_) {
            p_.setPen(QPen(kRule, 0.25));
            p_.drawLine(QPointF(0, y + height), QPointF(width_, y + height));
        }
        draw_ = drew;
        return height;
    }

    void totals() {
        const QuotationTotals totals = totalsOf(sheet_.quotation);
        y_ += 8;
        const std::pair<QString, QString> rows[] = {
            {QStringLiteral("Subtotal (list)"), qstr(moneyText(totals.subtotal))},
            {QStringLiteral("Discounts"), qstr(moneyText({totals.total.cents - totals.subtotal.cents}))},
            {QStringLiteral("Total (net)"), qstr(moneyText(totals.total))},
        };
        for (const auto& [caption, value] : rows) {
            const bool last = &caption == &rows[2].first;
            text(QRectF(width_ - 260, y_, 130, 20), sheetFont(10, last), kInk, caption,
                 Qt::AlignLeft | Qt::AlignTop);
            y_ += text(QRectF(width_ - 130, y_, 130, 20), sheetFont(10, last), kInk, value,
                       Qt::AlignRight | Qt::AlignTop) +
                  2;
        }
    }

    void footer() {
        const QString left = QStringLiteral("Quotation ") + qstr(sheet_.quotation.header.number);
        const QString right = QStringLiteral("Page ") + QString::number(page_) + QStringLiteral(" of ") +
                              QString::number(std::max(pages_, page_));
        const QRectF box(0, height_ - kFooter + 6, width_, kFooter);
        text(box, sheetFont(8), kMuted, left, Qt::AlignLeft | Qt::AlignTop);
        text(box, sheetFont(8), kMuted, right, Qt::AlignRight | Qt::AlignTop);
    }

    QPainter& p_;
    const QuotationSheet& sheet_;
    const double width_, height_;
    std::vector<Column> columns_;
    std::vector<double> heights_;  // of each line, from the first pass
    bool draw_ = false;
    double y_ = 0;
    int page_ = 1, pages_ = 1;
};

}  // namespace

QuotationSheet quotationSheet(Quotation quotation, bool withPrices, const QImage& brand) {
    QuotationSheet sheet{std::move(quotation), withPrices, brand, {}};
    for (const QuotationLine& line : sheet.quotation.lines) {
        if (line.picture.empty() || sheet.pictures.contains(line.picture)) continue;
        const Picture picture =
            Picture::fromFile(dataFile(qstr(line.picture)), QSize(kPicturePixels, kPicturePixels));
        sheet.pictures[line.picture] =
            picture.isNull() ? QImage() : picture.render(QSize(kPicturePixels, kPicturePixels));
    }
    std::erase_if(sheet.pictures, [](const auto& entry) { return entry.second.isNull(); });
    return sheet;
}

int printQuotation(QPagedPaintDevice& device, const QuotationSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    // Points from here on: the page's printable area, whatever the device's resolution.
    const double scale = device.logicalDpiX() / kPointsPerInch;
    painter.scale(scale, device.logicalDpiY() / kPointsPerInch);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    QuotationPages pages(painter, sheet, area.width(), area.height());
    const int count = pages.print(device);
    painter.end();
    return count;
}

QString writeQuotationPdf(const QString& path, const QuotationSheet& sheet) {
    return writePdfFile(path, QStringLiteral("Quotation ") + qstr(sheet.quotation.header.number),
                        [&](QPagedPaintDevice& device) { return printQuotation(device, sheet); });
}

}  // namespace tarvek
