#include "app/quote/quote_sheet.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "app/controls.h"
#include "app/window_pictures.h"
#include "platform/data_folder.h"

namespace tarvek {
namespace {

// The sheet is laid out in points, seven inches wide: a Letter or an A4 page inside its margins.
constexpr double kPointsPerInch = 72;
constexpr double kSheetWidth = 504;
constexpr double kBrandHeight = 54;
constexpr double kPictureWidth = 216;
constexpr double kPictureHeight = kPictureWidth * 272 / 276;  // the window's picture box
constexpr double kGutter = 18;
constexpr double kCaptionWidth = 100;

const QColor kInk(Qt::black), kMuted(90, 90, 90), kRule(150, 150, 150), kWarning(255, 0, 0);

QFont sheetFont(int points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));  // the window's own face
    font.setPixelSize(points);            // a pixel of the sheet is a point
    font.setBold(bold);
    return font;
}

// Lays the sheet out from the top down. A first pass only measures, so that a page too small
// for the sheet can scale it down before the second pass draws.
class SheetLayout {
  public:
    SheetLayout(QPainter& painter, const QuoteSheet& sheet, bool draw)
        : p_(painter), sheet_(sheet), draw_(draw) {}

    // The height the sheet takes.
    double run() {
        header();
        partNumber();
        pictureAndLines();
        nonStandardWarning();
        customerReference();
        return y_;
    }

  private:
    // Draws wrapped text at the top of `box`; the height it takes.
    double text(double x, double y, double width, const QFont& font, const QColor& colour,
                const QString& text, int align = Qt::AlignLeft) {
        const int flags = align | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF box(x, y, width, 10'000);
        p_.setFont(font);
        if (draw_) {
            p_.setPen(colour);
            p_.drawText(box, flags, text);
        }
        return p_.boundingRect(box, flags, text).height();
    }

    void rule(double y) {
        if (!draw_) return;
        p_.setPen(QPen(kRule, 0.75));
        p_.drawLine(QPointF(0, y), QPointF(kSheetWidth, y));
    }

    void header() {
        double brandWidth = 0;
        if (!sheet_.brand.isNull()) {
            brandWidth = kBrandHeight * sheet_.brand.width() / sheet_.brand.height();
            if (draw_) p_.drawImage(QRectF(0, 0, brandWidth, kBrandHeight), sheet_.brand);
        }
        const double x = brandWidth + kGutter, width = kSheetWidth - x;
        double right = 6;
        right +=
            text(x, right, width, sheetFont(13, true), kInk, qstr(kCatalogueEdition), Qt::AlignRight) + 4;
        right += text(x, right, width, sheetFont(10), kMuted,
                      QStringLiteral("Date: ") + sheet_.date.toString(QStringLiteral("MMMM d, yyyy")),
                      Qt::AlignRight);
        y_ = std::max(kBrandHeight, right) + 8;
        rule(y_);
        y_ += 14;
    }

    void partNumber() {
        y_ += text(0, y_, kSheetWidth, sheetFont(10), kMuted, qstr(kPartNumberCaption));
        y_ += text(0, y_, kSheetWidth, sheetFont(26, true), kInk, qstr(sheet_.quote.partNumber)) + 14;
    }

    // A caption and its text on one baseline; prices a little larger.
    double line(double x, double y, const QuoteLine& line, bool large) {
        const QFont captionFont = sheetFont(10, true), textFont = sheetFont(large ? 12 : 10, large);
        const double drop = QFontMetricsF(textFont).ascent() - QFontMetricsF(captionFont).ascent();
        const double captionHeight =
            drop + text(x, y + drop, kCaptionWidth, captionFont, kMuted, qstr(line.caption));
        const double textHeight =
            text(x + kCaptionWidth, y, kSheetWidth - x - kCaptionWidth, textFont, kInk, qstr(line.text));
        return std::max(captionHeight, textHeight);
    }

    // The picture at the left, as large as in the window; the description and the prices beside it.
    void pictureAndLines() {
        double x = 0, pictureBottom = y_;
        if (!sheet_.picture.isNull()) {
            const QRectF box(0, y_, kPictureWidth, kPictureHeight);
            if (draw_) {
                sheet_.picture.paint(p_, box);
                p_.setPen(QPen(kRule, 0.75));
                p_.setBrush(Qt::NoBrush);
                p_.drawRect(box);
            }
            x = kPictureWidth + kGutter;
            pictureBottom = box.bottom();
        }
        double y = y_;
        for (const QuoteLine& description : sheet_.quote.description) y += line(x, y, description, false) + 3;
        if (!sheet_.quote.prices.empty()) y += 9;
        for (const QuoteLine& price : sheet_.quote.prices) y += line(x, y, price, true) + 3;
        y_ = std::max(y, pictureBottom) + 18;
    }

    void nonStandardWarning() {
        if (!sheet_.quote.nonStandard) return;
        y_ += text(0, y_, kSheetWidth, sheetFont(12, true), kWarning, qstr(kNonStandardBanner)) + 4;
        for (const std::string& reason : sheet_.quote.nonStandardReasons)
            y_ += text(0, y_, kSheetWidth, sheetFont(10), kWarning, qstr(reason)) + 2;
        y_ += 16;
    }

    // A caption and a line to write on.
    void customerReference() {
        const QFont font = sheetFont(10, true);
        const QString caption = qstr(kCustomerReferenceCaption) + QLatin1Char(':');
        const double height = text(0, y_, kSheetWidth, font, kMuted, caption);
        if (draw_) {
            p_.setFont(font);
            const double start =
                p_.boundingRect(QRectF(0, y_, kSheetWidth, height), Qt::AlignLeft, caption).right() + 8;
            const double baseline = y_ + QFontMetricsF(font, p_.device()).ascent() + 2;
            p_.setPen(QPen(kRule, 0.75));
            p_.drawLine(QPointF(start, baseline), QPointF(kSheetWidth, baseline));
        }
        y_ += height + 4;
    }

    QPainter& p_;
    const QuoteSheet& sheet_;
    const bool draw_;
    double y_ = 0;
};

}  // namespace

QuoteSheet quoteSheet(const ConfiguratorState& state, QDate date) {
    QuoteSheet sheet{quoteOf(state), date, {}, brandPicture()};
    if (!sheet.quote.picture.empty()) sheet.picture = Picture::fromFile(dataFile(qstr(sheet.quote.picture)));
    return sheet;
}

void printQuoteSheet(QPaintDevice& device, const QuoteSheet& sheet) {
    QPainter painter(&device);
    const double unit = device.logicalDpiX() / kPointsPerInch;  // device pixels per point
    if (!painter.isActive() || unit <= 0 || device.width() <= 0 || device.height() <= 0) return;
    const QSizeF page(device.width() / unit, device.height() / unit);
    painter.scale(unit, unit);
    const double height = SheetLayout(painter, sheet, false).run();
    const double fit = std::min({1.0, page.width() / kSheetWidth, page.height() / height});
    painter.translate((page.width() - kSheetWidth * fit) / 2, 0);
    painter.scale(fit, fit);
    SheetLayout(painter, sheet, true).run();
}

}  // namespace tarvek
