#include "assets/wmf_writer.h"

#include <algorithm>

#include "pictures/windows_1252.h"

namespace tarvek::wmf {
namespace {

using Words = std::vector<std::uint16_t>;

std::uint16_t word(int value) { return std::uint16_t(value & 0xFFFF); }

void appendColour(Words& words, std::uint32_t colour) {
    words.push_back(word(int(colour & 0xFFFF)));
    words.push_back(word(int(colour >> 16)));
}

// Records store a rectangle bottom first.
Words reversedRect(LogicalRect r) { return {word(r.bottom), word(r.right), word(r.top), word(r.left)}; }

Words arcWords(LogicalRect rect, QPoint start, QPoint end) {
    Words words = {word(end.y()), word(end.x()), word(start.y()), word(start.x())};
    const Words r = reversedRect(rect);
    words.insert(words.end(), r.begin(), r.end());
    return words;
}

// Strings are padded to a whole number of words.
void appendString(Words& words, const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const int low = static_cast<unsigned char>(bytes[i]);
        const int high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        words.push_back(word(low | high << 8));
    }
}

Words pointWords(std::span<const QPoint> points) {
    Words words;
    words.reserve(points.size() * 2);
    for (const QPoint& p : points) {
        words.push_back(word(p.x()));
        words.push_back(word(p.y()));
    }
    return words;
}

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

void Writer::record(std::uint16_t function, std::span<const std::uint16_t> words) {
    append(function, words);
    switch (Function(function)) {
        case Function::CreatePenIndirect:
        case Function::CreateBrushIndirect:
        case Function::CreateFontIndirect:
        case Function::CreatePalette:
        case Function::CreatePatternBrush:
        case Function::DibCreatePatternBrush:
        case Function::CreateRegion:
            takeSlot();
            break;
        default:
            break;
    }
}

void Writer::append(std::uint16_t function, std::span<const std::uint16_t> words) {
    const std::uint32_t size = std::uint32_t(kRecordHeaderWords + words.size());
    largestRecord_ = std::max(largestRecord_, size);
    records_.push_back(word(int(size & 0xFFFF)));
    records_.push_back(word(int(size >> 16)));
    records_.push_back(function);
    records_.insert(records_.end(), words.begin(), words.end());
}

void Writer::setWindowOrg(std::int16_t x, std::int16_t y) {
    append(Function::SetWindowOrg, Words{word(y), word(x)});
}
void Writer::setWindowExt(std::int16_t width, std::int16_t height) {
    append(Function::SetWindowExt, Words{word(height), word(width)});
}
void Writer::setMapMode(std::uint16_t mode) { append(Function::SetMapMode, Words{mode}); }
void Writer::setBkMode(std::uint16_t mode) { append(Function::SetBkMode, Words{mode}); }
void Writer::setPolyFillMode(std::uint16_t mode) { append(Function::SetPolyFillMode, Words{mode}); }
void Writer::setTextAlign(std::uint16_t align) { append(Function::SetTextAlign, Words{align}); }

void Writer::setBkColor(std::uint32_t colour) {
    Words words;
    appendColour(words, colour);
    append(Function::SetBkColor, words);
}

void Writer::setTextColor(std::uint32_t colour) {
    Words words;
    appendColour(words, colour);
    append(Function::SetTextColor, words);
}

int Writer::takeSlot() {
    const auto freeSlot = std::find(slots_.begin(), slots_.end(), false);
    if (freeSlot != slots_.end()) {
        *freeSlot = true;
        return int(freeSlot - slots_.begin());
    }
    slots_.push_back(true);
    return int(slots_.size()) - 1;
}

int Writer::createPen(std::uint16_t style, std::int16_t width, std::uint32_t colour) {
    Words words = {style, word(width), 0};
    appendColour(words, colour);
    append(Function::CreatePenIndirect, words);
    return takeSlot();
}

int Writer::createBrush(std::uint16_t style, std::uint32_t colour, std::uint16_t hatch) {
    Words words = {style};
    appendColour(words, colour);
    words.push_back(hatch);
    append(Function::CreateBrushIndirect, words);
    return takeSlot();
}

int Writer::createFont(const FontSpec& font) {
    Words words = {word(font.height), word(font.width), word(font.escapement), word(font.escapement),
                   word(font.weight)};
    words.push_back(word(int(font.italic) | int(font.underline) << 8));
    words.push_back(word(int(font.strikeOut)));  // ANSI character set
    words.push_back(0);                          // precisions
    words.push_back(0);                          // quality, pitch and family
    QByteArray face = toWindows1252(font.face).left(kFaceNameBytes - 1);
    face.append('\0');
    appendString(words, face);
    append(Function::CreateFontIndirect, words);
    return takeSlot();
}

void Writer::selectObject(int slot) { append(Function::SelectObject, Words{word(slot)}); }

void Writer::deleteObject(int slot) {
    append(Function::DeleteObject, Words{word(slot)});
    if (slot >= 0 && slot < int(slots_.size())) slots_[std::size_t(slot)] = false;
}

void Writer::moveTo(std::int16_t x, std::int16_t y) { append(Function::MoveTo, Words{word(y), word(x)}); }
void Writer::lineTo(std::int16_t x, std::int16_t y) { append(Function::LineTo, Words{word(y), word(x)}); }
void Writer::rectangle(LogicalRect rect) { append(Function::Rectangle, reversedRect(rect)); }
void Writer::ellipse(LogicalRect rect) { append(Function::Ellipse, reversedRect(rect)); }
void Writer::intersectClipRect(LogicalRect rect) { append(Function::IntersectClipRect, reversedRect(rect)); }

void Writer::roundRect(LogicalRect rect, std::int16_t cornerWidth, std::int16_t cornerHeight) {
    Words words = {word(cornerHeight), word(cornerWidth)};
    const Words r = reversedRect(rect);
    words.insert(words.end(), r.begin(), r.end());
    append(Function::RoundRect, words);
}

void Writer::arc(LogicalRect rect, QPoint start, QPoint end) {
    append(Function::Arc, arcWords(rect, start, end));
}
void Writer::pie(LogicalRect rect, QPoint start, QPoint end) {
    append(Function::Pie, arcWords(rect, start, end));
}
void Writer::chord(LogicalRect rect, QPoint start, QPoint end) {
    append(Function::Chord, arcWords(rect, start, end));
}

void Writer::polygon(std::span<const QPoint> points) {
    Words words = {word(int(points.size()))};
    const Words p = pointWords(points);
    words.insert(words.end(), p.begin(), p.end());
    append(Function::Polygon, words);
}

void Writer::polyline(std::span<const QPoint> points) {
    Words words = {word(int(points.size()))};
    const Words p = pointWords(points);
    words.insert(words.end(), p.begin(), p.end());
    append(Function::Polyline, words);
}

void Writer::polyPolygon(std::span<const std::vector<QPoint>> polygons) {
    Words words = {word(int(polygons.size()))};
    for (const auto& polygon : polygons) words.push_back(word(int(polygon.size())));
    for (const auto& polygon : polygons) {
        const Words p = pointWords(polygon);
        words.insert(words.end(), p.begin(), p.end());
    }
    append(Function::PolyPolygon, words);
}

void Writer::textOut(std::int16_t x, std::int16_t y, const QString& text) {
    const QByteArray bytes = toWindows1252(text);
    Words words = {word(int(bytes.size()))};
    appendString(words, bytes);
    words.push_back(word(y));
    words.push_back(word(x));
    append(Function::TextOut, words);
}

void Writer::extTextOut(std::int16_t x, std::int16_t y, std::uint16_t options,
                        std::optional<LogicalRect> rect, const QString& text,
                        std::span<const std::int16_t> advances) {
    const QByteArray bytes = toWindows1252(text);
    Words words = {word(y), word(x), word(int(bytes.size())), options};
    if (rect) {
        // This record keeps its rectangle left first.
        words.insert(words.end(), {word(rect->left), word(rect->top), word(rect->right), word(rect->bottom)});
    }
    appendString(words, bytes);
    for (std::int16_t advance : advances) words.push_back(word(advance));
    append(Function::ExtTextOut, words);
}

void Writer::saveDC() { append(Function::SaveDC, {}); }
void Writer::restoreDC(std::int16_t which) { append(Function::RestoreDC, Words{word(which)}); }

QByteArray Writer::file(std::optional<Placeable> placeable) const {
    QByteArray bytes;
    if (placeable) {
        const LogicalRect& f = placeable->frame;
        const std::uint16_t words[10] = {word(int(kPlaceableKey & 0xFFFF)),
                                         word(int(kPlaceableKey >> 16)),
                                         0,
                                         word(f.left),
                                         word(f.top),
                                         word(f.right),
                                         word(f.bottom),
                                         placeable->unitsPerInch,
                                         0,
                                         0};
        std::uint16_t checksum = 0;
        for (std::uint16_t w : words) checksum ^= w;
        for (std::uint16_t w : words) appendLittleEndian(bytes, w, 2);
        appendLittleEndian(bytes, checksum, 2);
    }
    const std::uint32_t totalWords = std::uint32_t(kHeaderWords + records_.size() + kRecordHeaderWords);
    appendLittleEndian(bytes, 1, 2);  // a memory metafile
    appendLittleEndian(bytes, kHeaderWords, 2);
    appendLittleEndian(bytes, kVersion3, 2);
    appendLittleEndian(bytes, totalWords, 4);
    appendLittleEndian(bytes, std::uint32_t(std::max<std::size_t>(slots_.size(), 1)), 2);
    appendLittleEndian(bytes, largestRecord_, 4);
    appendLittleEndian(bytes, 0, 2);
    for (std::uint16_t w : records_) appendLittleEndian(bytes, w, 2);
    appendLittleEndian(bytes, kRecordHeaderWords, 4);  // end of file
    appendLittleEndian(bytes, std::uint16_t(Function::Eof), 2);
    return bytes;
}

}  // namespace tarvek::wmf
