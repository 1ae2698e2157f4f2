// Every record kind a line drawing uses, each in a small drawing with pixels whose colour
// follows from the record (text records are played in the window tests, which have fonts).
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <optional>
#include <vector>

#include "assets/wmf_writer.h"
#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"

namespace {

using namespace tarvek::wmf;

constexpr std::uint32_t kWhite = rgb(255, 255, 255), kRed = rgb(255, 0, 0), kGreen = rgb(0, 160, 0),
                        kBlue = rgb(0, 0, 255), kYellow = rgb(255, 255, 0), kBlack = rgb(0, 0, 0),
                        kGrey = rgb(128, 128, 128);

QRgb qrgb(std::uint32_t colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

struct Probe {
    double x, y;  // fractions of the image
    std::uint32_t colour;
};

struct RecordCase {
    const char* name;
    std::function<void(Writer&)> draw;
    std::vector<Probe> probes;
};

int solidBrush(Writer& w, std::uint32_t colour) {
    const int brush = w.createBrush(BS_SOLID, colour);
    w.selectObject(brush);
    return brush;
}
void noPen(Writer& w) { w.selectObject(w.createPen(PS_NULL, 0, 0)); }
void pen(Writer& w, std::int16_t width, std::uint32_t colour) {
    w.selectObject(w.createPen(PS_SOLID, width, colour));
}
void polyPolygonSquares(Writer& w) {
    const std::vector<std::vector<QPoint>> squares = {{{10, 10}, {90, 10}, {90, 90}, {10, 90}},
                                                      {{30, 30}, {70, 30}, {70, 70}, {30, 70}}};
    w.polyPolygon(squares);
}

const std::vector<RecordCase>& recordCases() {
    static const std::vector<RecordCase> cases = {
        {"Rectangle filled with the brush, outlined with the pen",
         [](Writer& w) {
             pen(w, 10, kBlack);
             solidBrush(w, kRed);
             w.rectangle({20, 20, 80, 80});
         },
         {{0.5, 0.5, kRed}, {0.2, 0.5, kBlack}, {0.5, 0.8, kBlack}, {0.1, 0.5, kWhite}}},
        {"Ellipse",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kBlue);
             w.ellipse({0, 0, 100, 100});
         },
         {{0.5, 0.5, kBlue},
          {0.5, 0.03, kBlue},
          {0.03, 0.5, kBlue},
          {0.05, 0.05, kWhite},
          {0.95, 0.95, kWhite}}},
        {"RoundRect keeps its corners round",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kGreen);
             w.roundRect({0, 0, 100, 100}, 60, 60);
         },
         {{0.5, 0.5, kGreen},
          {0.5, 0.02, kGreen},
          {0.02, 0.5, kGreen},
          {0.03, 0.03, kWhite},
          {0.97, 0.97, kWhite}}},
        {"Arc runs counter-clockwise from its start ray to its end ray, unfilled",
         [](Writer& w) {
             pen(w, 6, kRed);
             solidBrush(w, kBlue);
             w.arc({10, 10, 90, 90}, {100, 50}, {50, 0});  // three o'clock to twelve
         },
         {{0.783, 0.217, kRed},
          {0.9, 0.5, kRed},
          {0.5, 0.1, kRed},
          {0.217, 0.783, kWhite},
          {0.5, 0.5, kWhite}}},
        {"Pie fills the wedge between its rays",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kBlue);
             w.pie({0, 0, 100, 100}, {100, 50}, {50, 0});
         },
         {{0.7, 0.3, kBlue}, {0.3, 0.3, kWhite}, {0.3, 0.7, kWhite}, {0.7, 0.7, kWhite}}},
        {"Pie from twelve o'clock round to three covers three quarters",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kBlue);
             w.pie({0, 0, 100, 100}, {50, 0}, {100, 50});
         },
         {{0.7, 0.3, kWhite}, {0.3, 0.3, kBlue}, {0.3, 0.7, kBlue}, {0.7, 0.7, kBlue}}},
        {"Chord fills between the arc and its chord",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kRed);
             w.chord({0, 0, 100, 100}, {100, 50}, {0, 50});  // the upper half
         },
         {{0.5, 0.25, kRed}, {0.5, 0.75, kWhite}}},
        {"Polygon",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kGreen);
             const QPoint triangle[] = {{0, 100}, {100, 100}, {50, 0}};
             w.polygon(triangle);
         },
         {{0.5, 0.8, kGreen}, {0.5, 0.1, kGreen}, {0.1, 0.1, kWhite}, {0.9, 0.3, kWhite}}},
        {"Polyline is drawn with the pen and never filled",
         [](Writer& w) {
             pen(w, 8, kBlue);
             solidBrush(w, kRed);
             const QPoint line[] = {{10, 50}, {90, 50}, {90, 90}};
             w.polyline(line);
         },
         {{0.5, 0.5, kBlue}, {0.9, 0.7, kBlue}, {0.6, 0.7, kWhite}}},
        {"PolyPolygon in alternate mode leaves the inner square open",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kBlack);
             polyPolygonSquares(w);
         },
         {{0.2, 0.5, kBlack}, {0.5, 0.5, kWhite}, {0.05, 0.05, kWhite}}},
        {"PolyPolygon in winding mode fills the inner square",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kBlack);
             w.setPolyFillMode(WINDING);
             polyPolygonSquares(w);
         },
         {{0.2, 0.5, kBlack}, {0.5, 0.5, kBlack}, {0.05, 0.05, kWhite}}},
        {"MoveTo and LineTo draw from the current position",
         [](Writer& w) {
             pen(w, 10, kRed);
             w.moveTo(0, 50);
             w.lineTo(100, 50);
             w.lineTo(100, 100);
         },
         {{0.5, 0.5, kRed}, {0.97, 0.75, kRed}, {0.5, 0.3, kWhite}, {0.5, 0.75, kWhite}}},
        {"A hollow brush leaves the inside as it was",
         [](Writer& w) {
             pen(w, 4, kRed);
             w.selectObject(w.createBrush(BS_NULL, kBlue));
             w.rectangle({20, 20, 80, 80});
         },
         {{0.5, 0.5, kWhite}, {0.2, 0.5, kRed}}},
        {"DeleteObject frees its slot and the next object takes the first free one",
         [](Writer& w) {
             noPen(w);                         // slot 0
             w.createBrush(BS_SOLID, kRed);    // slot 1
             w.createBrush(BS_SOLID, kBlue);   // slot 2
             w.deleteObject(0);                // the null pen stays selected
             w.createBrush(BS_SOLID, kGreen);  // takes slot 0
             w.selectObject(0);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.5, 0.5, kGreen}, {0.1, 0.9, kGreen}}},
        {"Objects that are not drawn still take their slot",
         [](Writer& w) {
             noPen(w);  // slot 0
             const std::uint16_t bitmapWords[] = {5, 0};
             w.record(Function::DibCreatePatternBrush, bitmapWords);  // slot 1
             w.record(Function::CreatePalette, bitmapWords);          // slot 2
             w.createBrush(BS_SOLID, kBlue);                          // slot 3
             w.selectObject(3);
             w.rectangle({0, 0, 50, 100});
             w.selectObject(1);  // the pattern shows as grey
             w.rectangle({50, 0, 100, 100});
             w.selectObject(2);  // a palette is no brush: grey stays
             w.rectangle({50, 0, 100, 50});
         },
         {{0.25, 0.5, kBlue}, {0.75, 0.25, kGrey}, {0.75, 0.75, kGrey}}},
        {"RestoreDC brings back the brush and the clip of SaveDC",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kRed);
             w.saveDC();
             w.intersectClipRect({0, 0, 50, 100});
             solidBrush(w, kBlue);
             w.rectangle({0, 0, 100, 100});
             w.restoreDC(-1);
             w.rectangle({0, 80, 100, 100});
         },
         {{0.25, 0.5, kBlue}, {0.75, 0.5, kWhite}, {0.25, 0.9, kRed}, {0.75, 0.9, kRed}}},
        {"RestoreDC with a positive number goes back to that saved state",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kRed);
             w.saveDC();  // state 1: red
             solidBrush(w, kGreen);
             w.saveDC();  // state 2: green
             solidBrush(w, kBlue);
             w.restoreDC(1);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.5, 0.5, kRed}}},
        {"RestoreDC of a state never saved changes nothing",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kRed);
             w.saveDC();
             solidBrush(w, kBlue);
             w.restoreDC(-2);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.5, 0.5, kBlue}}},
        {"IntersectClipRect narrows the clip each time",
         [](Writer& w) {
             noPen(w);
             w.intersectClipRect({0, 0, 50, 100});
             w.intersectClipRect({0, 0, 100, 50});
             solidBrush(w, kBlue);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.25, 0.25, kBlue}, {0.75, 0.25, kWhite}, {0.25, 0.75, kWhite}, {0.75, 0.75, kWhite}}},
        {"SetWindowExt and SetWindowOrg change the mapping from there on",
         [](Writer& w) {
             noPen(w);
             solidBrush(w, kRed);
             w.rectangle({0, 0, 50, 100});
             w.setWindowExt(200, 100);  // the frame now spans 200 units across
             w.setWindowOrg(-100, 0);
             solidBrush(w, kBlue);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.25, 0.5, kRed}, {0.75, 0.5, kBlue}}},
        {"A window of no width is refused and the frame stays",
         [](Writer& w) {
             noPen(w);
             w.setWindowExt(0, 100);
             solidBrush(w, kRed);
             w.rectangle({0, 0, 50, 100});
         },
         {{0.25, 0.5, kRed}, {0.75, 0.5, kWhite}}},
        {"SetMapMode does not stop the frame from stretching",
         [](Writer& w) {
             w.setMapMode(MM_TWIPS);
             noPen(w);
             solidBrush(w, kGreen);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.02, 0.02, kGreen}, {0.5, 0.5, kGreen}, {0.98, 0.98, kGreen}}},
        {"Records the player does not know are skipped by their size",
         [](Writer& w) {
             const std::uint16_t rop[] = {13};
             w.record(Function::SetRop2, rop);
             const std::uint16_t unknown[] = {0xFFFF, 0x0418, 3, 0};
             w.record(0x0999, unknown);
             noPen(w);
             solidBrush(w, kRed);
             w.rectangle({0, 0, 100, 100});
         },
         {{0.5, 0.5, kRed}}},
        {"A pen far wider than the picture covers it",
         [](Writer& w) {
             pen(w, 32767, kBlue);
             w.moveTo(50, 50);
             w.lineTo(50, 51);
         },
         {{0.02, 0.02, kBlue}, {0.98, 0.98, kBlue}}},
    };
    return cases;
}

