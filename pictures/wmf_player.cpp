#include "pictures/wmf_player.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace tarvek::wmf {
namespace {

// The work budget. Pixel work (outline length times pen width, filled area, glyph area) may
// cover the image this many times over; drawing calls are counted apart, as each costs
// QPainter a fixed overhead whatever its size.
constexpr double kPixelWorkPerImagePixel = 64;
constexpr double kPixelWorkFloor = 1 << 20;
constexpr double kDrawingCalls = 100'000;
// Coordinates are held within this many image sizes of the image: beyond it nothing a
// sensible drawing does is visible, and the rasteriser's fixed-point range stays safe.
constexpr double kCoordinateReach = 64;
constexpr double kDefaultFontPixels = 12;        // the stock font, sized in pixels as GDI sizes it
constexpr double kCellToCharacterHeight = 1.15;  // cell height over character height, Liberation Sans

QColor colourOf(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QString familyFor(const QString& face) {
    const QString f = face.toLower();
    if (f.contains(QLatin1String("narrow"))) return QStringLiteral("Liberation Sans Narrow");
    if (f.contains(QLatin1String("courier")) || f.contains(QLatin1String("mono")))
        return QStringLiteral("Liberation Mono");
    if (f.contains(QLatin1String("times")) || f.contains(QLatin1String("roman")) ||
        (f.contains(QLatin1String("serif")) && !f.contains(QLatin1String("sans"))))
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

struct State {
    Window window;
    int pen = -1, brush = -1, font = -1;  // -1: the stock black pen, white brush, system font
    std::uint32_t bkColour = 0xFFFFFF, textColour = 0;
    std::uint16_t bkMode = OPAQUE, textAlign = 0, polyFillMode = ALTERNATE, mapMode = MM_TEXT;
    QPointF position;  // logical
    bool clipped = false;
    QRectF clip;  // device pixels
};

// An image gets pixel-exact GDI drawing; a painter of another device (a printer, a PDF) gets
// the same drawing clipped to its frame, with thin pens as wide as a unit of its coordinates.
enum class Surface { Image, Painter };

class Player {
  public:
    // `frame`: the size the metafile's window is stretched over, from the painter's origin.
    Player(const Metafile& metafile, QPainter& painter, QSizeF frame, Surface surface)
        : m_(metafile),
          frame_(frame),
          surface_(surface),
          painter_(painter),
          reach_(kCoordinateReach * std::max(frame.width(), frame.height())),
          pixelWork_(std::max(kPixelWorkFloor, kPixelWorkPerImagePixel * frame.width() * frame.height())) {
        state_.window = metafile.initialWindow;
        // GDI's own lines are aliased; a page is drawn as smoothly as its device can.
        painter_.setRenderHint(QPainter::Antialiasing, surface == Surface::Painter);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        applyBackground();
    }

    // False when the budget is spent.
    bool play(const Command& command) {
        return std::visit([this](const auto& c) { return run(c); }, command);
    }

  private:
    double scaleX() const { return frame_.width() / double(state_.window.width); }
    double scaleY() const { return frame_.height() / double(state_.window.height); }
    double imageArea() const { return frame_.width() * frame_.height(); }
    QRectF frameRect() const { return QRectF(QPointF(), frame_); }

    QPointF map(double x, double y) const {
        return {std::clamp((x - state_.window.x) * scaleX(), -reach_, reach_),
                std::clamp((y - state_.window.y) * scaleY(), -reach_, reach_)};
    }
    QPointF map(Point16 p) const { return map(p.x, p.y); }
    QRectF map(const Rect16& r) const {
        return QRectF(map(r.left, r.top), map(r.right, r.bottom)).normalized();
    }

    bool spend(double calls, double pixels) {
        callsLeft_ -= calls;
        pixelWork_ -= pixels;
        return callsLeft_ >= 0 && pixelWork_ >= 0;
    }
    double visibleArea(const QRectF& r) const {
        const QRectF seen = r.intersected(frameRect());
        return seen.isValid() ? seen.width() * seen.height() : 0;
    }
    // The cost of stroking and filling an outline of this length round this box: every
    // edge is walked, and at most the visible part of the stroke or the fill is painted.
    bool spendOnShape(double calls, double outline, const QRectF& box, bool filled) {
        double pixels = 0;
        if (penPixels_ > 0) {
            const double reach = penPixels_ / 2;
            pixels += outline +
                      std::min(outline * penPixels_, visibleArea(box.adjusted(-reach, -reach, reach, reach)));
        }
        if (filled && brush_.style() != Qt::NoBrush) pixels += outline + visibleArea(box);
        return spend(calls, pixels);
    }

    const PenDef& penDef() const {
        static const PenDef stock;
        return state_.pen < 0 ? stock : m_.pens[std::size_t(state_.pen)];
    }
    const BrushDef& brushDef() const {
        static const BrushDef stock;
        return state_.brush < 0 ? stock : m_.brushes[std::size_t(state_.brush)];
    }

    void applyPen();
    void applyBrush();
    void applyBackground() {
        painter_.setBackgroundMode(state_.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_.setBackground(colourOf(state_.bkColour));
    }
    void applyClip() {
        if (state_.clipped)
            painter_.setClipRect(state_.clip);
        else if (surface_ == Surface::Painter)
            painter_.setClipRect(frameRect());  // the page goes on round the drawing
        else
            painter_.setClipping(false);
    }
    void applyAll() {
        applyPen();
        applyBrush();
        applyBackground();
        applyClip();
    }
    // The sweep of a GDI arc: counter-clockwise in logical space, so on screen it turns the
    // other way when the window flips one axis.
    double sweep(double from, double to) const;

    bool run(const command::SetWindowOrg& c) {
        state_.window.x = c.at.x;
        state_.window.y = c.at.y;
        applyPen();  // pen widths follow the scale
        return true;
    }
    bool run(const command::SetWindowExt& c) {
        state_.window.width = c.width;
        state_.window.height = c.height;
        applyPen();
        return true;
    }
    bool run(const command::SetMapMode& c) {
        // A picture is always stretched to its frame: the mode is kept but maps nothing.
        state_.mapMode = c.mode;
        return true;
    }
    bool run(const command::SetBkMode& c) {
        state_.bkMode = c.mode;
        applyBackground();
        return true;
    }
    bool run(const command::SetBkColor& c) {
        state_.bkColour = c.colour;
        applyBackground();
        return true;
    }
    bool run(const command::SetTextColor& c) {
        state_.textColour = c.colour;
        return true;
    }
    bool run(const command::SetTextAlign& c) {
        state_.textAlign = c.align;
        return true;
    }
    bool run(const command::SetPolyFillMode& c) {
        state_.polyFillMode = c.mode;
        return true;
    }
    bool run(const command::SelectPen& c) {
        state_.pen = int(c.pen);
        applyPen();
        return true;
    }
    bool run(const command::SelectBrush& c) {
        state_.brush = int(c.brush);
        applyBrush();
        return true;
    }
    bool run(const command::SelectFont& c) {
        state_.font = int(c.font);
        return true;
    }
    bool run(const command::MoveTo& c) {
        state_.position = QPointF(c.to.x, c.to.y);
        return true;
    }
    bool run(const command::LineTo& c) {
        const QPointF from = map(state_.position.x(), state_.position.y()), to = map(c.to);
        if (!spendOnShape(1, QLineF(from, to).length(), QRectF(from, to).normalized(), false)) return false;
        painter_.drawLine(from, to);
        state_.position = QPointF(c.to.x, c.to.y);
        return true;
    }
    bool run(const command::Shape& c);
    bool run(const command::Polygon& c);
    bool run(const command::Polyline& c);
    bool run(const command::PolyPolygon& c);
    bool run(const command::Text& c);
    bool run(const command::SaveDC&) {
        saved_.push_back(state_);
        return true;
    }
    bool run(const command::RestoreDC& c) {
        // The reader only keeps restores of states that were saved.
        const std::size_t levels = std::min<std::size_t>(c.levels, saved_.size());
        if (levels == 0) return true;
        state_ = saved_[saved_.size() - levels];
        saved_.resize(saved_.size() - levels);
        applyAll();
        return true;
    }
    bool run(const command::IntersectClipRect& c) {
        const QRectF box = map(c.box);
        state_.clip = state_.clipped ? state_.clip.intersected(box) : box.intersected(frameRect());
        if (state_.clip.isEmpty()) state_.clip = QRectF();  // nothing stays visible
        state_.clipped = true;
        applyClip();
        return true;
    }

    QPolygonF polygonAt(std::uint32_t first, std::uint32_t count, double& outline, bool closed) const {
        QPolygonF polygon;
        polygon.reserve(count);
        outline = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            polygon.append(map(m_.points[first + i]));
            if (i > 0) outline += QLineF(polygon[i - 1], polygon[i]).length();
        }
        if (closed && count > 1) outline += QLineF(polygon.back(), polygon.front()).length();
        return polygon;
    }
    Qt::FillRule fillRule() const {
        return state_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    }

    const Metafile& m_;
    const QSizeF frame_;
    const Surface surface_;
    QPainter& painter_;
    const double reach_;
    double pixelWork_;
    double callsLeft_ = kDrawingCalls;
    double penPixels_ = 1;
    QBrush brush_;
    State state_;
    std::vector<State> saved_;
};

void Player::applyPen() {
    const PenDef& def = penDef();
    const int style = def.style & PS_STYLE_MASK;
    if (style == PS_NULL) {
        painter_.setPen(Qt::NoPen);
        penPixels_ = 0;
        return;
    }
    // Wider than twice the image a pen covers it all anyway.
    const double width =
        std::min(std::abs(def.width * scaleX()), 2.0 * std::max(frame_.width(), frame_.height()));
    QPen pen(colourOf(def.colour));
    if (width < 1.5) {
        // One pixel, where GDI draws dashes only on such thin pens. On paper a device pixel
        // is a hairline: there the pen is one unit of the painter's coordinates wide.
        if (surface_ == Surface::Painter)
            pen.setWidthF(1);
        else
            pen.setWidth(0);
        penPixels_ = 1;
        switch (style) {
            case PS_DASH:
                pen.setStyle(Qt::DashLine);
                break;
            case PS_DOT:
                pen.setStyle(Qt::DotLine);
                break;
            case PS_DASHDOT:
                pen.setStyle(Qt::DashDotLine);
                break;
            case PS_DASHDOTDOT:
                pen.setStyle(Qt::DashDotDotLine);
                break;
            default:
                break;
        }
    } else {
        pen.setWidthF(width);
        penPixels_ = width;
    }
    switch (def.style & PS_ENDCAP_MASK) {
        case PS_ENDCAP_SQUARE:
            pen.setCapStyle(Qt::SquareCap);
            break;
        case PS_ENDCAP_FLAT:
            pen.setCapStyle(Qt::FlatCap);
            break;
        default:
            pen.setCapStyle(Qt::RoundCap);
            break;
    }
    switch (def.style & PS_JOIN_MASK) {
        case PS_JOIN_BEVEL:
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case PS_JOIN_MITER:
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            pen.setJoinStyle(Qt::RoundJoin);
            break;
    }
    painter_.setPen(pen);
}

void Player::applyBrush() {
    const BrushDef& def = brushDef();
    const QColor colour = colourOf(def.colour);
    switch (def.style) {
        case BS_NULL:
            brush_ = QBrush(Qt::NoBrush);
            break;
        case BS_HATCHED: {
            static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                          Qt::FDiagPattern, Qt::BDiagPattern,
                                                          Qt::CrossPattern, Qt::DiagCrossPattern};
            brush_ = QBrush(colour, def.hatch < std::size(kHatches) ? kHatches[def.hatch] : Qt::SolidPattern);
            break;
        }
        default:
            brush_ = QBrush(colour);
            break;
    }
    painter_.setBrush(brush_);
}

double Player::sweep(double from, double to) const {
    const bool counterClockwise = scaleX() * scaleY() > 0;
    double turn = std::fmod(counterClockwise ? to - from : from - to, 360.0);
    if (turn <= 1e-9) turn += 360.0;
    return counterClockwise ? turn : -turn;
}

double angleOn(const QRectF& box, QPointF p) {
    const QPointF centre = box.center();
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return qRadiansToDegrees(std::atan2(-(p.y() - centre.y()) / ry, (p.x() - centre.x()) / rx));
}

bool Player::run(const command::Shape& c) {
    using command::ShapeKind;
    const QRectF box = map(c.box);
    const double outline = 2 * (box.width() + box.height());
    // Arcs, pies and chords are built as paths: dearer calls than the plain shapes.
    const bool path = c.kind == ShapeKind::Arc || c.kind == ShapeKind::Pie || c.kind == ShapeKind::Chord;
    if (!spendOnShape(path ? 3 : 1, outline, box, c.kind != ShapeKind::Arc)) return false;
    switch (c.kind) {
        case ShapeKind::Rectangle:
            painter_.drawRect(box);
            break;
        case ShapeKind::Ellipse:
            painter_.drawEllipse(box);
            break;
        case ShapeKind::RoundRect:
            painter_.drawRoundedRect(box, std::abs(c.start.x * scaleX()) / 2,
                                     std::abs(c.start.y * scaleY()) / 2);
            break;
        case ShapeKind::Arc:
        case ShapeKind::Pie:
        case ShapeKind::Chord: {
            const double from = angleOn(box, map(c.start)), turn = sweep(from, angleOn(box, map(c.end)));
            QPainterPath path;
            if (c.kind == ShapeKind::Pie)
                path.moveTo(box.center());
            else
                path.arcMoveTo(box, from);
            path.arcTo(box, from, turn);
            if (c.kind == ShapeKind::Arc) {
                painter_.strokePath(path, painter_.pen());
            } else {
                path.closeSubpath();
                painter_.drawPath(path);
            }
            break;
        }
    }
    return true;
}

bool Player::run(const command::Polygon& c) {
    double outline = 0;
    const QPolygonF polygon = polygonAt(c.first, c.count, outline, true);
    if (!spendOnShape(1 + c.count / 64.0, outline, polygon.boundingRect(), true)) return false;
    painter_.drawPolygon(polygon, fillRule());
    return true;
}

bool Player::run(const command::Polyline& c) {
    double outline = 0;
    const QPolygonF polyline = polygonAt(c.first, c.count, outline, false);
    if (!spendOnShape(1 + c.count / 64.0, outline, polyline.boundingRect(), false)) return false;
    painter_.drawPolyline(polyline);
    return true;
}

bool Player::run(const command::PolyPolygon& c) {
    QPainterPath path;
    path.setFillRule(fillRule());
    double total = 0;
    std::uint32_t point = c.firstPoint;
    for (std::uint32_t i = 0; i < c.polygons; ++i) {
        const std::uint32_t count = m_.polygonSizes[c.firstSize + i];
        double outline = 0;
        path.addPolygon(polygonAt(point, count, outline, true));
        path.closeSubpath();
        total += outline;
        point += count;
    }
    if (!spendOnShape(1 + c.polygons + (point - c.firstPoint) / 64.0, total, path.boundingRect(), true))
        return false;
    painter_.drawPath(path);
    return true;
}

bool Player::run(const command::Text& c) {
    const TextRun& run = m_.texts[c.run];
    static const FontDef stockFont;
    const FontDef& def = state_.font < 0 ? stockFont : m_.fonts[std::size_t(state_.font)];
    const double sx = std::abs(scaleX()), sy = std::abs(scaleY());
    // A glyph bigger than the picture shows only a corner of itself, and Qt outlines the
    // whole of it: heights and widths are held to twice the picture's size.
    const double largest = 2.0 * std::max(frame_.width(), frame_.height());

    double pixels = kDefaultFontPixels;
    if (def.height < 0) pixels = -double(def.height) * sy;
    if (def.height > 0) pixels = def.height / kCellToCharacterHeight * sy;
    pixels = std::clamp(pixels, 1.0, largest);

    const qsizetype length = run.text.size();
    const double glyphArea = std::min(pixels * pixels, imageArea());
    if (!spend(4 + double(length) / 8, double(length) * glyphArea)) return false;  // text is the dearest call

    QFont font(familyFor(def.face));
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setWeight(QFont::Weight(std::clamp(def.weight == 0 ? int(FW_NORMAL) : int(def.weight), 1, 1000)));
    font.setItalic(def.italic);
    font.setUnderline(def.underline);
    font.setStrikeOut(def.strikeOut);
    font.setStyleStrategy(QFont::NoFontMerging);  // what the face lacks shows as a box, quickly
    const QFontMetricsF metrics(font);

    // Text stretches with the window: a given width, or the frame's own proportions.
    double stretch = sy > 0 ? sx / sy : 1;
    if (def.width != 0 && metrics.averageCharWidth() > 0)
        stretch = std::abs(def.width) * sx / metrics.averageCharWidth();
    stretch = std::clamp(stretch, 1.0 / 64, std::max(1.0 / 64, std::min(64.0, largest / pixels)));

    const bool advancesGiven = qsizetype(run.advances.size()) == length && length > 0;
    double width = 0;  // along the baseline, before stretching
    if (advancesGiven) {
        for (std::int16_t advance : run.advances) width += advance * sx / stretch;
    } else {
        width = metrics.horizontalAdvance(run.text);
    }

    const bool fromCurrent = state_.textAlign & TA_UPDATECP;
    const QPointF logical = fromCurrent ? state_.position : QPointF(run.at.x, run.at.y);
    const QPointF at = map(logical.x(), logical.y());

    double x = 0;
    const std::uint16_t horizontal = state_.textAlign & TA_CENTER;
    if (horizontal == TA_CENTER)
        x = -width / 2;
    else if (horizontal == TA_RIGHT)
        x = -width;
    double y = metrics.ascent();
    if ((state_.textAlign & TA_BASELINE) == TA_BASELINE)
        y = 0;
    else if (state_.textAlign & TA_BOTTOM)
        y = -metrics.descent();

    if (fromCurrent && horizontal != TA_CENTER) {
        const double logicalWidth = width * stretch / std::max(sx, 1e-9);
        state_.position.rx() += horizontal == TA_RIGHT ? -logicalWidth : logicalWidth;
    }

    painter_.save();
    if (c.extended && run.rect) {
        const QRectF box = map(*run.rect);
        if (run.options & ETO_OPAQUE) painter_.fillRect(box, colourOf(state_.bkColour));
        if (run.options & ETO_CLIPPED) painter_.setClipRect(box, Qt::IntersectClip);
    }
    painter_.setFont(font);
    painter_.setPen(colourOf(state_.textColour));
    painter_.translate(at);
    painter_.rotate(-def.escapement / 10.0);
    painter_.scale(stretch, 1);
    if (advancesGiven) {
        double offset = 0;
        for (qsizetype i = 0; i < length; ++i) {
            painter_.drawText(QPointF(x + offset, y), QString(run.text[i]));
            offset += run.advances[std::size_t(i)] * sx / stretch;
        }
    } else {
        painter_.drawText(QPointF(x, y), run.text);
    }
    painter_.restore();
    return true;
}

// Plays every command until the budget is spent; the commands played.
std::size_t play(const Metafile& metafile, Player& player) {
    std::size_t played = 0;
    for (const Command& command : metafile.commands) {
        if (!player.play(command)) break;
        ++played;
    }
    return played;
}

}  // namespace

Playback playMetafile(const Metafile& metafile, QSize size) {
    Playback playback;
    if (size.isEmpty()) return playback;
    playback.image = QImage(size, QImage::Format_RGB32);
    if (playback.image.isNull()) return playback;
    playback.image.fill(Qt::white);
    {
        QPainter painter(&playback.image);  // ends before the image is handed out
        Player player(metafile, painter, QSizeF(size), Surface::Image);
        playback.commandsPlayed = play(metafile, player);
    }
    playback.budgetSpent = playback.commandsPlayed < metafile.commands.size();
    return playback;
}

bool paintMetafile(const Metafile& metafile, QPainter& painter, const QRectF& target) {
    if (target.isEmpty()) return true;
    painter.save();
    painter.translate(target.topLeft());
    painter.setClipRect(QRectF(QPointF(), target.size()), Qt::IntersectClip);
    std::size_t played = 0;
    {
        Player player(metafile, painter, target.size(), Surface::Painter);
        played = play(metafile, player);
    }
    painter.restore();
    return played == metafile.commands.size();
}

}  // namespace tarvek::wmf
