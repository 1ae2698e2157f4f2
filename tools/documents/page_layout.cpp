#include "tools/documents/page_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <numeric>

#include "tools/documents/page_style.h"

namespace tarvek::documents {

QFont documentFont(double pointSize, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Unhinted glyphs measure the same on the PDF and on a picture of the page.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

namespace {

constexpr double kCellPaddingX = 4.0;
constexpr double kCellPaddingY = 3.0;
constexpr double kStepNumberWidth = 22.0;
constexpr double kNoticePadding = 8.0;
constexpr double kNoticeEdge = 4.0;
constexpr double kFactLabelWidth = 92.0;
constexpr double kHeroGap = 20.0;
constexpr double kTitleBlockRow = 15.0;
constexpr double kTitleBlockWidth = kTextWidth - kPictureSide - kHeroGap;
constexpr int kWrap = Qt::TextWordWrap;

QString q(const std::string& text) { return QString::fromStdString(text); }
QString q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Text is measured on a device of 72 dots per inch, the resolution documents are drawn at.
const QPaintDevice* measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    return &device;
}

double textHeight(const QFont& font, double width, const QString& text) {
    if (text.isEmpty()) return 0;
    return QFontMetricsF(font, measuringDevice())
        .boundingRect(QRectF(0, 0, width, 1e6), kWrap, text)
        .height();
}

void drawText(QPainter& painter, const QFont& font, const QColor& colour, QRectF box, const QString& text,
              int alignment = Qt::AlignLeft | Qt::AlignTop) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, alignment | kWrap, text);
}

void drawRule(QPainter& painter, const QColor& colour, double y, double width = 0.6) {
    painter.setPen(QPen(colour, width));
    painter.drawLine(QPointF(kMarginLeft, y), QPointF(kMarginLeft + kTextWidth, y));
}

std::vector<double> columnWidths(const TextTable& table) {
    const double total =
        std::accumulate(table.columns.begin(), table.columns.end(), 0.0,
                        [](double sum, const TextTable::Column& c) { return sum + c.width; });
    std::vector<double> widths;
    for (const auto& column : table.columns)
        widths.push_back(total > 0 ? kTextWidth * column.width / total : 0);
    return widths;
}

const QFont& titleBlockFont() {
    static const QFont font = documentFont(8.5);
    return font;
}

const QFont& bodyFont() {
    static const QFont font = documentFont(9.5);
    return font;
}

}  // namespace

DocumentLayout::DocumentLayout(const DocumentContent& content, QImage picture)
    : content_(content), picture_(std::move(picture)) {
    titleHeight_ = textHeight(documentFont(20, true), kTextWidth, q(content_.title));
    subtitleHeight_ = textHeight(documentFont(11), kTextWidth, q(content_.subtitle));
    firstPageContentTop_ = kFirstContentTop + titleHeight_ + 4 + subtitleHeight_ + 14 + heroHeight() + 6;
    for (const Block& block : content_.blocks) addBlock(block);
    paginate();
}

