// A Windows Metafile read once and checked: the commands a drawing plays, with every size,
// count and object index already resolved, so playing it needs no further checks.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "pictures/wmf_format.h"

namespace tarvek::wmf {

struct Point16 {
    std::int16_t x = 0, y = 0;
};

struct Rect16 {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};

// The window: the logical rectangle stretched onto the whole picture.
struct Window {
    int x = 0, y = 0, width = 1, height = 1;
};

struct PenDef {
    std::uint16_t style = PS_SOLID;
    std::int16_t width = 0;  // logical units; 0 draws one pixel wide
    std::uint32_t colour = 0;
};

struct BrushDef {
    std::uint16_t style = BS_SOLID;
    std::uint32_t colour = 0xFFFFFF;
    std::uint16_t hatch = 0;
};

struct FontDef {
    std::int16_t height = 0;
    std::int16_t width = 0;
    std::int16_t escapement = 0;
    std::int16_t weight = 0;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};

struct TextRun {
    Point16 at;
    std::uint16_t options = 0;  // ETO_OPAQUE, ETO_CLIPPED
    std::optional<Rect16> rect;
    QString text;
    std::vector<std::int16_t> advances;  // empty, or one per character
};

// clang-format off
namespace command {
struct SetWindowOrg { Point16 at; };
struct SetWindowExt { std::int16_t width, height; };
struct SetMapMode { std::uint16_t mode; };
struct SetBkMode { std::uint16_t mode; };
struct SetBkColor { std::uint32_t colour; };
struct SetTextColor { std::uint32_t colour; };
struct SetTextAlign { std::uint16_t align; };
struct SetPolyFillMode { std::uint16_t mode; };
// Selections name an entry of the metafile's pen, brush or font list.
struct SelectPen { std::uint32_t pen; };
struct SelectBrush { std::uint32_t brush; };
struct SelectFont { std::uint32_t font; };
struct MoveTo { Point16 to; };
struct LineTo { Point16 to; };
enum class ShapeKind : std::uint8_t { Rectangle, RoundRect, Ellipse, Arc, Pie, Chord };
// Round rectangles keep their corner size in `start`; arcs run from `start` to `end`.
struct Shape { ShapeKind kind; Rect16 box; Point16 start, end; };
struct Polygon { std::uint32_t first, count; };
struct Polyline { std::uint32_t first, count; };
struct PolyPolygon { std::uint32_t firstSize, polygons, firstPoint; };
struct Text { std::uint32_t run; bool extended; };
struct SaveDC {};
struct RestoreDC { std::uint32_t levels; };  // how many saved states to drop, at least 1
struct IntersectClipRect { Rect16 box; };
}  // namespace command
// clang-format on

using Command =
    std::variant<command::SetWindowOrg, command::SetWindowExt, command::SetMapMode, command::SetBkMode,
                 command::SetBkColor, command::SetTextColor, command::SetTextAlign, command::SetPolyFillMode,
                 command::SelectPen, command::SelectBrush, command::SelectFont, command::MoveTo,
                 command::LineTo, command::Shape, command::Polygon, command::Polyline, command::PolyPolygon,
                 command::Text, command::SaveDC, command::RestoreDC, command::IntersectClipRect>;

struct Metafile {
    Window initialWindow;  // the placeable frame, or what the records set before drawing
    bool placeable = false;
    bool complete = false;  // false: a damaged record ended the drawing early
    std::vector<Command> commands;
    std::vector<PenDef> pens;
    std::vector<BrushDef> brushes;
    std::vector<FontDef> fonts;
    std::vector<Point16> points;
    std::vector<std::uint32_t> polygonSizes;
    std::vector<TextRun> texts;
};

// Limits that keep a damaged or hostile file from taking the program's memory.
inline constexpr std::size_t kMaxCommands = 1 << 20;
inline constexpr int kMaxSavedStates = 256;

// Reads a metafile; nothing when the bytes are not one (a bad header or checksum, or an
// empty frame). A damaged record ends the commands there and keeps those before it.
std::optional<Metafile> parseMetafile(const QByteArray& bytes);

}  // namespace tarvek::wmf
