// Progressive JPEGs shown from their DC scans: checked against what Qt's full decoder makes
// of the same files, averaged over each 8 x 8 block, for files libjpeg's own encoder writes
// in each sampling, colour model, restart interval and scan order.
#include "pictures/progressive_jpeg_preview.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/camera_photo.h"

namespace {

// Odd sizes, so that the last blocks and MCUs are padded; gradients, a disc and sharp edges.
QImage scene() {
    QImage image(203, 157, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 255 / 202, y * 255 / 156, 96));
    QPainter painter(&image);
    painter.setBrush(QColor(20, 40, 220));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(120, 70), 45, 45);
    painter.fillRect(10, 100, 60, 40, Qt::white);
    return image;
}

QByteArray bytesOf(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The scene as libjpeg's cjpeg writes it with these options.
QByteArray cjpeg(const QStringList& options, const QString& scanScript = {}) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    EXPECT_FALSE(program.isEmpty()) << "cjpeg is missing (libjpeg-turbo-progs)";
    QTemporaryDir folder;
    QStringList arguments = options;
    if (!scanScript.isEmpty()) {
        QFile script(folder.filePath(QStringLiteral("scans.txt")));
        script.open(QIODevice::WriteOnly);
        script.write(scanScript.toLatin1());
        arguments << QStringLiteral("-scans") << script.fileName();
    }
    QProcess process;
    process.start(program, arguments << QStringLiteral("-quality") << QStringLiteral("92"));
    process.write(bytesOf(scene(), "PPM"));
    process.closeWriteChannel();
    process.waitForFinished();
    return process.readAllStandardOutput();
}

QImage preview(QByteArray bytes, QSize shownAt = {}) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return tarvek::progressiveJpegPreview(buffer, shownAt);
}

// The mean of each 8 x 8 block of the full decode, the last blocks over what they hold.
QImage blockMeans(const QByteArray& jpeg) {
    const QImage full = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
    QImage means((full.width() + 7) / 8, (full.height() + 7) / 8, QImage::Format_RGB32);
    for (int by = 0; by < means.height(); ++by)
        for (int bx = 0; bx < means.width(); ++bx) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int y = by * 8; y < std::min(by * 8 + 8, full.height()); ++y)
                for (int x = bx * 8; x < std::min(bx * 8 + 8, full.width()); ++x, ++n) {
                    const QRgb p = full.pixel(x, y);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            means.setPixel(bx, by, qRgb(r / n, g / n, b / n));
        }
    return means;
}

int luma(QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) / 1000; }

struct Difference {
    double meanLuma = 0, meanColour = 0;
    int mostLuma = 0;
};

Difference difference(const QImage& a, const QImage& b) {
    Difference d;
    long lumaTotal = 0, colourTotal = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            lumaTotal += std::abs(luma(p) - luma(q));
            d.mostLuma = std::max(d.mostLuma, std::abs(luma(p) - luma(q)));
            colourTotal +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    d.meanLuma = double(lumaTotal) / (a.width() * a.height());
    d.meanColour = double(colourTotal) / (3.0 * a.width() * a.height());
    return d;
}

// Every component alone, the luminance coarse first and refined twice, then the AC scans.
const QString kSeparateScans = QStringLiteral(
    "0: 0 0 0 2; 1: 0 0 0 0; 2: 0 0 0 0; 0: 0 0 2 1; 0: 0 0 1 0;"
    "0: 1 63 0 0; 1: 1 63 0 0; 2: 1 63 0 0;");

