#include "app/quote/specification_print.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "app/controls.h"
#include "app/quote/pdf_file.h"
#include "app/quote/printed_text.h"
#include "platform/data_folder.h"

namespace tarvek {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kBrandHeight = 32;
constexpr double kCaptionWidth = 170;
constexpr double kPad = 3;
constexpr double kFigure = 130;  // the drawing's and the picture's square
constexpr int kPicturePixels = 400;
const QColor kInk(Qt::black), kMuted(90, 90, 90), kRule(150, 150, 150), kShade(232, 232, 232);

// One sheet from the top down; a first pass only measures, so that a sheet taller than its page
// is scaled down before the second pass draws.
class SheetPage {
  public:
    SheetPage(QPainter& painter, const SpecificationPrint& print, const SpecificationSheet& sheet,
              double width, bool draw)
        : p_(painter), print_(print), sheet_(sheet), width_(width), draw_(draw) {}

    double run() {
        header();
        for (const SheetBlock& block : sheet_.blocks) this->block(block);
        figures();
        return y_;
    }

  private:
    double text(const QRectF& box, const QFont& font, const QColor& colour, const QString& text, int align) {
        return printedText(p_, draw_, box, font, colour, text, align | Qt::AlignTop);
    }

    void rule(double y, double thickness = 0.5) {
        if (!draw_) return;
        p_.setPen(QPen(kRule, thickness));
        p_.drawLine(QPointF(0, y), QPointF(width_, y));
    }

    void header() {
        double brandWidth = 0;
        if (!print_.brand.isNull()) {
            brandWidth = kBrandHeight * print_.brand.width() / print_.brand.height();
            if (draw_) p_.drawImage(QRectF(0, 0, brandWidth, kBrandHeight), print_.brand);
        }
        const QRectF right(brandWidth + 12, 0, width_ - brandWidth - 12, 200);
        double y = text(right, sheetFont(14, true), kInk, qstr(sheet_.title), Qt::AlignRight);
        if (!sheet_.sheetOf.empty())
            y += text(right.translated(0, y), sheetFont(9), kMuted, qstr(sheet_.sheetOf), Qt::AlignRight);
        y_ = std::max(kBrandHeight, y) + 6;
        rule(y_, 0.75);
        y_ += 6;
    }

    void block(const SheetBlock& b) {
        const double titleHeight = 14;
        if (draw_) p_.fillRect(QRectF(0, y_, width_, titleHeight), kShade);
        text(QRectF(kPad, y_ + 1.5, width_ - 2 * kPad, titleHeight), sheetFont(9, true), kInk, qstr(b.title),
             Qt::AlignLeft);
        y_ += titleHeight + 2;
        if (b.isTable()) {
            row(b.heading, true);
            rule(y_ - 1, 0.25);
        }
        for (const std::vector<std::string>& cells : b.rows) row(cells, false);
        y_ += 6;
    }

    // A row: its caption in the first column, its texts sharing the rest of the width.
    void row(const std::vector<std::string>& cells, bool heading) {
        if (cells.empty()) return;
        const double rest = width_ - kCaptionWidth;
        const double each = cells.size() > 1 ? rest / double(cells.size() - 1) : rest;
        double height = text(QRectF(kPad, y_, kCaptionWidth - 2 * kPad, 1000), sheetFont(8, true), kMuted,
                             qstr(cells.front()), Qt::AlignLeft);
        for (std::size_t c = 1; c < cells.size(); ++c) {
            const QRectF box(kCaptionWidth + each * double(c - 1) + kPad, y_, each - 2 * kPad, 1000);
            height = std::max(
                height, text(box, sheetFont(heading ? 8 : 9, heading), kInk, qstr(cells[c]), Qt::AlignLeft));
        }
        y_ += height + 2;
    }

    // The porting's top view (vectors) and the product's picture, side by side under the blocks.
    void figures() {
        const std::pair<const std::string*, const char*> figures[] = {{&sheet_.drawing, "Porting (top view)"},
                                                                      {&sheet_.picture, "Product"}};
        double x = 0, height = 0;
        for (const auto& [name, caption] : figures) {
            const auto found = name->empty() ? print_.pictures.end() : print_.pictures.find(*name);
            if (found == print_.pictures.end()) continue;
            const double captionHeight = text(QRectF(x, y_, kFigure, 20), sheetFont(8, true), kMuted,
                                              QString::fromUtf8(caption), Qt::AlignLeft);
            if (draw_) found->second.paint(p_, QRectF(x, y_ + captionHeight + 2, kFigure, kFigure));
            height = std::max(height, captionHeight + 2 + kFigure);
            x += kFigure + 24;
        }
        y_ += height;
    }

    QPainter& p_;
    const SpecificationPrint& print_;
    const SpecificationSheet& sheet_;
    const double width_;
    const bool draw_;
    double y_ = 0;
};

void footer(QPainter& p, const SpecificationSheet& sheet, double width, double height) {
    p.setFont(sheetFont(8));
    p.setPen(kMuted);
    const QRectF box(0, height - 14, width, 14);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, qstr(sheet.footer));
    if (!sheet.sheetOf.empty()) p.drawText(box, Qt::AlignRight | Qt::AlignTop, qstr(sheet.sheetOf));
}

}  // namespace

SpecificationPrint specificationPrint(std::vector<SpecificationSheet> sheets, const QImage& brand) {
    SpecificationPrint print{std::move(sheets), brand, {}};
    for (const SpecificationSheet& sheet : print.sheets)
        for (const std::string* name : {&sheet.drawing, &sheet.picture}) {
            if (name->empty() || print.pictures.contains(*name)) continue;
            print.pictures[*name] =
                Picture::fromFile(dataFile(qstr(*name)), QSize(kPicturePixels, kPicturePixels));
        }
    std::erase_if(print.pictures, [](const auto& entry) { return entry.second.isNull(); });
    return print;
}

int printSpecificationSheets(QPagedPaintDevice& device, const SpecificationPrint& print) {
    if (print.sheets.empty()) return 0;
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    const double footerRoom = 20;
    int pages = 0;
    for (const SpecificationSheet& sheet : print.sheets) {
        if (pages++ > 0) device.newPage();
        painter.resetTransform();
        // Points from here on: the page's printable area, whatever the device's resolution.
        painter.scale(device.logicalDpiX() / kPointsPerInch, device.logicalDpiY() / kPointsPerInch);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        footer(painter, sheet, area.width(), area.height());
        const double height = SheetPage(painter, print, sheet, area.width(), false).run();
        const double room = area.height() - footerRoom;
        const double scale = height > room ? room / height : 1;
        painter.scale(scale, scale);
        SheetPage(painter, print, sheet, area.width() / scale, true).run();
    }
    painter.end();
    return pages;
}

QString writeSpecificationPdf(const QString& path, const SpecificationPrint& print) {
    const QString title =
        print.sheets.size() == 1 ? qstr(print.sheets.front().title) : QStringLiteral("Specification sheets");
    return writePdfFile(path, title,
                        [&](QPagedPaintDevice& device) { return printSpecificationSheets(device, print); });
}

}  // namespace tarvek