void DocumentLayout::addBlock(const Block& block) {
    if (const auto* heading = std::get_if<Heading>(&block)) {
        const QFont font = documentFont(13, true);
        const QString text = q(heading->text);
        const double height = textHeight(font, kTextWidth, text);
        pieces_.push_back({height + 5, 16, true, -1, [font, text, height](QPainter& p, double top) {
                               drawText(p, font, colour::kHeading,
                                        QRectF(kMarginLeft, top, kTextWidth, height), text);
                               drawRule(p, colour::kRule, top + height + 2);
                           }});
    } else if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
        const QString text = q(paragraph->text);
        const double height = textHeight(bodyFont(), kTextWidth, text);
        pieces_.push_back({height, 7, false, -1, [text, height](QPainter& p, double top) {
                               drawText(p, bodyFont(), colour::kText,
                                        QRectF(kMarginLeft, top, kTextWidth, height), text);
                           }});
    } else if (const auto* notice = std::get_if<Notice>(&block)) {
        const QFont titleFont = documentFont(10, true);
        const QString title = q(notice->title), text = q(notice->text);
        const double innerWidth = kTextWidth - 2 * kNoticePadding - kNoticeEdge;
        const double titleHeight = textHeight(titleFont, innerWidth, title);
        const double textHeightValue = textHeight(bodyFont(), innerWidth, text);
        const double height = titleHeight + 3 + textHeightValue + 2 * kNoticePadding;
        pieces_.push_back(
            {height, 14, false, -1, [=](QPainter& p, double top) {
                 p.setPen(Qt::NoPen);
                 p.setBrush(colour::kNoticeFill);
                 p.drawRect(QRectF(kMarginLeft, top, kTextWidth, height));
                 p.setBrush(colour::kNoticeEdge);
                 p.drawRect(QRectF(kMarginLeft, top, kNoticeEdge, height));
                 p.setBrush(Qt::NoBrush);
                 const double x = kMarginLeft + kNoticeEdge + kNoticePadding;
                 drawText(p, titleFont, colour::kText,
                          QRectF(x, top + kNoticePadding, innerWidth, titleHeight), title);
                 drawText(p, bodyFont(), colour::kText,
                          QRectF(x, top + kNoticePadding + titleHeight + 3, innerWidth, textHeightValue),
                          text);
             }});
    } else if (const auto* steps = std::get_if<NumberedSteps>(&block)) {
        const QFont numberFont = documentFont(9.5, true);
        for (std::size_t i = 0; i < steps->steps.size(); ++i) {
            const QString number = QString::number(i + 1) + QLatin1Char('.');
            const QString text = q(steps->steps[i]);
            const double width = kTextWidth - kStepNumberWidth;
            const double height = textHeight(bodyFont(), width, text);
            pieces_.push_back({height, i == 0 ? 8.0 : 5.0, false, -1, [=](QPainter& p, double top) {
                                   drawText(p, numberFont, colour::kBrand,
                                            QRectF(kMarginLeft, top, kStepNumberWidth - 4, height), number,
                                            Qt::AlignRight | Qt::AlignTop);
                                   drawText(p, bodyFont(), colour::kText,
                                            QRectF(kMarginLeft + kStepNumberWidth, top, width, height), text);
                               }});
        }
    } else if (const auto* table = std::get_if<TextTable>(&block)) {
        addTable(*table);
    }
}