TEST(ProgressiveJpegPreview, IsTheFullDecodeAveragedOverEachBlock) {
    // Colour held at half the resolution is coarser in the preview too: the disc's edge
    // takes its chroma from 16 pixels around, where the full decode takes it from 8.
    constexpr double kFull = 1.0, kHalved = 8.0;
    struct Case {
        std::string what;
        QStringList options;
        QString scans;
        double colourWithin;
    };
    const std::vector<Case> cases = {
        {"colour, 4:2:0", {"-progressive", "-sample", "2x2"}, {}, kHalved},
        {"colour, 4:2:2", {"-progressive", "-sample", "2x1"}, {}, kHalved},
        {"colour, 4:4:4", {"-progressive", "-sample", "1x1"}, {}, kFull},
        {"grey", {"-progressive", "-grayscale"}, {}, kFull},
        {"RGB, not YCbCr", {"-progressive", "-rgb"}, {}, kFull},
        {"each component in scans of its own, refined twice",
         {"-progressive", "-sample", "2x2"},
         kSeparateScans,
         kHalved},
        {"a restart marker every MCU row", {"-progressive", "-restart", "1"}, {}, kHalved},
        {"a restart marker every 5 MCUs, separate scans",
         {"-progressive", "-restart", "5B"},
         kSeparateScans,
         kHalved},
    };
    for (const Case& c : cases) {
        const QByteArray jpeg = cjpeg(c.options, c.scans);
        const QImage shown = preview(jpeg);
        ASSERT_FALSE(shown.isNull()) << c.what;
        const QImage expected = blockMeans(jpeg);
        ASSERT_EQ(shown.size(), expected.size()) << c.what;
        const Difference d = difference(shown, expected);
        EXPECT_LT(d.meanLuma, 1.0) << c.what;  // the block means, but for rounding and clamping
        EXPECT_LT(d.mostLuma, 16) << c.what;
        EXPECT_LT(d.meanColour, c.colourWithin) << c.what;
    }
}

TEST(ProgressiveJpegPreview, RestartMarkersChangeNothing) {
    for (const QString& scans : {QString(), kSeparateScans}) {
        const QImage plain = preview(cjpeg({"-progressive"}, scans));
        for (const char* interval : {"1", "1B", "7B"})
            EXPECT_EQ(preview(cjpeg({"-progressive", "-restart", interval}, scans)), plain) << interval;
    }
}

TEST(ProgressiveJpegPreview, ShowsWhatItCanAndRefusesTheRest) {
    const QByteArray jpeg = cjpeg({"-progressive"});
    const QImage whole = preview(jpeg);
    const qsizetype firstScan = jpeg.indexOf("\xFF\xDA");
    const QByteArray claimsMore =
        tarvek::testing::withClaimedSize(tarvek::testing::cameraPhoto({64, 64}, true), {8000, 8000});
    struct Case {
        std::string what;
        QByteArray bytes;
        bool shows;
    };
    const std::vector<Case> cases = {
        {"cut short among the AC scans: the DC scans are all there", jpeg.left(jpeg.size() * 3 / 4), true},
        {"cut short in the first DC scan", jpeg.left(firstScan + 40), false},
        {"a restart marker in the first DC scan of a file without restarts",
         jpeg.left(firstScan + 40) + "\xFF\xD0" + jpeg.mid(firstScan + 40), false},
        {"a baseline JPEG", cjpeg({}), false},
        {"arithmetic coding", cjpeg({"-progressive", "-arithmetic"}), false},
        {"a frame header claiming 8000 x 8000 over 64 x 64 of data", claimsMore, false},
        {"not a JPEG", bytesOf(scene(), "PNG"), false},
        {"nothing", QByteArray(), false},
        {"the start of a JPEG alone", QByteArray("\xFF\xD8", 2), false},
    };
    for (const Case& c : cases) {
        const QImage shown = preview(c.bytes);
        EXPECT_EQ(!shown.isNull(), c.shows) << c.what;
        if (c.shows) {
            EXPECT_EQ(shown, whole) << c.what;
        }
    }
}

TEST(ProgressiveJpegPreview, IsScaledToTheSizeItIsShownAt) {
    const QImage shown = preview(cjpeg({"-progressive"}), QSize(13, 11));
    EXPECT_EQ(shown.size(), QSize(13, 11));
}

}  // namespace
