// A small Windows Metafile writer: the porting drawings are written with it, and the tests
// write the files whose geometry they know. Coordinates are 16-bit logical units.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pictures/wmf_format.h"

namespace tarvek::wmf {

struct LogicalRect {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};

// The 22-byte header that gives a file its frame and its size in units per inch.
struct Placeable {
    LogicalRect frame;
    std::uint16_t unitsPerInch = 1440;
};

struct FontSpec {
    std::int16_t height = -12;    // negative: character height; positive: cell height
    std::int16_t width = 0;       // 0: the face's own proportions
    std::int16_t escapement = 0;  // tenths of a degree, counter-clockwise
    std::int16_t weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face = QStringLiteral("Arial");
};

class Writer {
  public:
    void setWindowOrg(std::int16_t x, std::int16_t y);
    void setWindowExt(std::int16_t width, std::int16_t height);
    void setMapMode(std::uint16_t mode);
    void setBkMode(std::uint16_t mode);
    void setBkColor(std::uint32_t colour);
    void setTextColor(std::uint32_t colour);
    void setTextAlign(std::uint16_t align);
    void setPolyFillMode(std::uint16_t mode);

    // Each returns the object-table slot the object takes: the first free one, as GDI fills it.
    int createPen(std::uint16_t style, std::int16_t width, std::uint32_t colour);
    int createBrush(std::uint16_t style, std::uint32_t colour, std::uint16_t hatch = 0);
    int createFont(const FontSpec& font);
    void selectObject(int slot);
    void deleteObject(int slot);

    void moveTo(std::int16_t x, std::int16_t y);
    void lineTo(std::int16_t x, std::int16_t y);
    void rectangle(LogicalRect rect);
    void roundRect(LogicalRect rect, std::int16_t cornerWidth, std::int16_t cornerHeight);
    void ellipse(LogicalRect rect);
    // Arcs run counter-clockwise from the ray through start to the ray through end.
    void arc(LogicalRect rect, QPoint start, QPoint end);
    void pie(LogicalRect rect, QPoint start, QPoint end);
    void chord(LogicalRect rect, QPoint start, QPoint end);
    void polygon(std::span<const QPoint> points);
    void polyline(std::span<const QPoint> points);
    void polyPolygon(std::span<const std::vector<QPoint>> polygons);
    void textOut(std::int16_t x, std::int16_t y, const QString& text);
    void extTextOut(std::int16_t x, std::int16_t y, std::uint16_t options, std::optional<LogicalRect> rect,
                    const QString& text, std::span<const std::int16_t> advances = {});
    void saveDC();
    void restoreDC(std::int16_t which = -1);
    void intersectClipRect(LogicalRect rect);

    // Any record, as it is: for records this writer has no method for, and for damaged files.
    // Records that create an object take a slot for it.
    void record(std::uint16_t function, std::span<const std::uint16_t> words);
    void record(Function function, std::span<const std::uint16_t> words) {
        record(std::uint16_t(function), words);
    }

    // The whole file: optional placeable header, metafile header, the records, end of file.
    QByteArray file(std::optional<Placeable> placeable = std::nullopt) const;

  private:
    void append(std::uint16_t function, std::span<const std::uint16_t> words);
    void append(Function function, std::span<const std::uint16_t> words) {
        append(std::uint16_t(function), words);
    }
    int takeSlot();

    std::vector<std::uint16_t> records_;
    std::vector<bool> slots_;  // true where an object lives
    std::uint32_t largestRecord_ = kRecordHeaderWords;
};

}  // namespace tarvek::wmf
