// Text in metafiles: it appears, in its colour and font, placed by the text alignment, clipped
// and backed as ExtTextOut asks. Played here because text needs the application's fonts.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "assets/wmf_writer.h"
#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"

namespace {

using namespace tarvek::wmf;

const Placeable kFrame{{0, 0, 1000, 1000}, 1440};
constexpr std::uint32_t kRed = rgb(255, 0, 0), kYellow = rgb(255, 255, 0);

QImage play(const Writer& w, QSize size = {300, 300}) {
    const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
    EXPECT_TRUE(metafile && metafile->complete);
    return metafile ? renderMetafile(*metafile, size) : QImage();
}

// The box round every pixel that is not paper white; empty when nothing is drawn.
QRect ink(const QImage& image, QRgb paper = qRgb(255, 255, 255)) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != paper) box |= QRect(x, y, 1, 1);
    return box;
}

int pixelsLike(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

Writer withFont(std::int16_t height, std::int16_t escapement = 0) {
    Writer w;
    FontSpec font;
    font.height = height;
    font.escapement = escapement;
    font.weight = FW_BOLD;
    w.selectObject(w.createFont(font));
    return w;
}

TEST(WmfText, TextOutDrawsInTheTextColourWhereItIsPlaced) {
    Writer w = withFont(-100);
    w.setBkMode(TRANSPARENT);
    w.setTextColor(kRed);
    w.textOut(100, 400, QStringLiteral("Porting 2A"));
    const QImage image = play(w);
    const QRect box = ink(image);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(pixelsLike(image, qRgb(255, 0, 0)), 100);  // solid strokes in the text colour
    // Top-left alignment: the text hangs below and to the right of its point (30, 120).
    EXPECT_NEAR(box.left(), 30, 6);
    EXPECT_GE(box.top(), 118);
    EXPECT_LE(box.top(), 130);
    EXPECT_NEAR(box.height(), 30, 10);  // a character height of 100 of 1000 units on 300 pixels
}

TEST(WmfText, TextAlignmentMovesTheTextAroundItsPoint) {
    struct Case {
        std::uint16_t align;
        int left, right;  // where the ink may lie across, in pixels, around x = 150
        int top, bottom;  // and up and down, around y = 150
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP, 148, 300, 148, 300},      {TA_RIGHT | TA_TOP, 0, 152, 148, 300},
        {TA_CENTER | TA_TOP, 60, 240, 148, 300},     {TA_LEFT | TA_BOTTOM, 148, 300, 0, 152},
        {TA_LEFT | TA_BASELINE, 148, 300, 100, 160},  // only the descender's depth below
    };
    for (const Case& c : cases) {
        Writer w = withFont(-100);
        w.setBkMode(TRANSPARENT);
        w.setTextAlign(c.align);
        w.textOut(500, 500, QStringLiteral("Tag"));
        const QRect box = ink(play(w));
        ASSERT_FALSE(box.isEmpty()) << c.align;
        EXPECT_GE(box.left(), c.left) << c.align;
        EXPECT_LE(box.right(), c.right) << c.align;
        EXPECT_GE(box.top(), c.top) << c.align;
        EXPECT_LE(box.bottom(), c.bottom) << c.align;
    }
    // Centred text straddles its point.
    Writer w = withFont(-100);
    w.setTextAlign(TA_CENTER);
    w.textOut(500, 500, QStringLiteral("Centre"));
    const QRect box = ink(play(w));
    EXPECT_LT(box.left(), 140);
    EXPECT_GT(box.right(), 160);
}

TEST(WmfText, UpdateCurrentPositionSetsTextAfterText) {
    Writer w = withFont(-100);
    w.setTextAlign(TA_UPDATECP);
    w.moveTo(50, 500);
    w.textOut(0, 0, QStringLiteral("AB"));
    w.setTextColor(kRed);
    w.textOut(0, 0, QStringLiteral("CD"));
    const QImage image = play(w);
    const QRect all = ink(image);
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80) red |= QRect(x, y, 1, 1);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_NEAR(all.left(), 15, 6);          // the first word starts at the current position
    EXPECT_GT(red.left(), all.left() + 30);  // the second follows it
    EXPECT_NEAR(red.top(), all.top(), 3);
}

TEST(WmfText, BiggerFontsDrawTallerText) {
    int previous = 0;
    for (const std::int16_t height : {-40, -80, -160, -320}) {
        Writer w = withFont(height);
        w.textOut(20, 20, QStringLiteral("H"));
        const int inkHeight = ink(play(w)).height();
        EXPECT_GT(inkHeight, previous) << height;
        EXPECT_NEAR(inkHeight, -height * 0.3 * 0.72, -height * 0.3 * 0.2) << height;  // a capital's height
        previous = inkHeight;
    }
}

TEST(WmfText, EscapementTurnsTheText) {
    Writer across = withFont(-80), upwards = withFont(-80, 900);
    for (Writer* w : {&across, &upwards}) w->textOut(500, 900, QStringLiteral("Position"));
    const QRect flat = ink(play(across)), turned = ink(play(upwards));
    EXPECT_GT(flat.width(), 2 * flat.height());
    EXPECT_GT(turned.height(), 2 * turned.width());
    EXPECT_LT(turned.top(), 250);  // read bottom to top, it rises from its point
}

TEST(WmfText, ExtTextOutFillsAndClipsItsRectangle) {
    // Opaque: the rectangle is filled with the background colour, whatever the mode.
    Writer opaque = withFont(-100);
    opaque.setBkMode(TRANSPARENT);
    opaque.setBkColor(kYellow);
    opaque.extTextOut(100, 100, ETO_OPAQUE, LogicalRect{0, 0, 500, 500}, QStringLiteral("Hi"));
    const QImage filled = play(opaque);
    EXPECT_EQ(filled.pixel(140, 140), qRgb(255, 255, 0));
    EXPECT_EQ(filled.pixel(160, 160), qRgb(255, 255, 255));

    // Clipped: nothing of the text outside the rectangle.
    Writer clipped = withFont(-300);
    clipped.extTextOut(0, 0, ETO_CLIPPED, LogicalRect{0, 0, 150, 1000}, QStringLiteral("WWWW"));
    const QRect box = ink(play(clipped));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.right(), 46);

    // Advances place each character: wide advances spread the text out.
    Writer tight = withFont(-100), spread = withFont(-100);
    const std::int16_t narrow[] = {40, 40, 40}, wide[] = {250, 250, 250};
    tight.extTextOut(50, 50, 0, std::nullopt, QStringLiteral("iii"), narrow);
    spread.extTextOut(50, 50, 0, std::nullopt, QStringLiteral("iii"), wide);
    EXPECT_GT(ink(play(spread)).width(), ink(play(tight)).width() + 100);
}

TEST(WmfText, OpaqueBackgroundBacksTheText) {
    for (const std::uint16_t mode : {OPAQUE, TRANSPARENT}) {
        Writer w = withFont(-100);
        w.setBkMode(mode);
        w.setBkColor(kYellow);
        w.textOut(100, 100, QStringLiteral("Seat"));
        EXPECT_EQ(pixelsLike(play(w), qRgb(255, 255, 0)) > 200, mode == OPAQUE) << mode;
    }
}

TEST(WmfText, Windows1252CharactersAndTheStockFontAreDrawn) {
    Writer w;  // no font selected: the stock font
    w.textOut(100, 100, QString::fromUtf8("\u20AC \u2013 \u00C4"));
    EXPECT_FALSE(ink(play(w)).isEmpty());
}

}  // namespace
