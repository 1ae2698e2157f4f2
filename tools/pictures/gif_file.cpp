#include "tools/pictures/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tarvek::art {
namespace {

// Colours are counted in bins of 5 bits a channel; the 256 fullest bins, at their mean
// colour, make the palette, and every pixel takes the nearest of them. No dithering: a
// technical drawing has few colours, and its white stays clean.
constexpr int kBins = 1 << 15;

int binOf(QRgb c) { return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3); }

struct Bin {
    long long red = 0, green = 0, blue = 0, count = 0;
};

std::vector<GifColorType> palette(const QImage& image) {
    std::vector<Bin> bins(kBins);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            Bin& b = bins[std::size_t(binOf(line[x]))];
            b.red += qRed(line[x]);
            b.green += qGreen(line[x]);
            b.blue += qBlue(line[x]);
            ++b.count;
        }
    }
    std::vector<int> order(kBins);
    for (int i = 0; i < kBins; ++i) order[std::size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return bins[std::size_t(a)].count > bins[std::size_t(b)].count; });
    std::vector<GifColorType> colours;
    for (int i = 0; i < 256 && bins[std::size_t(order[std::size_t(i)])].count > 0; ++i) {
        const Bin& b = bins[std::size_t(order[std::size_t(i)])];
        colours.push_back(
            {GifByteType(b.red / b.count), GifByteType(b.green / b.count), GifByteType(b.blue / b.count)});
    }
    colours.resize(256, GifColorType{0, 0, 0});
    return colours;
}

int nearest(const std::vector<GifColorType>& colours, QRgb c) {
    int best = 0;
    long best2 = 1L << 40;
    for (int i = 0; i < int(colours.size()); ++i) {
        const long dr = long(colours[std::size_t(i)].Red) - qRed(c),
                   dg = long(colours[std::size_t(i)].Green) - qGreen(c),
                   db = long(colours[std::size_t(i)].Blue) - qBlue(c);
        const long d2 = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d2 < best2) {
            best2 = d2;
            best = i;
        }
    }
    return best;
}

}  // namespace

bool writeGif(const QImage& picture, const QString& path) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return false;
    std::vector<GifColorType> colours = palette(image);
    std::vector<int> lookup(kBins, -1);

    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(256, colours.data()), GifFreeMapObject);
    if (!map) return false;
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) return false;
    EGifSetGifVersion(gif, true);
    bool written = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map.get()) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(std::size_t(image.width()));
    for (int y = 0; written && y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int& index = lookup[std::size_t(binOf(pixels[x]))];
            if (index < 0) index = nearest(colours, pixels[x]);
            line[std::size_t(x)] = GifPixelType(index);
        }
        written = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    return EGifCloseFile(gif, &error) == GIF_OK && written;
}

}  // namespace tarvek::art
