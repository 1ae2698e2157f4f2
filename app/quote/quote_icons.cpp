#include "app/quote/quote_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

namespace tarvek {
namespace {

// Drawn on a grid of 14 units, the icons' size on a plain screen: one-unit lines on half
// units fall on whole pixels there and on twice as many at 200 %.
constexpr double kGrid = 14;

using Drawing = void (*)(QPainter& painter, const QColor& ink, const QColor& paper);

class DrawnIcon : public QIconEngine {
  public:
    explicit DrawnIcon(Drawing drawing) : drawing_(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QGuiApplication::palette();
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kGrid, rect.height() / kGrid);
        drawing_(*painter, palette.color(group, QPalette::WindowText),
                 palette.color(group, QPalette::Window));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIcon(drawing_); }

  private:
    Drawing drawing_;
};

void sheetLines(QPainter& p, double left, double right, std::initializer_list<double> rows) {
    for (const double y : rows) p.drawLine(QPointF(left, y), QPointF(right, y));
}

void drawCopy(QPainter& p, const QColor& ink, const QColor& paper) {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(1.5, 0.5, 7, 9));
    p.drawRect(QRectF(5.5, 4.5, 7, 9));
    sheetLines(p, 7.5, 10.5, {7.5, 9.5, 11.5});
}

void drawPrint(QPainter& p, const QColor& ink, const QColor& paper) {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(3.5, 0.5, 7, 4));                    // the sheet going in
    p.drawRoundedRect(QRectF(0.5, 4.5, 13, 6), 1.5, 1.5);  // the printer
    p.drawRect(QRectF(3.5, 8.5, 7, 5));                    // the sheet coming out
    sheetLines(p, 5.5, 8.5, {10.5, 12});
    p.setBrush(ink);
    p.drawEllipse(QPointF(11.5, 6.5), 0.6, 0.6);
}

// A sheet with a plus at its corner: one more line on the quotation.
void drawAdd(QPainter& p, const QColor& ink, const QColor& paper) {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(0.5, 0.5, 8, 10));
    sheetLines(p, 2.5, 6.5, {3.5, 5.5, 7.5});
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(10.5, 7), QPointF(10.5, 14));
    p.drawLine(QPointF(7, 10.5), QPointF(14, 10.5));
}

// A sheet of many lines, some longer than others: the quotation itself.
void drawQuotation(QPainter& p, const QColor& ink, const QColor& paper) {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(2.5, 0.5, 9, 13));
    sheetLines(p, 4.5, 9.5, {3.5, 5.5, 7.5, 9.5});
    sheetLines(p, 6.5, 9.5, {11.5});
}

}  // namespace

QIcon showQuoteIcon() { return QIcon(new DrawnIcon(drawQuotation)); }

QIcon addToQuoteIcon() { return QIcon(new DrawnIcon(drawAdd)); }

QIcon copyQuoteIcon() { return QIcon(new DrawnIcon(drawCopy)); }

QIcon printQuoteIcon() { return QIcon(new DrawnIcon(drawPrint)); }

}  // namespace tarvek
