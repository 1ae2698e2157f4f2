// The Windows Metafile format as our writer and player share it: record numbers, header
// layout and the GDI constants a line drawing uses.
#pragma once

#include <cstdint>

namespace tarvek::wmf {

// Record function numbers (the low byte numbers the function, the high byte counts its words).
enum class Function : std::uint16_t {
    Eof = 0x0000,
    SaveDC = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetTextAlign = 0x012E,
    RestoreDC = 0x0127,
    SelectObject = 0x012D,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    ExtTextOut = 0x0A32,
};

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
inline constexpr int kPlaceableHeaderBytes = 22;
inline constexpr int kHeaderBytes = 18;
inline constexpr int kHeaderWords = 9;
inline constexpr std::uint16_t kVersion3 = 0x0300;
inline constexpr std::uint16_t kVersion1 = 0x0100;
inline constexpr int kRecordHeaderWords = 3;  // 32-bit size in words, 16-bit function

// Map modes.
enum MapMode : std::uint16_t {
    MM_TEXT = 1,
    MM_LOMETRIC,
    MM_HIMETRIC,
    MM_LOENGLISH,
    MM_HIENGLISH,
    MM_TWIPS,
    MM_ISOTROPIC,
    MM_ANISOTROPIC
};

// Background modes.
enum BkMode : std::uint16_t { TRANSPARENT = 1, OPAQUE = 2 };

// Polygon fill modes.
enum PolyFillMode : std::uint16_t { ALTERNATE = 1, WINDING = 2 };

// Text alignment flags.
inline constexpr std::uint16_t TA_LEFT = 0x0000;
inline constexpr std::uint16_t TA_TOP = 0x0000;
inline constexpr std::uint16_t TA_UPDATECP = 0x0001;
inline constexpr std::uint16_t TA_RIGHT = 0x0002;
inline constexpr std::uint16_t TA_CENTER = 0x0006;
inline constexpr std::uint16_t TA_BOTTOM = 0x0008;
inline constexpr std::uint16_t TA_BASELINE = 0x0018;

// Extended text output options.
inline constexpr std::uint16_t ETO_OPAQUE = 0x0002;
inline constexpr std::uint16_t ETO_CLIPPED = 0x0004;

// Pen styles; the end cap and join sit in the upper bits of the same word.
enum PenStyle : std::uint16_t {
    PS_SOLID = 0,
    PS_DASH,
    PS_DOT,
    PS_DASHDOT,
    PS_DASHDOTDOT,
    PS_NULL,
    PS_INSIDEFRAME
};
inline constexpr std::uint16_t PS_STYLE_MASK = 0x000F;
inline constexpr std::uint16_t PS_ENDCAP_SQUARE = 0x0100;
inline constexpr std::uint16_t PS_ENDCAP_FLAT = 0x0200;
inline constexpr std::uint16_t PS_ENDCAP_MASK = 0x0F00;
inline constexpr std::uint16_t PS_JOIN_BEVEL = 0x1000;
inline constexpr std::uint16_t PS_JOIN_MITER = 0x2000;
inline constexpr std::uint16_t PS_JOIN_MASK = 0xF000;

// Brush styles and hatches.
enum BrushStyle : std::uint16_t { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, BS_PATTERN = 3 };
enum HatchStyle : std::uint16_t {
    HS_HORIZONTAL = 0,
    HS_VERTICAL,
    HS_FDIAGONAL,
    HS_BDIAGONAL,
    HS_CROSS,
    HS_DIAGCROSS
};

// Font weights.
inline constexpr std::int16_t FW_NORMAL = 400;
inline constexpr std::int16_t FW_BOLD = 700;
inline constexpr int kFaceNameBytes = 32;

// A colour as GDI stores it: red in the low byte, then green, then blue.
constexpr std::uint32_t rgb(int red, int green, int blue) {
    return std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 | std::uint32_t(blue & 0xFF) << 16;
}

}  // namespace tarvek::wmf
