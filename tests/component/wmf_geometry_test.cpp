// The metafile player on drawings whose geometry is known: the right colours at the right
// pixels, whatever the size the picture is shown at.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "assets/wmf_writer.h"
#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"

namespace {

using namespace tarvek::wmf;

constexpr std::uint32_t kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255),
                        kYellow = rgb(255, 255, 0), kBlack = rgb(0, 0, 0);

QRgb qrgb(std::uint32_t colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// The pixel at a fraction of the image's width and height.
QRgb pixelAt(const QImage& image, double fx, double fy) {
    return image.pixel(std::min(image.width() - 1, int(fx * image.width())),
                       std::min(image.height() - 1, int(fy * image.height())));
}

QImage play(const QByteArray& file, QSize size) {
    const std::optional<Metafile> metafile = parseMetafile(file);
    EXPECT_TRUE(metafile.has_value());
    return metafile ? renderMetafile(*metafile, size) : QImage();
}

void fillRect(Writer& w, LogicalRect r, std::uint32_t colour) {
    const int brush = w.createBrush(BS_SOLID, colour);
    w.selectObject(brush);
    w.rectangle(r);
    w.deleteObject(brush);
}

const QSize kSizes[] = {{1, 1}, {7, 3}, {33, 17}, {64, 256}, {276, 272}, {300, 300}, {552, 544}, {1000, 10}};

TEST(WmfGeometry, ASolidRectangleCoversTheWholeFrameAtEverySize) {
    // Once with a placeable frame, once with the window as the only frame.
    for (const bool placeable : {true, false}) {
        Writer w;
        if (!placeable) {
            w.setWindowOrg(0, 0);
            w.setWindowExt(1000, 1000);
        }
        w.selectObject(w.createPen(PS_NULL, 0, 0));
        fillRect(w, {0, 0, 1000, 1000}, kRed);
        const std::optional<Placeable> frame =
            placeable ? std::optional(Placeable{{0, 0, 1000, 1000}, 1440}) : std::nullopt;
        for (const QSize size : kSizes) {
            const QImage image = play(w.file(frame), size);
            ASSERT_EQ(image.size(), size);
            int wrong = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) wrong += image.pixel(x, y) != qrgb(kRed);
            EXPECT_EQ(wrong, 0) << size.width() << "x" << size.height()
                                << (placeable ? " placeable" : " plain");
        }
    }
}

// Four quadrants of a 2:1 frame whose origin is not at zero, stretched to squares, tall and
// wide images; a frame with a negative height turns the drawing upside down, as GDI does.
TEST(WmfGeometry, QuadrantsOfAWideFrameWithAnOffsetOriginLandInTheirCorners) {
    struct Case {
        const char* name;
        bool placeable;
        bool flipped;
    };
    const Case cases[] = {
        {"placeable", true, false}, {"window", false, false}, {"flipped window", false, true}};
    for (const Case& c : cases) {
        Writer w;
        if (!c.placeable) {
            w.setWindowOrg(-200, c.flipped ? 300 : 100);
            w.setWindowExt(400, c.flipped ? -200 : 200);
        }
        w.selectObject(w.createPen(PS_NULL, 0, 0));
        fillRect(w, {-200, 100, 0, 200}, kRed);
        fillRect(w, {0, 100, 200, 200}, kGreen);
        fillRect(w, {-200, 200, 0, 300}, kBlue);
        fillRect(w, {0, 200, 200, 300}, kYellow);
        const std::optional<Placeable> frame =
            c.placeable ? std::optional(Placeable{{-200, 100, 200, 300}, 576}) : std::nullopt;
        const std::uint32_t top[2] = {c.flipped ? kBlue : kRed, c.flipped ? kYellow : kGreen};
        const std::uint32_t bottom[2] = {c.flipped ? kRed : kBlue, c.flipped ? kGreen : kYellow};
        for (const QSize size :
             {QSize(100, 100), QSize(300, 150), QSize(64, 256), QSize(33, 17), QSize(552, 544)}) {
            const QImage image = play(w.file(frame), size);
            SCOPED_TRACE(testing::Message() << c.name << " " << size.width() << "x" << size.height());
            for (const double f : {0.02, 0.25, 0.45}) {
                EXPECT_EQ(pixelAt(image, f, f), qrgb(top[0]));
                EXPECT_EQ(pixelAt(image, 1 - f, f), qrgb(top[1]));
                EXPECT_EQ(pixelAt(image, f, 1 - f), qrgb(bottom[0]));
                EXPECT_EQ(pixelAt(image, 1 - f, 1 - f), qrgb(bottom[1]));
            }
        }
    }
}

TEST(WmfGeometry, ACentredSquareStaysCentredAndFillsTheMiddleThird) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    fillRect(w, {300, 300, 600, 600}, kBlack);
    const QByteArray file = w.file(Placeable{{0, 0, 900, 900}, 1440});
    for (const QSize size :
         {QSize(30, 30), QSize(90, 90), QSize(300, 300), QSize(551, 277), QSize(276, 272)}) {
        const QImage image = play(file, size);
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        EXPECT_EQ(pixelAt(image, 0.5, 0.5), qrgb(kBlack));
        for (const double inside : {0.36, 0.64}) {
            EXPECT_EQ(pixelAt(image, inside, 0.5), qrgb(kBlack));
            EXPECT_EQ(pixelAt(image, 0.5, inside), qrgb(kBlack));
        }
        for (const double outside : {0.05, 0.3, 0.7, 0.95}) {
            EXPECT_EQ(pixelAt(image, outside, 0.5), qRgb(255, 255, 255));
            EXPECT_EQ(pixelAt(image, 0.5, outside), qRgb(255, 255, 255));
        }
        // The square's edges sit at a third and two thirds, to the pixel.
        const int left = size.width() / 3, right = 2 * size.width() / 3;
        EXPECT_EQ(image.pixel(left - 1, size.height() / 2), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(left + 1, size.height() / 2), qrgb(kBlack));
        EXPECT_EQ(image.pixel(right - 1, size.height() / 2), qrgb(kBlack));
        EXPECT_EQ(image.pixel(right + 1, size.height() / 2), qRgb(255, 255, 255));
    }
}

TEST(WmfGeometry, AFileThatSetsItsWindowOnlyFromItsDrawingIsFramedByWhatItDraws) {
    Writer w;  // no placeable header and no window: the drawing is its own frame
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    fillRect(w, {50, 50, 150, 100}, kRed);
    fillRect(w, {150, 100, 250, 150}, kBlue);
    const QImage image = play(w.file(), {200, 200});
    EXPECT_EQ(pixelAt(image, 0.25, 0.25), qrgb(kRed));
    EXPECT_EQ(pixelAt(image, 0.75, 0.75), qrgb(kBlue));
    EXPECT_EQ(pixelAt(image, 0.75, 0.25), qRgb(255, 255, 255));
}

}  // namespace