void DocumentLayout::addTable(const TextTable& table) {
    const std::vector<double> widths = columnWidths(table);
    const QFont headerFont = documentFont(8.5, true);
    const QFont totalFont = documentFont(9, true);
    const QFont cellFont = documentFont(9);

    // One row of cells: each cell wraps within its column, the row is as tall as its tallest cell.
    const auto rowPiece = [&](const std::vector<std::string>& cells, const QFont& font, double spaceBefore,
                              bool keep, int header, auto decorate) {
        std::vector<QString> texts;
        double height = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            texts.push_back(c < cells.size() ? q(cells[c]) : QString());
            height = std::max(height, textHeight(font, widths[c] - 2 * kCellPaddingX, texts.back()));
        }
        height += 2 * kCellPaddingY;
        std::vector<bool> amount;
        for (const auto& column : table.columns) amount.push_back(column.amount);
        pieces_.push_back({height, spaceBefore, keep, header, [=](QPainter& p, double top) {
                               decorate(p, QRectF(kMarginLeft, top, kTextWidth, height));
                               double x = kMarginLeft;
                               for (std::size_t c = 0; c < widths.size(); ++c) {
                                   const QRectF cell(x + kCellPaddingX, top + kCellPaddingY,
                                                     widths[c] - 2 * kCellPaddingX,
                                                     height - 2 * kCellPaddingY);
                                   drawText(p, font, decorate.textColour(), cell, texts[c],
                                            (amount[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
                                   x += widths[c];
                               }
                           }});
    };

    struct HeaderLook {
        QColor textColour() const { return Qt::white; }
        void operator()(QPainter& p, QRectF box) const {
            p.setPen(Qt::NoPen);
            p.setBrush(colour::kBrand);
            p.drawRect(box);
            p.setBrush(Qt::NoBrush);
        }
    };
    struct RowLook {
        bool striped;
        bool total;
        QColor textColour() const { return colour::kText; }
        void operator()(QPainter& p, QRectF box) const {
            if (striped || total) {
                p.setPen(Qt::NoPen);
                p.setBrush(colour::kStripe);
                p.drawRect(box);
                p.setBrush(Qt::NoBrush);
            }
            p.setPen(QPen(total ? colour::kBrand : colour::kRule, total ? 1.0 : 0.4));
            if (total) p.drawLine(box.topLeft(), box.topRight());
            p.setPen(QPen(colour::kRule, 0.4));
            p.drawLine(box.bottomLeft(), box.bottomRight());
        }
    };

    std::vector<std::string> headings;
    for (const auto& column : table.columns) headings.push_back(column.heading);
    const int header = int(pieces_.size());
    rowPiece(headings, headerFont, 8, true, -1, HeaderLook{});
    // The first two rows stay together, and so do the last two: no row stands alone on a page.
    const std::size_t rows = table.rows.size();
    for (std::size_t r = 0; r < rows; ++r) {
        const bool total = table.totalRow && r + 1 == rows;
        const bool keep = rows >= 2 && (r == 0 || r + 2 == rows);
        rowPiece(table.rows[r], total ? totalFont : cellFont, 0, keep, header,
                 RowLook{r % 2 == 1 && !total, total});
    }
}

void DocumentLayout::paginate() {
    pages_.assign(1, {});
    double y = firstPageContentTop_;
    bool fresh = true;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        // A heading or a table header needs room for what it introduces.
        double needed = (fresh ? 0 : piece.spaceBefore) + piece.height;
        for (std::size_t next = i; next + 1 < pieces_.size() && pieces_[next].keepWithNext; ++next)
            needed += pieces_[next + 1].spaceBefore + pieces_[next + 1].height;
        if (!fresh && y + needed > kContentBottom) {
            pages_.emplace_back();
            y = kLaterContentTop;
            fresh = true;
            if (piece.tableHeader >= 0) {
                pages_.back().push_back({std::size_t(piece.tableHeader), y});
                y += pieces_[std::size_t(piece.tableHeader)].height;
                fresh = false;
            }
        }
        const double top = fresh ? y : y + piece.spaceBefore;
        pages_.back().push_back({i, top});
        y = top + piece.height;
        fresh = false;
    }
}

double DocumentLayout::heroHeight() const {
    const QFont labelFont = documentFont(9, true);
    const double valueWidth = kTextWidth - kPictureSide - kHeroGap - kFactLabelWidth;
    double facts = 0;
    for (const auto& [label, value] : content_.keyFacts)
        facts += std::max(textHeight(labelFont, kFactLabelWidth, q(label)),
                          textHeight(bodyFont(), valueWidth, q(value))) +
                 5;
    const double captionHeight = 14;
    return std::max(kPictureSide + captionHeight, facts + 12 + titleBlockHeight());
}

void DocumentLayout::paintPage(QPainter& painter, int page) const {
    if (page < 0 || page >= pageCount()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(QPointF(0, 0), kPageSize), Qt::white);
    if (page == 0)
        paintFirstPageHead(painter);
    else
        paintLaterPageHead(painter);
    for (const Placed& placed : pages_[std::size_t(page)]) pieces_[placed.piece].paint(painter, placed.top);
    paintFooter(painter, page);
    painter.restore();
}

void DocumentLayout::paintFirstPageHead(QPainter& painter) const {
    painter.fillRect(QRectF(0, 0, kPageSize.width(), kBandHeight), colour::kBrand);
    painter.fillRect(QRectF(0, kBandHeight, kPageSize.width(), 3), colour::kRule);
    drawText(painter, documentFont(22, true), Qt::white, QRectF(kMarginLeft, 20, kTextWidth, 30),
             q(kMakerName));
    drawText(painter, documentFont(11, true), Qt::white, QRectF(kMarginLeft, 22, kTextWidth, 16),
             q(content_.kindLabel), Qt::AlignRight | Qt::AlignTop);
    drawText(painter, documentFont(9), Qt::white, QRectF(kMarginLeft, 40, kTextWidth, 14), q(kWebAddress),
             Qt::AlignRight | Qt::AlignTop);

    double y = kFirstContentTop;
    drawText(painter, documentFont(20, true), colour::kHeading,
             QRectF(kMarginLeft, y, kTextWidth, titleHeight_), q(content_.title));
    y += titleHeight_ + 4;
    drawText(painter, documentFont(11), colour::kMuted, QRectF(kMarginLeft, y, kTextWidth, subtitleHeight_),
             q(content_.subtitle));
    y += subtitleHeight_ + 6;
    drawRule(painter, colour::kBrand, y, 1.2);
    paintHero(painter, y + 8);
}

void DocumentLayout::paintHero(QPainter& painter, double top) const {
    // The series picture, kept in proportion inside its square frame; a neutral frame
    // holds its place when the picture is not there.
    const QRectF frame(kMarginLeft, top, kPictureSide, kPictureSide);
    const QString caption = q(content_.pictureCaption);
    if (picture_.isNull()) {
        painter.fillRect(frame, colour::kPlaceholder);
        drawText(painter, documentFont(10, false, true), colour::kMuted, frame.adjusted(10, 10, -10, -10),
                 caption, Qt::AlignCenter);
    } else {
        QSizeF size = picture_.size();
        size.scale(frame.size() - QSizeF(8, 8), Qt::KeepAspectRatio);
        const QRectF target(frame.center() - QPointF(size.width() / 2, size.height() / 2), size);
        painter.drawImage(target, picture_);
    }
    painter.setPen(QPen(colour::kRule, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    if (!picture_.isNull())
        drawText(painter, documentFont(8.5, false, true), colour::kMuted,
                 QRectF(kMarginLeft, frame.bottom() + 3, kPictureSide, 12), caption,
                 Qt::AlignHCenter | Qt::AlignTop);

    const double x = kMarginLeft + kPictureSide + kHeroGap;
    const double valueWidth = kTextWidth - kPictureSide - kHeroGap - kFactLabelWidth;
    const QFont labelFont = documentFont(9, true);
    double y = top;
    for (const auto& [label, value] : content_.keyFacts) {
        const double height = std::max(textHeight(labelFont, kFactLabelWidth, q(label)),
                                       textHeight(bodyFont(), valueWidth, q(value)));
        drawText(painter, labelFont, colour::kMuted, QRectF(x, y, kFactLabelWidth, height), q(label));
        drawText(painter, bodyFont(), colour::kText, QRectF(x + kFactLabelWidth, y, valueWidth, height),
                 q(value));
        y += height + 5;
    }
    const double blockTop = top + heroHeight() - 14 - titleBlockHeight();
    paintTitleBlock(painter, QRectF(x, std::max(y + 12, blockTop), kTitleBlockWidth, titleBlockHeight()));
}

QString DocumentLayout::documentName() const {
    QString name = q(content_.fileName);
    if (name.endsWith(QLatin1String(".pdf"))) name.chop(4);
    return name;
}

double DocumentLayout::titleBlockHeight() const {
    return 2 * kTitleBlockRow +
           std::max(kTitleBlockRow, textHeight(titleBlockFont(), kTitleBlockWidth - 72, documentName()) + 5);
}

// The document's title block: which document, which catalogue, how many pages.
void DocumentLayout::paintTitleBlock(QPainter& painter, QRectF box) const {
    const QString name = documentName();
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Document"), name},
        {QStringLiteral("Catalog"), q(kCatalogueDate)},
        {QStringLiteral("Pages"), QString::number(pageCount())},
    };
    const QFont labelFont = documentFont(8, true), valueFont = titleBlockFont();
    const double valueWidth = box.width() - 72;
    painter.setBrush(Qt::NoBrush);
    double y = box.top();
    for (int i = 0; i < 3; ++i) {
        const double height = std::max(kTitleBlockRow, textHeight(valueFont, valueWidth, rows[i].second) + 5);
        if (i > 0) {
            painter.setPen(QPen(colour::kRule, 0.5));
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        }
        drawText(painter, labelFont, colour::kMuted, QRectF(box.left() + 5, y + 3, 60, height - 3),
                 rows[i].first);
        drawText(painter, valueFont, colour::kText, QRectF(box.left() + 68, y + 2.5, valueWidth, height - 3),
                 rows[i].second);
        y += height;
    }
    painter.setPen(QPen(colour::kRule, 0.5));
    painter.drawLine(QPointF(box.left() + 64, box.top()), QPointF(box.left() + 64, y));
    painter.setPen(QPen(colour::kBrand, 0.8));
    painter.drawRect(QRectF(box.topLeft(), QPointF(box.right(), y)));
}

void DocumentLayout::paintLaterPageHead(QPainter& painter) const {
    drawText(painter, documentFont(9, true), colour::kBrand, QRectF(kMarginLeft, 40, kTextWidth, 12),
             q(kMakerName));
    drawText(painter, documentFont(9), colour::kMuted, QRectF(kMarginLeft, 40, kTextWidth, 12),
             q(content_.title), Qt::AlignRight | Qt::AlignTop);
    drawRule(painter, colour::kBrand, 56, 1.0);
}

void DocumentLayout::paintFooter(QPainter& painter, int page) const {
    drawRule(painter, colour::kRule, kFooterRule);
    const QFont font = documentFont(8);
    const QRectF line(kMarginLeft, kFooterRule + 5, kTextWidth, 12);
    drawText(painter, font, colour::kMuted, line,
             q(kMakerName) + QStringLiteral("  \u00b7  ") + q(kWebAddress));
    drawText(painter, font, colour::kMuted, line, QStringLiteral("Catalog ") + q(kCatalogueDate),
             Qt::AlignHCenter | Qt::AlignTop);
    drawText(painter, font, colour::kMuted, line,
             QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount()), Qt::AlignRight | Qt::AlignTop);
}

}  // namespace tarvek::documents
