// Reading a metafile: the header, then record by record, each checked against its own size
// and against the file before anything in it is used.
#include <algorithm>
#include <functional>
#include <queue>

#include "pictures/windows_1252.h"
#include "pictures/wmf_metafile.h"

namespace tarvek::wmf {
namespace {

std::uint16_t readWord(const uchar* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t readLong(const uchar* p) {
    return std::uint32_t(readWord(p)) | std::uint32_t(readWord(p + 2)) << 16;
}

// The parameter words of one record.
class Params {
  public:
    Params(const uchar* data, std::size_t words) : data_(data), words_(words) {}

    std::size_t size() const { return words_; }
    bool has(std::size_t words) const { return words_ >= words; }
    std::uint16_t word(std::size_t i) const { return readWord(data_ + 2 * i); }
    std::int16_t int16(std::size_t i) const { return std::int16_t(word(i)); }
    std::uint32_t colour(std::size_t i) const {
        return (word(i) | std::uint32_t(word(i + 1)) << 16) & 0xFFFFFF;
    }
    std::uint8_t byte(std::size_t offset) const { return data_[offset]; }
    const char* chars(std::size_t wordOffset) const {
        return reinterpret_cast<const char*>(data_ + 2 * wordOffset);
    }
    Point16 yx(std::size_t i) const { return {int16(i + 1), int16(i)}; }
    Point16 xy(std::size_t i) const { return {int16(i), int16(i + 1)}; }
    // A rectangle stored bottom first, as most records keep it.
    Rect16 reversedRect(std::size_t i) const { return {int16(i + 3), int16(i + 2), int16(i + 1), int16(i)}; }

  private:
    const uchar* data_;
    std::size_t words_;
};

constexpr std::size_t wordsFor(std::size_t bytes) { return (bytes + 1) / 2; }

// The object table as GDI fills it: a new object takes the first free slot. Freed slots wait
// in a min-heap, so a file that creates and deletes in a loop costs no scans of the table.
class ObjectTable {
  public:
    enum class Kind : std::uint8_t { Empty, Pen, Brush, Font, Other };
    struct Entry {
        Kind kind = Kind::Empty;
        std::uint32_t definition = 0;
    };

    explicit ObjectTable(std::size_t size) : size_(size) {}

    bool add(Kind kind, std::uint32_t definition) {
        std::size_t slot;
        if (!freed_.empty()) {
            slot = freed_.top();
            freed_.pop();
        } else if (slots_.size() < size_) {
            slot = slots_.size();
            slots_.emplace_back();
        } else {
            return false;
        }
        slots_[slot] = {kind, definition};
        return true;
    }
    bool valid(std::size_t index) const { return index < size_; }
    Entry at(std::size_t index) const { return index < slots_.size() ? slots_[index] : Entry{}; }
    void remove(std::size_t index) {
        if (index >= slots_.size() || slots_[index].kind == Kind::Empty) return;
        slots_[index] = {};
        freed_.push(index);
    }

  private:
    std::size_t size_;
    std::vector<Entry> slots_;  // the slots used so far; the rest were never taken
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> freed_;
};

class Parser {
  public:
    Parser(Metafile& out, std::size_t objectSlots) : out_(out), objects_(objectSlots) {}

    // False when the record is damaged: playback ends before it.
    bool record(std::uint16_t function, const Params& p);

    bool drewBeforeWindow() const { return drewBeforeWindow_; }
    bool sawWindowExt() const { return sawWindowExt_; }
    const Rect16& drawnBounds() const { return bounds_; }
    bool drewAnything() const { return drewAnything_; }

  private:
    template <typename C>
    bool add(C command) {
        if (out_.commands.size() >= kMaxCommands) return false;
        out_.commands.emplace_back(command);
        return true;
    }
    void touch(Point16 p);
    void touch(const Rect16& r) {
        touch(Point16{r.left, r.top});
        touch(Point16{r.right, r.bottom});
    }
    void drawing() {
        if (!sawWindowExt_) drewBeforeWindow_ = true;
    }

    bool createObject(ObjectTable::Kind kind, std::uint32_t definition) {
        return objects_.add(kind, definition);
    }
    bool selectObject(const Params& p);
    bool deleteObject(const Params& p);
    bool points(const Params& p, bool polygon);
    bool polyPolygon(const Params& p);
    bool textOut(const Params& p);
    bool extTextOut(const Params& p);
    bool createFont(const Params& p);

    Metafile& out_;
    ObjectTable objects_;
    int savedStates_ = 0;
    bool sawWindowExt_ = false, drewBeforeWindow_ = false, drewAnything_ = false;
    Rect16 bounds_;
};

void Parser::touch(Point16 p) {
    if (!drewAnything_) {
        bounds_ = {p.x, p.y, p.x, p.y};
        drewAnything_ = true;
        return;
    }
    bounds_.left = std::min(bounds_.left, p.x);
    bounds_.top = std::min(bounds_.top, p.y);
    bounds_.right = std::max(bounds_.right, p.x);
    bounds_.bottom = std::max(bounds_.bottom, p.y);
}

bool Parser::selectObject(const Params& p) {
    if (!p.has(1) || !objects_.valid(p.word(0))) return false;
    const ObjectTable::Entry entry = objects_.at(p.word(0));
    switch (entry.kind) {
        case ObjectTable::Kind::Pen:
            return add(command::SelectPen{entry.definition});
        case ObjectTable::Kind::Brush:
            return add(command::SelectBrush{entry.definition});
        case ObjectTable::Kind::Font:
            return add(command::SelectFont{entry.definition});
        case ObjectTable::Kind::Other:
        case ObjectTable::Kind::Empty:
            return true;  // GDI refuses the selection and goes on
    }
    return true;
}

bool Parser::deleteObject(const Params& p) {
    if (!p.has(1) || !objects_.valid(p.word(0))) return false;
    objects_.remove(p.word(0));  // what is selected stays selected, as in GDI
    return true;
}

bool Parser::points(const Params& p, bool polygon) {
    if (!p.has(1) || p.int16(0) < 0) return false;
    const std::size_t count = std::size_t(p.int16(0));
    if (!p.has(1 + 2 * count)) return false;
    if (count == 0) return true;
    drawing();
    const std::uint32_t first = std::uint32_t(out_.points.size());
    for (std::size_t i = 0; i < count; ++i) {
        out_.points.push_back(p.xy(1 + 2 * i));
        touch(out_.points.back());
    }
    return polygon ? add(command::Polygon{first, std::uint32_t(count)})
                   : add(command::Polyline{first, std::uint32_t(count)});
}

bool Parser::polyPolygon(const Params& p) {
    if (!p.has(1)) return false;
    const std::size_t polygons = p.word(0);
    if (!p.has(1 + polygons)) return false;
    std::size_t total = 0;
    for (std::size_t i = 0; i < polygons; ++i) total += p.word(1 + i);
    if (!p.has(1 + polygons + 2 * total)) return false;
    if (total == 0) return true;
    drawing();
    const std::uint32_t firstSize = std::uint32_t(out_.polygonSizes.size());
    const std::uint32_t firstPoint = std::uint32_t(out_.points.size());
    for (std::size_t i = 0; i < polygons; ++i) out_.polygonSizes.push_back(p.word(1 + i));
    for (std::size_t i = 0; i < total; ++i) {
        out_.points.push_back(p.xy(1 + polygons + 2 * i));
        touch(out_.points.back());
    }
    return add(command::PolyPolygon{firstSize, std::uint32_t(polygons), firstPoint});
}

bool Parser::textOut(const Params& p) {
    if (!p.has(1) || p.int16(0) < 0) return false;
    const std::size_t length = std::size_t(p.int16(0));
    const std::size_t stringWords = wordsFor(length);
    if (!p.has(1 + stringWords + 2)) return false;
    TextRun run;
    run.text = fromWindows1252(p.chars(1), qsizetype(length));
    run.at = p.yx(1 + stringWords);
    drawing();
    touch(run.at);
    out_.texts.push_back(std::move(run));
    return add(command::Text{std::uint32_t(out_.texts.size() - 1), false});
}

bool Parser::extTextOut(const Params& p) {
    if (!p.has(4) || p.int16(2) < 0) return false;
    TextRun run;
    run.at = p.yx(0);
    const std::size_t length = std::size_t(p.int16(2));
    run.options = p.word(3);
    std::size_t next = 4;
    if (run.options & (ETO_OPAQUE | ETO_CLIPPED)) {
        if (!p.has(next + 4)) return false;
        run.rect = Rect16{p.int16(next), p.int16(next + 1), p.int16(next + 2), p.int16(next + 3)};
        next += 4;
    }
    const std::size_t stringWords = wordsFor(length);
    if (!p.has(next + stringWords)) return false;
    run.text = fromWindows1252(p.chars(next), qsizetype(length));
    next += stringWords;
    // Advances are optional; when present there is one per character.
    if (length > 0 && p.has(next + length)) {
        run.advances.reserve(length);
        for (std::size_t i = 0; i < length; ++i) run.advances.push_back(p.int16(next + i));
    }
    drawing();
    touch(run.at);
    out_.texts.push_back(std::move(run));
    return add(command::Text{std::uint32_t(out_.texts.size() - 1), true});
}

bool Parser::createFont(const Params& p) {
    constexpr std::size_t kFixedWords = 9;
    if (!p.has(kFixedWords)) return false;
    FontDef font;
    font.height = p.int16(0);
    font.width = p.int16(1);
    font.escapement = p.int16(2);
    font.weight = p.int16(4);
    font.italic = p.byte(10) != 0;
    font.underline = p.byte(11) != 0;
    font.strikeOut = p.byte(12) != 0;
    // The face name is optional and ends at its first zero byte or at the record's end.
    const std::size_t available = std::min<std::size_t>((p.size() - kFixedWords) * 2, kFaceNameBytes);
    const char* face = p.chars(kFixedWords);
    const std::size_t faceLength = std::size_t(std::find(face, face + available, '\0') - face);
    font.face = fromWindows1252(face, qsizetype(faceLength));
    out_.fonts.push_back(std::move(font));
    return createObject(ObjectTable::Kind::Font, std::uint32_t(out_.fonts.size() - 1));
}

bool Parser::record(std::uint16_t function, const Params& p) {
    using command::ShapeKind;
    const auto shape = [&](ShapeKind kind, std::size_t words) {
        if (!p.has(words)) return false;
        command::Shape s{kind, {}, {}, {}};
        if (kind == ShapeKind::Arc || kind == ShapeKind::Pie || kind == ShapeKind::Chord) {
            s.end = p.yx(0);
            s.start = p.yx(2);
            s.box = p.reversedRect(4);
        } else if (kind == ShapeKind::RoundRect) {
            s.start = p.yx(0);  // corner width and height
            s.box = p.reversedRect(2);
        } else {
            s.box = p.reversedRect(0);
        }
        drawing();
        touch(s.box);
        return add(s);
    };

    switch (Function(function)) {
        case Function::SetWindowOrg:
            return p.has(2) && add(command::SetWindowOrg{p.yx(0)});
        case Function::SetWindowExt:
            if (!p.has(2)) return false;
            if (p.int16(0) == 0 || p.int16(1) == 0) return true;  // GDI refuses an empty window
            sawWindowExt_ = true;
            return add(command::SetWindowExt{p.int16(1), p.int16(0)});
        case Function::SetMapMode:
            return p.has(1) && add(command::SetMapMode{p.word(0)});
        case Function::SetBkMode:
            return p.has(1) && add(command::SetBkMode{p.word(0)});
        case Function::SetBkColor:
            return p.has(2) && add(command::SetBkColor{p.colour(0)});
        case Function::SetTextColor:
            return p.has(2) && add(command::SetTextColor{p.colour(0)});
        case Function::SetTextAlign:
            return p.has(1) && add(command::SetTextAlign{p.word(0)});
        case Function::SetPolyFillMode:
            return p.has(1) && add(command::SetPolyFillMode{p.word(0)});
        case Function::CreatePenIndirect:
            if (!p.has(5)) return false;
            out_.pens.push_back({p.word(0), p.int16(1), p.colour(3)});
            return createObject(ObjectTable::Kind::Pen, std::uint32_t(out_.pens.size() - 1));
        case Function::CreateBrushIndirect:
            if (!p.has(4)) return false;
            out_.brushes.push_back({p.word(0), p.colour(1), p.word(3)});
            return createObject(ObjectTable::Kind::Brush, std::uint32_t(out_.brushes.size() - 1));
        case Function::CreateFontIndirect:
            return createFont(p);
        case Function::CreatePatternBrush:
        case Function::DibCreatePatternBrush:
            // The pattern's bitmap is not drawn: a mid grey stands in for it.
            out_.brushes.push_back({BS_SOLID, rgb(128, 128, 128), 0});
            return createObject(ObjectTable::Kind::Brush, std::uint32_t(out_.brushes.size() - 1));
        case Function::CreatePalette:
        case Function::CreateRegion:
            return createObject(ObjectTable::Kind::Other, 0);
        case Function::SelectObject:
            return selectObject(p);
        case Function::DeleteObject:
            return deleteObject(p);
        case Function::MoveTo:
            if (!p.has(2)) return false;
            touch(p.yx(0));
            return add(command::MoveTo{p.yx(0)});
        case Function::LineTo:
            if (!p.has(2)) return false;
            drawing();
            touch(p.yx(0));
            return add(command::LineTo{p.yx(0)});
        case Function::Rectangle:
            return shape(ShapeKind::Rectangle, 4);
        case Function::RoundRect:
            return shape(ShapeKind::RoundRect, 6);
        case Function::Ellipse:
            return shape(ShapeKind::Ellipse, 4);
        case Function::Arc:
            return shape(ShapeKind::Arc, 8);
        case Function::Pie:
            return shape(ShapeKind::Pie, 8);
        case Function::Chord:
            return shape(ShapeKind::Chord, 8);
        case Function::Polygon:
            return points(p, true);
        case Function::Polyline:
            return points(p, false);
        case Function::PolyPolygon:
            return polyPolygon(p);
        case Function::TextOut:
            return textOut(p);
        case Function::ExtTextOut:
            return extTextOut(p);
        case Function::SaveDC:
            if (savedStates_ >= kMaxSavedStates) return false;
            ++savedStates_;
            return add(command::SaveDC{});
        case Function::RestoreDC: {
            if (!p.has(1)) return false;
            // Negative counts back from the newest state, positive names a state from the
            // oldest; GDI refuses a state that does not exist.
            const int which = p.int16(0);
            const int levels = which < 0 ? -which : savedStates_ - which + 1;
            if (which == 0 || levels < 1 || levels > savedStates_) return true;
            savedStates_ -= levels;
            return add(command::RestoreDC{std::uint32_t(levels)});
        }
        case Function::IntersectClipRect:
            return p.has(4) && add(command::IntersectClipRect{p.reversedRect(0)});
        default:
            return true;  // records a line drawing does not need are skipped by their size
    }
}

struct Header {
    std::size_t recordsAt = 0;
    std::size_t objectSlots = 0;
    std::optional<Window> frame;
};

std::optional<Header> readHeader(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::size_t size = std::size_t(bytes.size());
    Header header;
    std::size_t at = 0;
    if (size >= 4 && readLong(data) == kPlaceableKey) {
        if (size < std::size_t(kPlaceableHeaderBytes)) return std::nullopt;
        std::uint16_t checksum = 0;
        for (int i = 0; i < 10; ++i) checksum ^= readWord(data + 2 * i);
        if (checksum != readWord(data + 20)) return std::nullopt;
        const int left = std::int16_t(readWord(data + 6)), top = std::int16_t(readWord(data + 8));
        const int right = std::int16_t(readWord(data + 10)), bottom = std::int16_t(readWord(data + 12));
        if (left == right || top == bottom) return std::nullopt;
        header.frame = Window{left, top, right - left, bottom - top};
        at = kPlaceableHeaderBytes;
    }
    if (size < at + kHeaderBytes) return std::nullopt;
    const uchar* h = data + at;
    const std::uint16_t type = readWord(h), headerWords = readWord(h + 2), version = readWord(h + 4);
    if ((type != 1 && type != 2) || headerWords != kHeaderWords) return std::nullopt;
    if (version != kVersion1 && version != kVersion3) return std::nullopt;
    header.objectSlots = readWord(h + 10);
    header.recordsAt = at + kHeaderBytes;
    return header;
}

}  // namespace

std::optional<Metafile> parseMetafile(const QByteArray& bytes) {
    const std::optional<Header> header = readHeader(bytes);
    if (!header) return std::nullopt;

    Metafile metafile;
    Parser parser(metafile, header->objectSlots);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::size_t end = std::size_t(bytes.size());
    std::size_t at = header->recordsAt;
    while (end - at >= std::size_t(kRecordHeaderWords) * 2) {
        const std::uint32_t sizeWords = readLong(data + at);
        const std::uint16_t function = readWord(data + at + 4);
        if (sizeWords < std::uint32_t(kRecordHeaderWords) || sizeWords > (end - at) / 2) break;
        if (function == std::uint16_t(Function::Eof)) {
            metafile.complete = true;
            break;
        }
        const Params params(data + at + 6, sizeWords - kRecordHeaderWords);
        if (!parser.record(function, params)) break;
        at += std::size_t(sizeWords) * 2;
    }

    if (header->frame) {
        metafile.placeable = true;
        metafile.initialWindow = *header->frame;
    } else if (!parser.sawWindowExt() || parser.drewBeforeWindow()) {
        // A plain file that draws before it sets its window: its frame is what it draws.
        const Rect16& b = parser.drawnBounds();
        metafile.initialWindow = {b.left, b.top, std::max(1, b.right - b.left),
                                  std::max(1, b.bottom - b.top)};
    }
    return metafile;
}

}  // namespace tarvek::wmf
