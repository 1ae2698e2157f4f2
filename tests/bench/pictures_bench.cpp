// Pictures: loading and scaling one of each kind as a click does (target under 2 ms for a
// JPEG or a drawing at 300 x 300), and the costliest metafiles the player can be given
// (a 32,767-point polygon: target under 100 ms), and a large progressive photo.
#include <benchmark/benchmark.h>

#include <QFile>
#include <cmath>
#include <optional>
#include <vector>

#include "assets/wmf_writer.h"
#include "pictures/picture.h"
#include "pictures/raster_decoding.h"
#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"
#include "tests/support/camera_photo.h"

namespace {

using namespace tarvek::wmf;

constexpr QSize kTarget(300, 300);

// Read from the runtime folder, as the window reads them; a click loads and draws afresh.
void BM_LoadAndScale(benchmark::State& state, const char* fileName) {
    if (!QFile::exists(QString::fromLatin1(fileName))) {
        state.SkipWithError("run from the runtime folder, where the pictures are");
        return;
    }
    for (auto _ : state) {
        const tarvek::Picture picture = tarvek::Picture::fromFile(QString::fromLatin1(fileName), kTarget);
        benchmark::DoNotOptimize(picture.render(kTarget));
    }
}
BENCHMARK_CAPTURE(BM_LoadAndScale, jpeg_valve, "A310-MX2-2A.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadAndScale, gif_lnq, "LNQ.gif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadAndScale, wmf_porting, "4A.wmf")->Unit(benchmark::kMillisecond);

// A 24-megapixel progressive photo, too large to decode whole, shown from its DC scans.
void BM_ProgressivePhotoPreview(benchmark::State& state) {
    QByteArray photo = tarvek::testing::cameraPhoto({6000, 4000}, true);
    for (auto _ : state) {
        QBuffer buffer(&photo);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(tarvek::decodeRaster(buffer, kTarget));
    }
}
BENCHMARK(BM_ProgressivePhotoPreview)->Unit(benchmark::kMillisecond);

// A drawing is read once and played at each size it is shown at, twice the size on a
// high-density screen.
void BM_PlayPortingDrawing(benchmark::State& state) {
    QFile file(QStringLiteral("4A.wmf"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("run from the runtime folder, where the drawings are");
        return;
    }
    const std::optional<Metafile> metafile = parseMetafile(file.readAll());
    const QSize size(int(state.range(0)), int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(renderMetafile(*metafile, size));
}
BENCHMARK(BM_PlayPortingDrawing)->Arg(276)->Arg(552)->Unit(benchmark::kMillisecond);

QByteArray polygonFile(bool hostile) {
    std::vector<QPoint> points;
    for (int i = 0; i < 32767; ++i) {
        if (hostile) {  // every edge crosses the whole frame
            points.emplace_back(i % 2 ? 32000 : -32000, (i * 7919) % 64000 - 32000);
        } else {  // a fine outline: many points, short edges
            const double a = 2 * M_PI * i / 32767;
            points.emplace_back(int(std::lround(20000 * std::cos(a))), int(std::lround(20000 * std::sin(a))));
        }
    }
    Writer w;
    w.selectObject(w.createBrush(BS_SOLID, rgb(31, 78, 154)));
    w.polygon(points);
    return w.file(Placeable{{-32000, -32000, 32000, 32000}, 1440});
}

// The whole way from bytes to pixels.
void BM_Polygon32767(benchmark::State& state) {
    const QByteArray file = polygonFile(state.range(0) != 0);
    for (auto _ : state) {
        const std::optional<Metafile> metafile = parseMetafile(file);
        benchmark::DoNotOptimize(renderMetafile(*metafile, kTarget));
    }
}
BENCHMARK(BM_Polygon32767)->ArgName("hostile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HugePen(benchmark::State& state) {
    Writer w;
    w.selectObject(w.createPen(PS_SOLID, 32767, rgb(0, 0, 0)));
    for (int i = 0; i < 100; ++i) w.ellipse({-32000, -32000, 32000, 32000});
    const std::optional<Metafile> metafile = parseMetafile(w.file(Placeable{{0, 0, 100, 100}, 1440}));
    for (auto _ : state) benchmark::DoNotOptimize(renderMetafile(*metafile, kTarget));
}
BENCHMARK(BM_HugePen)->Unit(benchmark::kMillisecond);

// Glyphs far taller and wider than the picture, as a fuzzed font record asks for them.
void BM_GiantText(benchmark::State& state) {
    Writer w;
    FontSpec font;
    font.height = 28000;
    font.width = 18000;
    font.face = QStringLiteral("Courier New");
    w.selectObject(w.createFont(font));
    for (int i = 0; i < 8; ++i)
        w.textOut(std::int16_t(100 * i), std::int16_t(100 * i), QStringLiteral("Tarvek quoted"));
    const std::optional<Metafile> metafile = parseMetafile(w.file(Placeable{{0, 0, 1000, 1000}, 1440}));
    for (auto _ : state) benchmark::DoNotOptimize(renderMetafile(*metafile, QSize(276, 272)));
}
BENCHMARK(BM_GiantText)->Unit(benchmark::kMillisecond);

// Endless small records of one kind: the drawing-call budget has to stop each in time.
enum class Tiny { Line, Pie, Text, Rectangle, ClippedState };

void BM_ManyTinyRecords(benchmark::State& state) {
    Writer w;
    const auto kind = Tiny(state.range(0));
    for (int i = 0; i < 300'000; ++i) {
        const auto x = std::int16_t(i % 100), y = std::int16_t((i * 7) % 100);
        switch (kind) {
            case Tiny::Line:
                w.lineTo(x, y);
                break;
            case Tiny::Pie:
                w.pie({x, y, std::int16_t(x + 3), std::int16_t(y + 3)}, {0, 0}, {100, 0});
                break;
            case Tiny::Text:
                w.textOut(x, y, QStringLiteral("x"));
                break;
            case Tiny::Rectangle:
                w.rectangle({x, y, std::int16_t(x + 2), std::int16_t(y + 2)});
                break;
            case Tiny::ClippedState:
                w.saveDC();
                w.intersectClipRect({x, y, 100, 100});
                w.restoreDC(-1);
                break;
        }
    }
    const QByteArray file = w.file(Placeable{{0, 0, 100, 100}, 1440});
    for (auto _ : state) {
        const std::optional<Metafile> metafile = parseMetafile(file);
        benchmark::DoNotOptimize(renderMetafile(*metafile, kTarget));
    }
}
BENCHMARK(BM_ManyTinyRecords)
    ->ArgName("line_pie_text_rect_clip")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

}  // namespace