QImage play(const Writer& w, QSize size) {
    const std::optional<Metafile> metafile = parseMetafile(w.file(Placeable{{0, 0, 100, 100}, 1440}));
    EXPECT_TRUE(metafile && metafile->complete);
    return metafile ? renderMetafile(*metafile, size) : QImage();
}

TEST(WmfRecords, EachRecordKindDrawsWhatItSays) {
    for (const RecordCase& c : recordCases()) {
        Writer w;
        c.draw(w);
        for (const QSize size : {QSize(100, 100), QSize(250, 180)}) {
            const QImage image = play(w, size);
            ASSERT_FALSE(image.isNull()) << c.name;
            for (const Probe& p : c.probes) {
                const QPoint at(int(p.x * size.width()), int(p.y * size.height()));
                EXPECT_EQ(image.pixel(at), qrgb(p.colour)) << c.name << " at " << at.x() << "," << at.y()
                                                           << " of " << size.width() << "x" << size.height();
            }
        }
    }
}

// Hatches show the brush colour, and between them the background colour when the
// background mode is opaque, the paper when it is transparent.
TEST(WmfRecords, HatchedBrushesShowTheBackgroundOnlyWhenOpaque) {
    for (const std::uint16_t mode : {OPAQUE, TRANSPARENT}) {
        Writer w;
        noPen(w);
        w.setBkMode(mode);
        w.setBkColor(kYellow);
        w.selectObject(w.createBrush(BS_HATCHED, kBlue, HS_CROSS));
        w.rectangle({0, 0, 100, 100});
        const QImage image = play(w, {120, 120});
        int blue = 0, yellow = 0, white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                blue += p == qrgb(kBlue);
                yellow += p == qrgb(kYellow);
                white += p == qrgb(kWhite);
            }
        EXPECT_GT(blue, 120 * 4) << mode;
        EXPECT_EQ(yellow > 0, mode == OPAQUE);
        EXPECT_EQ(white > 0, mode == TRANSPARENT);
    }
}

// Dashed thin pens leave gaps along the line; solid ones none.
TEST(WmfRecords, DashedPensLeaveGaps) {
    for (const std::uint16_t style : {PS_SOLID, PS_DASH, PS_DOT}) {
        Writer w;
        w.setBkMode(TRANSPARENT);
        w.selectObject(w.createPen(style, 0, kRed));
        w.moveTo(0, 50);
        w.lineTo(100, 50);
        const QImage image = play(w, {200, 200});
        int gaps = 0;
        for (int x = 10; x < 190; ++x) gaps += image.pixel(x, 100) == qrgb(kWhite);
        EXPECT_EQ(gaps > 0, style != PS_SOLID) << style;
    }
}

}  // namespace
