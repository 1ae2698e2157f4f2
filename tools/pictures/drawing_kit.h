// The shapes every product illustration is built from: shaded stainless steel, plastic
// knobs, hex nuts, tubes and blocks, and the caption band with the product's name.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <vector>

namespace tarvek::art {

// Illustrations are drawn in this design space and scaled to the picture's size.
inline constexpr double kDesignWidth = 552;
inline constexpr double kDesignHeight = 544;
inline constexpr double kCaptionTop = 452;  // the caption band below the illustration
inline constexpr QRectF kArtArea(16, 16, kDesignWidth - 32, kCaptionTop - 28);

namespace colour {
inline constexpr QColor kTarvekBlue(31, 78, 154);
inline constexpr QColor kOutline(52, 58, 68);
inline constexpr QColor kCaptionText(28, 36, 52);
inline constexpr QColor kSubtleText(92, 100, 114);
inline constexpr QColor kNormallyOpen(46, 139, 87);
inline constexpr QColor kPctfe(236, 236, 228);
inline constexpr QColor kVespel(168, 96, 40);
}  // namespace colour

// How a surface is shaded: its base colour and how strongly light falls on it.
struct Finish {
    QColor base;
    double shine = 1.0;
};
inline constexpr Finish kStainless{QColor(196, 202, 210), 1.0};
inline constexpr Finish kDarkSteel{QColor(150, 156, 166), 0.9};
inline constexpr Finish kAluminium{QColor(214, 218, 224), 0.8};
inline constexpr Finish kBluePlastic{colour::kTarvekBlue, 0.7};
inline constexpr Finish kBlackPlastic{QColor(48, 50, 56), 0.6};

// Maps a drawing's own extent into an area of the picture, keeping its proportions,
// centred across and standing on the area's bottom edge.
// A tilt (degrees, negative rises to the right) turns the drawing about its centre first,
// so long parts can use the picture's diagonal.
void fitInto(QPainter& p, const QRectF& extent, const QRectF& area, double tilt = 0);

// A gradient across a round part, lit from the upper left.
QLinearGradient roundShading(QPointF from, QPointF to, const Finish& finish);
QPen outlinePen(double width = 2.0);

// White paper with a soft floor shadow under the illustration.
void paper(QPainter& p, bool wash = true);
void floorShadow(QPainter& p, QPointF centre, double width);
// The product's name in bold, and a line that says what it is.
void caption(QPainter& p, const QString& title, const QString& subtitle);
QFont font(double pixels, bool bold = false);

// A vertical cylinder seen slightly from above: `r` is its silhouette.
void cylinder(QPainter& p, const QRectF& r, const Finish& finish);
// A horizontal cylinder (a tube or a round body) seen from the side, optionally showing
// its open right or left end.
void tube(QPainter& p, const QRectF& r, const Finish& finish);
void tubeEnd(QPainter& p, QPointF centre, double diameter, double depth, const Finish& finish);
void tubeVertical(QPainter& p, const QRectF& r, const Finish& finish);
// The open end of a vertical tube, seen from slightly above.
void tubeEndVertical(QPainter& p, QPointF centre, double diameter, double depth, const Finish& finish);
// A hex nut on a vertical axis, and on a horizontal one.
void hexNutVertical(QPainter& p, const QRectF& r, const Finish& finish);
void hexNutHorizontal(QPainter& p, const QRectF& r, const Finish& finish);
// Thread crests across a horizontal or vertical threaded section.
void threadsHorizontal(QPainter& p, const QRectF& r);
void threadsVertical(QPainter& p, const QRectF& r);
// A male face-seal end pointing right from x on the axis y: a threaded section, then the
// sealing nose.
void maleFaceSealEnd(QPainter& p, double x, double y, double diameter, double length);
// A machined block with a visible top face.
void block(QPainter& p, const QRectF& front, double depth, const Finish& finish);
// The ridges of a knurled grip on a vertical cylinder drawn by `cylinder` in the same box.
void knurl(QPainter& p, const QRectF& cylinderBox, int ridges);
// An engraved flow arrow.
void flowArrow(QPainter& p, QPointF from, QPointF to);
// Text engraved or printed on a part.
void marking(QPainter& p, const QRectF& r, const QString& text, double pixels, QColor colour);

// Items side by side, all at the one scale that lets the widest row and the tallest item
// fit, standing on the area's bottom edge: `extent(item)` in the item's own units, and
// `draw(item)` draws it there.
template <typename Items, typename Extent, typename Draw>
void drawInRow(QPainter& p, const QRectF& area, const Items& items, Extent extent, Draw draw) {
    double totalWidth = 0, tallest = 0;
    int count = 0;
    for (const auto& item : items) {
        const QRectF e = extent(item);
        totalWidth += e.width();
        tallest = std::max(tallest, e.height());
        ++count;
    }
    if (count == 0) return;
    const double gap = 0.1 * totalWidth / count;
    const double rowWidth = totalWidth + gap * (count - 1);
    const double scale = std::min(area.width() / rowWidth, area.height() / tallest);
    double x = area.center().x() - rowWidth * scale / 2;
    for (const auto& item : items) {
        const QRectF e = extent(item);
        p.save();
        p.translate(x - e.left() * scale, area.bottom() - e.bottom() * scale);
        p.scale(scale, scale);
        draw(item);
        p.restore();
        x += (e.width() + gap) * scale;
    }
}

// A family photograph: the items in two staggered rows, the back row smaller and higher,
// all at one scale.
template <typename Items, typename Extent, typename Draw>
void drawGroup(QPainter& p, const QRectF& area, const Items& items, Extent extent, Draw draw) {
    const int count = int(items.size());
    if (count == 0) return;
    if (count <= 2) return drawInRow(p, area, items, extent, draw);  // two stand side by side
    double widest = 0, tallest = 0;
    for (const auto& item : items) {
        widest = std::max(widest, extent(item).width());
        tallest = std::max(tallest, extent(item).height());
    }
    constexpr double kBackScale = 0.8, kBackRise = 0.3, kSpacing = 0.86;
    const int front = count / 2, back = count - front;
    const auto rowHalfWidth = [&](int n, double scale) {
        return ((n - 1) * kSpacing * widest + scale * widest) / 2;
    };
    const double half = std::max(rowHalfWidth(back, kBackScale), front > 0 ? rowHalfWidth(front, 1.0) : 0.0);
    const double height = (kBackRise + kBackScale) * tallest;
    const double scale = std::min(area.width() / (2 * half), area.height() / height);
    const auto place = [&](const auto& item, double x, double baseline, double itemScale) {
        const QRectF e = extent(item);
        p.save();
        p.translate(area.center().x() + x * scale, area.bottom() + baseline * scale);
        p.scale(scale * itemScale, scale * itemScale);
        p.translate(-e.center().x(), -e.bottom());
        draw(item);
        p.restore();
    };
    // The back row first (every other item from the first), then the front row over it.
    int backIndex = 0, frontIndex = 0;
    std::vector<int> backItems, frontItems;
    for (int i = 0; i < count; ++i)
        (i % 2 == 0 && int(backItems.size()) < back ? backItems : frontItems).push_back(i);
    for (const int index : backItems) {
        const double x = (backIndex++ - (back - 1) / 2.0) * kSpacing * widest;
        place(items[std::size_t(index)], x, -kBackRise * tallest, kBackScale);
    }
    for (const int index : frontItems)
        place(items[std::size_t(index)], (frontIndex++ - (front - 1) / 2.0) * kSpacing * widest, 0, 1.0);
}

// Items in the grid of rows and columns that draws them largest, all at one scale.
template <typename Items, typename Extent, typename Draw>
void drawGrid(QPainter& p, const QRectF& area, const Items& items, Extent extent, Draw draw) {
    const int count = int(items.size());
    if (count == 0) return;
    int bestColumns = 1;
    double bestScale = 0;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        double scale = 1e9;
        for (const auto& item : items) {
            const QRectF e = extent(item);
            scale = std::min({scale, area.width() / columns / (e.width() * 1.1),
                              area.height() / rows / (e.height() * 1.1)});
        }
        if (scale > bestScale) {
            bestScale = scale;
            bestColumns = columns;
        }
    }
    const int rows = (count + bestColumns - 1) / bestColumns;
    const double cellWidth = area.width() / bestColumns, cellHeight = area.height() / rows;
    for (int i = 0; i < count; ++i) {
        const auto& item = items[std::size_t(i)];
        const QRectF e = extent(item);
        const QPointF cellBottom(area.left() + (i % bestColumns + 0.5) * cellWidth,
                                 area.top() + (i / bestColumns + 1) * cellHeight - cellHeight * 0.04);
        p.save();
        p.translate(cellBottom);
        p.scale(bestScale, bestScale);
        p.translate(-e.center().x(), -e.bottom());
        draw(item);
        p.restore();
    }
}

}  // namespace tarvek::art
