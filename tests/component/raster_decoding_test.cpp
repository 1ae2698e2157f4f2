// Raster pictures: the JPEG frame header read without decoding, and the decoding budget,
// which takes camera photos shown small and refuses what would decode into far more.
#include "pictures/raster_decoding.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <optional>
#include <string>
#include <vector>

#include "pictures/jpeg_frame.h"
#include "tests/support/camera_photo.h"

namespace {

using tarvek::testing::cameraPhoto;
using tarvek::testing::withClaimedSize;

std::optional<tarvek::JpegFrame> frameOf(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(0);
    const std::optional<tarvek::JpegFrame> frame = tarvek::readJpegFrame(buffer);
    EXPECT_EQ(buffer.pos(), 0) << "the reader that comes after starts where this one did";
    return frame;
}

// A photo with a long comment before its frame header, as cameras put their metadata there.
QByteArray withLongComment(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setText(QStringLiteral("Description"), QString(60000, QLatin1Char('x')));
    writer.write(image);
    return bytes;
}

TEST(JpegFrame, ReadsSizeAndKindWithoutDecoding) {
    struct Case {
        std::string what;
        QByteArray bytes;
        int width, height;
        bool progressive;
    };
    const std::vector<Case> cases = {
        {"baseline", cameraPhoto({640, 480}), 640, 480, false},
        {"progressive", cameraPhoto({640, 480}, true), 640, 480, true},
        {"after a 60 kB comment", withLongComment({300, 200}), 300, 200, false},
        {"claiming 20000 x 20000", withClaimedSize(cameraPhoto({64, 64}), {20000, 20000}), 20000, 20000,
         false},
    };
    for (const Case& c : cases) {
        const std::optional<tarvek::JpegFrame> frame = frameOf(c.bytes);
        ASSERT_TRUE(frame) << c.what;
        EXPECT_EQ(frame->width, c.width) << c.what;
        EXPECT_EQ(frame->height, c.height) << c.what;
        EXPECT_EQ(frame->progressive, c.progressive) << c.what;
    }
}

TEST(JpegFrame, NoneForWhatHasNoFrameHeader) {
    const QByteArray photo = cameraPhoto({64, 64});
    const qsizetype frameAt = photo.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frameAt, 0);
    QByteArray noLength = photo.left(frameAt);
    noLength += QByteArray("\xFF\xE1\x00\x01", 4);  // a segment shorter than its own length field
    const std::vector<std::pair<std::string, QByteArray>> cases = {
        {"nothing", QByteArray()},
        {"text", QByteArray("not a picture")},
        {"a GIF", QByteArray("GIF89a\x40\x00\x40\x00", 10)},
        {"the start marker alone", QByteArray("\xFF\xD8", 2)},
        {"cut before the frame header", photo.left(frameAt)},
        {"cut inside the frame header", photo.left(frameAt + 6)},
        {"a segment of impossible length", noLength},
        {"scan data before any frame", QByteArray("\xFF\xD8\xFF\xDA\x00\x02", 6)},
        {"a frame of no width", withClaimedSize(photo, {0, 64})},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(frameOf(bytes)) << what;
}

QImage decoded(QByteArray bytes, QSize shownAt) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return tarvek::decodeRaster(buffer, shownAt);
}

TEST(RasterDecoding, TakesPhotosShownSmallAndRefusesWhatWouldDecodeIntoFarMore) {
    const QSize shown(276, 272);
    const QByteArray photo100 = cameraPhoto({12000, 8400});
    const QByteArray photo24 = cameraPhoto({6000, 4000});
    const QByteArray photo9 = cameraPhoto({3000, 3000});
    const QByteArray progressive24 = cameraPhoto({6000, 4000}, true);
    struct Case {
        std::string what;
        const QByteArray& bytes;
        QSize shownAt;
        bool shows;
    };
    const QByteArray hugeHeader = withClaimedSize(cameraPhoto({64, 64}), {20000, 20000});
    const QByteArray hugeProgressiveHeader = withClaimedSize(cameraPhoto({64, 64}, true), {8000, 8000});
    const std::vector<Case> cases = {
        {"a 100-megapixel photo shown small", photo100, shown, true},
        {"a 24-megapixel photo shown small", photo24, shown, true},
        {"the same photo at its own size", photo24, QSize(), false},
        {"a 9-megapixel photo shown small", photo9, shown, true},
        {"a 24-megapixel progressive photo shown small, from its DC scans", progressive24, shown, true},
        {"the same photo at its own size, held whole while it decodes", progressive24, QSize(), false},
        {"a header claiming 20000 x 20000", hugeHeader, shown, false},
        {"a progressive header claiming 8000 x 8000", hugeProgressiveHeader, shown, false},
    };
    for (const Case& c : cases) {
        const QImage image = decoded(c.bytes, c.shownAt);
        EXPECT_EQ(!image.isNull(), c.shows) << c.what;
        if (image.isNull() || !c.shownAt.isValid()) continue;
        EXPECT_EQ(image.size(), c.shownAt) << c.what;  // decoded at the size it is shown at
        EXPECT_GT(qRed(image.pixel(10, shown.height() / 2)), 200) << c.what;
        EXPECT_GT(qBlue(image.pixel(shown.width() - 10, shown.height() / 2)), 200) << c.what;
    }
}

}  // namespace
