#include "tools/pictures/porting_drawing.h"

#include <QStringList>
#include <array>
#include <cstdint>

#include "assets/wmf_writer.h"

namespace tarvek::art {
namespace {

using namespace tarvek::wmf;
using Coordinate = std::int16_t;

// The drawing's frame, in its own units (1440 to the inch).
constexpr Coordinate kFrame = 2000;
constexpr Coordinate kCentre = 1000;
constexpr Coordinate kBodyHalf = 360, kPortLength = 330, kPortHalfWidth = 90, kNutHalf = 130;
constexpr Coordinate kLabelDistance = 820, kLabelRadius = 80;

constexpr std::uint32_t kSteel = rgb(200, 205, 212), kBody = rgb(214, 219, 226), kInk = rgb(52, 58, 68),
                        kBlue = rgb(31, 78, 154), kBonnet = rgb(236, 238, 242), kUnused = rgb(160, 166, 176);

// Position 1 on the left, then round the body clockwise: 2 at the top, 3 right, 4 bottom.
struct Direction {
    int dx, dy;
};
constexpr std::array<Direction, 4> kDirections = {{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};

QPoint at(const Direction& d, int distance, int across = 0) {
    // `across` runs at right angles to the port's axis.
    return {kCentre + d.dx * distance - d.dy * across, kCentre + d.dy * distance + d.dx * across};
}

LogicalRect box(QPoint a, QPoint b) {
    return {Coordinate(std::min(a.x(), b.x())), Coordinate(std::min(a.y(), b.y())),
            Coordinate(std::max(a.x(), b.x())), Coordinate(std::max(a.y(), b.y()))};
}

LogicalRect circle(QPoint centre, int radius) {
    return {Coordinate(centre.x() - radius), Coordinate(centre.y() - radius), Coordinate(centre.x() + radius),
            Coordinate(centre.y() + radius)};
}

struct Tools {
    int ink, thinInk, dashed, bluePen, steel, body, bonnet, blue, white, hollow, codeFont, labelFont,
        noteFont;
};

void drawPort(Writer& w, const Tools& t, int position, bool used) {
    const Direction& d = kDirections[std::size_t(position)];
    // The tube stub from the body to the nut.
    w.selectObject(used ? t.ink : t.dashed);
    w.selectObject(used ? t.steel : t.hollow);
    w.rectangle(
        box(at(d, kBodyHalf, -kPortHalfWidth), at(d, kBodyHalf + kPortLength - kNutHalf, kPortHalfWidth)));
    // The face-seal nut at its end, a hexagon with flats across the axis.
    const int depth = kNutHalf, half = kNutHalf * 2 / 3 + 20;
    const int middle = kBodyHalf + kPortLength - kNutHalf / 2;
    const std::array<QPoint, 6> hexagon = {
        at(d, middle - depth / 2, -half / 2 - 40), at(d, middle + depth / 2, -half / 2 - 40),
        at(d, middle + depth / 2 + 30, 0),         at(d, middle + depth / 2, half / 2 + 40),
        at(d, middle - depth / 2, half / 2 + 40),  at(d, middle - depth / 2 - 30, 0)};
    w.polygon(hexagon);
    // The position number in a ring beyond it.
    const QPoint label = at(d, kLabelDistance);
    w.selectObject(used ? t.bluePen : t.thinInk);
    w.selectObject(used ? t.blue : t.white);
    w.ellipse(circle(label, kLabelRadius));
    w.selectObject(t.labelFont);
    w.setTextColor(used ? rgb(255, 255, 255) : kUnused);
    w.textOut(Coordinate(label.x()), Coordinate(label.y() + 40), QString::number(position + 1));
}

}  // namespace

QByteArray portingDrawing(const Porting& porting) {
    Writer w;
    w.setMapMode(MM_ANISOTROPIC);
    w.setWindowOrg(0, 0);
    w.setWindowExt(kFrame, kFrame);
    w.setBkMode(TRANSPARENT);

    Tools t{};
    t.ink = w.createPen(PS_SOLID, 14, kInk);
    t.thinInk = w.createPen(PS_SOLID, 8, kUnused);
    t.dashed = w.createPen(PS_DASH, 0, kUnused);
    t.bluePen = w.createPen(PS_SOLID, 10, kBlue);
    t.steel = w.createBrush(BS_SOLID, kSteel);
    t.body = w.createBrush(BS_SOLID, kBody);
    t.bonnet = w.createBrush(BS_SOLID, kBonnet);
    t.blue = w.createBrush(BS_SOLID, kBlue);
    t.white = w.createBrush(BS_SOLID, rgb(255, 255, 255));
    t.hollow = w.createBrush(BS_NULL, 0);
    t.codeFont = w.createFont({-260, 0, 0, FW_BOLD, false, false, false, QStringLiteral("Arial")});
    t.labelFont = w.createFont({-120, 0, 0, FW_BOLD, false, false, false, QStringLiteral("Arial")});
    t.noteFont = w.createFont({-80, 0, 0, FW_NORMAL, false, false, false, QStringLiteral("Arial")});

    // Ports first, so the body covers their inner ends.
    w.setTextAlign(TA_CENTER | TA_BASELINE);
    for (int position = 0; position < 4; ++position) {
        w.saveDC();
        drawPort(w, t, position, porting.positions[std::size_t(position)]);
        w.restoreDC(-1);
    }

    // The body from above, and the bonnet with the actuator's cap on it.
    w.selectObject(t.ink);
    w.selectObject(t.body);
    w.roundRect({kCentre - kBodyHalf, kCentre - kBodyHalf, kCentre + kBodyHalf, kCentre + kBodyHalf}, 160,
                160);
    w.selectObject(t.bonnet);
    w.ellipse(circle({kCentre, kCentre}, 250));
    w.selectObject(t.blue);
    w.ellipse(circle({kCentre, kCentre}, 150));

    // The porting code, and which positions it uses.
    w.setTextAlign(TA_LEFT | TA_BASELINE);
    w.selectObject(t.codeFont);
    w.setTextColor(kInk);
    w.textOut(80, 300, QString::fromUtf8(porting.entry.data(), qsizetype(porting.entry.size())));
    QStringList used;
    for (int position = 0; position < 4; ++position)
        if (porting.positions[std::size_t(position)]) used << QString::number(position + 1);
    w.selectObject(t.noteFont);
    w.setTextColor(rgb(92, 100, 114));
    w.extTextOut(80, 420, 0, std::nullopt, QStringLiteral("Ports ") + used.join(QStringLiteral(", ")));
    w.setTextAlign(TA_RIGHT | TA_BASELINE);
    w.textOut(kFrame - 80, kFrame - 60, QStringLiteral("Top view"));
    return w.file(Placeable{{0, 0, kFrame, kFrame}, 1440});
}

}  // namespace tarvek::art
