// Reading metafiles: headers that are refused, damaged records that end the drawing while
// keeping what came before, limits on hostile files, and text in Windows-1252.
#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>
#include <functional>
#include <optional>
#include <vector>

#include "assets/wmf_writer.h"
#include "pictures/windows_1252.h"
#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"

namespace {

using namespace tarvek::wmf;

constexpr std::uint32_t kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255);
const Placeable kFrame{{0, 0, 100, 100}, 1440};
constexpr std::uint16_t kMarker = 0x0999;  // an unknown record whose size a test damages

QRgb qrgb(std::uint32_t colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

void fill(Writer& w, LogicalRect r, std::uint32_t colour) {
    w.selectObject(w.createBrush(BS_SOLID, colour));
    w.rectangle(r);
}

// Red on the left, then the damage, then blue on the right.
QByteArray leftRightAround(const std::function<void(Writer&)>& damage) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    fill(w, {0, 0, 50, 100}, kRed);
    damage(w);
    fill(w, {50, 0, 100, 100}, kBlue);
    return w.file(kFrame);
}

void patchMarkerSize(QByteArray& file, std::uint32_t size) {
    const QByteArray marker("\x99\x09\xAD\xDE", 4);  // function, then its one word 0xDEAD
    const qsizetype at = file.indexOf(marker);
    ASSERT_GT(at, 4);
    qToLittleEndian<quint32>(size, file.data() + at - 4);
}

TEST(WmfReader, RefusesWhatIsNotASoundMetafile) {
    Writer w;
    w.rectangle({0, 0, 10, 10});
    const QByteArray placeable = w.file(kFrame), plain = w.file();
    const auto patched = [](QByteArray bytes, int offset, quint16 value) {
        qToLittleEndian<quint16>(value, bytes.data() + offset);
        return bytes;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        bool accepted;
    };
    const Case cases[] = {
        {"placeable", placeable, true},
        {"plain", plain, true},
        {"empty", QByteArray(), false},
        {"shorter than a header", plain.left(17), false},
        {"placeable header cut short", placeable.left(21), false},
        {"placeable checksum wrong",
         patched(placeable, 20, qFromLittleEndian<quint16>(placeable.constData() + 20) ^ 1), false},
        {"frame changed after its checksum", patched(placeable, 10, 90), false},
        {"frame of no width", w.file(Placeable{{10, 0, 10, 100}, 1440}), false},
        {"frame of no height", w.file(Placeable{{0, 5, 100, 5}, 1440}), false},
        {"type other than memory or disk", patched(plain, 0, 3), false},
        {"header size not nine words", patched(plain, 2, 8), false},
        {"unknown version", patched(plain, 4, 0x0200), false},
        {"version 1", patched(plain, 4, 0x0100), true},
        {"disk metafile", patched(plain, 0, 2), true},
        {"header only, no records", plain.left(18), true},
    };
    for (const Case& c : cases) EXPECT_EQ(parseMetafile(c.bytes).has_value(), c.accepted) << c.name;
}

TEST(WmfReader, ADamagedRecordEndsTheDrawingAndKeepsWhatCameBefore) {
    const std::uint16_t marker[] = {0xDEAD};
    struct Case {
        const char* name;
        std::function<void(Writer&)> damage;
        std::optional<std::uint32_t> markerSize =
            std::nullopt;  // a record size field to write over the marker's
    };
    const Case cases[] = {
        {"polygon counting more points than it holds",
         [](Writer& w) {
             w.record(Function::Polygon, std::vector<std::uint16_t>{1000, 1, 2, 3, 4});
         }},
        {"polyline with a negative count",
         [](Writer& w) {
             w.record(Function::Polyline, std::vector<std::uint16_t>{0x8000, 1, 2});
         }},
        {"polypolygon whose counts outrun the record",
         [](Writer& w) {
             w.record(Function::PolyPolygon, std::vector<std::uint16_t>{2, 3, 0xFFFF, 0, 0, 1, 1});
         }},
        {"polypolygon with more polygons than counts",
         [](Writer& w) {
             w.record(Function::PolyPolygon, std::vector<std::uint16_t>{500, 3});
         }},
        {"text longer than its record",
         [](Writer& w) {
             w.record(Function::TextOut, std::vector<std::uint16_t>{40, 0x4141, 10, 10});
         }},
        {"text with a negative length",
         [](Writer& w) {
             w.record(Function::TextOut, std::vector<std::uint16_t>{0xFFFE, 10, 10});
         }},
        {"clipped text without its rectangle",
         [](Writer& w) {
             w.record(Function::ExtTextOut, std::vector<std::uint16_t>{10, 10, 0, ETO_CLIPPED});
         }},
        {"rectangle one word short",
         [](Writer& w) {
             w.record(Function::Rectangle, std::vector<std::uint16_t>{10, 10, 0});
         }},
        {"arc one word short",
         [](Writer& w) {
             w.record(Function::Arc, std::vector<std::uint16_t>{1, 2, 3, 4, 5, 6, 7});
         }},
        {"pen two words short",
         [](Writer& w) {
             w.record(Function::CreatePenIndirect, std::vector<std::uint16_t>{0, 1, 0});
         }},
        {"font without its fixed part",
         [](Writer& w) {
             w.record(Function::CreateFontIndirect, std::vector<std::uint16_t>{12, 0, 0});
         }},
        {"selecting an object beyond the table", [](Writer& w) { w.selectObject(300); }},
        {"deleting an object beyond the table", [](Writer& w) { w.deleteObject(0xFFFF); }},
        {"window origin without its words", [](Writer& w) { w.record(Function::SetWindowOrg, {}); }},
        {"record of no size", [&](Writer& w) { w.record(kMarker, marker); }, 0},
        {"record shorter than its own header", [&](Writer& w) { w.record(kMarker, marker); }, 2},
        {"record running past the end of the file", [&](Writer& w) { w.record(kMarker, marker); },
         0x40000000},
        {"record size with the top bit set", [&](Writer& w) { w.record(kMarker, marker); }, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        QByteArray file = leftRightAround(c.damage);
        if (c.markerSize) patchMarkerSize(file, *c.markerSize);
        const std::optional<Metafile> metafile = parseMetafile(file);
        ASSERT_TRUE(metafile.has_value()) << c.name;
        EXPECT_FALSE(metafile->complete) << c.name;
        const QImage image = renderMetafile(*metafile, {100, 100});
        EXPECT_EQ(image.pixel(25, 50), qrgb(kRed)) << c.name;
        EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255)) << c.name;
    }
}

TEST(WmfReader, RecordsAfterTheEndOfFileAreNotDrawn) {
    const QByteArray drawing = leftRightAround([](Writer&) {});
    Writer more;
    fill(more, {0, 0, 100, 100}, kBlue);
    const QByteArray trailing = more.file().mid(18);  // records without a header
    const std::optional<Metafile> metafile = parseMetafile(drawing + trailing);
    ASSERT_TRUE(metafile.has_value());
    EXPECT_TRUE(metafile->complete);
    const QImage image = renderMetafile(*metafile, {100, 100});
    EXPECT_EQ(image.pixel(25, 50), qrgb(kRed));
    EXPECT_EQ(image.pixel(75, 50), qrgb(kBlue));
}

TEST(WmfReader, AFileCutShortKeepsItsWholeRecords) {
    const QByteArray whole = leftRightAround([](Writer&) {});
    const std::optional<Metafile> cut =
        parseMetafile(whole.left(whole.size() - 10));  // into the blue rectangle
    ASSERT_TRUE(cut.has_value());
    EXPECT_FALSE(cut->complete);
    const QImage image = renderMetafile(*cut, {100, 100});
    EXPECT_EQ(image.pixel(25, 50), qrgb(kRed));
    EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255));
}

TEST(WmfReader, CreatingMoreObjectsThanTheHeaderAllowsIsDamage) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));  // slot 0
    fill(w, {0, 0, 50, 100}, kRed);              // slot 1
    fill(w, {50, 0, 100, 100}, kBlue);           // slot 2: one too many below
    QByteArray file = w.file(kFrame);
    qToLittleEndian<quint16>(2, file.data() + kPlaceableHeaderBytes + 10);
    const std::optional<Metafile> metafile = parseMetafile(file);
    ASSERT_TRUE(metafile.has_value());
    EXPECT_FALSE(metafile->complete);
    const QImage image = renderMetafile(*metafile, {100, 100});
    EXPECT_EQ(image.pixel(25, 50), qrgb(kRed));
    EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255));
}

TEST(WmfReader, SelectingADeletedObjectKeepsTheSelectionBefore) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    const int red = w.createBrush(BS_SOLID, kRed);
    const int blue = w.createBrush(BS_SOLID, kBlue);
    w.selectObject(red);
    w.deleteObject(blue);
    w.selectObject(blue);
    w.rectangle({0, 0, 100, 100});
    const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
    ASSERT_TRUE(metafile && metafile->complete);
    EXPECT_EQ(renderMetafile(*metafile, {40, 40}).pixel(20, 20), qrgb(kRed));
}

TEST(WmfReader, SavingStatesWithoutEndIsDamage) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    fill(w, {0, 0, 50, 100}, kRed);
    for (int i = 0; i <= kMaxSavedStates; ++i) w.saveDC();
    fill(w, {50, 0, 100, 100}, kBlue);
    const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
    ASSERT_TRUE(metafile.has_value());
    EXPECT_FALSE(metafile->complete);
    EXPECT_EQ(renderMetafile(*metafile, {100, 100}).pixel(75, 50), qRgb(255, 255, 255));
}

// The budget stops a polygon whose outline would cover the picture thousands of times,
// but draws one with as many points whose outline is short.
TEST(WmfReader, TheWorkBudgetStopsOutlinesTooLongToDrawButNotManyShortEdges) {
    std::vector<QPoint> zigzag, circle;
    for (int i = 0; i < 32767; ++i) {
        zigzag.emplace_back(i % 2 ? 100 : 0, (i / 2) % 100);
        const double a = 2 * 3.14159265358979 * i / 32767;
        circle.emplace_back(50 + int(std::lround(40 * std::cos(a))), 50 + int(std::lround(40 * std::sin(a))));
    }
    for (const bool hostile : {true, false}) {
        Writer w;
        w.selectObject(w.createPen(PS_NULL, 0, 0));
        fill(w, {0, 0, 10, 10}, kRed);
        w.selectObject(w.createBrush(BS_SOLID, kBlue));
        w.polygon(hostile ? zigzag : circle);
        const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
        ASSERT_TRUE(metafile && metafile->complete);
        const Playback played = playMetafile(*metafile, {300, 300});
        EXPECT_EQ(played.budgetSpent, hostile);
        EXPECT_EQ(played.image.pixel(5, 5), qrgb(kRed));
        EXPECT_EQ(played.image.pixel(150, 150) == qrgb(kBlue), !hostile);
    }
}

TEST(WmfReader, TheWorkBudgetStopsEndlessTinyDrawings) {
    Writer w;
    for (int i = 0; i < 150'000; ++i) w.lineTo(std::int16_t(i % 100), std::int16_t(i % 100));
    const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
    ASSERT_TRUE(metafile && metafile->complete);
    const Playback played = playMetafile(*metafile, {100, 100});
    EXPECT_TRUE(played.budgetSpent);
    EXPECT_GE(played.commandsPlayed, 50'000u);
    EXPECT_LT(played.commandsPlayed, 150'000u);
}

TEST(WmfReader, TextIsReadAsWindows1252) {
    const QByteArray bytes("\x80 \x93quoted\x94 \x96 \xC4\xE9 \x81", 17);
    const QString expected = QString::fromUtf8("\u20AC \u201Cquoted\u201D \u2013 \u00C4\u00E9 \u0081");
    EXPECT_EQ(tarvek::fromWindows1252(bytes.constData(), bytes.size()), expected);
    EXPECT_EQ(tarvek::toWindows1252(expected), bytes);
    EXPECT_EQ(tarvek::toWindows1252(QString::fromUtf8("\u4E2D\u0394")), QByteArray("??"));

    Writer w;
    const std::int16_t advances[] = {7, 8, 9};
    w.textOut(10, 20, expected);
    w.extTextOut(30, 40, ETO_OPAQUE, LogicalRect{1, 2, 3, 4}, QStringLiteral("odd"), advances);
    const std::optional<Metafile> metafile = parseMetafile(w.file(kFrame));
    ASSERT_TRUE(metafile && metafile->complete);
    ASSERT_EQ(metafile->texts.size(), 2u);
    EXPECT_EQ(metafile->texts[0].text, expected);
    EXPECT_EQ(metafile->texts[0].at.x, 10);
    EXPECT_EQ(metafile->texts[0].at.y, 20);
    const TextRun& ext = metafile->texts[1];
    EXPECT_EQ(ext.text, QStringLiteral("odd"));
    EXPECT_EQ(ext.at.x, 30);
    EXPECT_EQ(ext.at.y, 40);
    ASSERT_TRUE(ext.rect.has_value());
    EXPECT_EQ(ext.rect->left, 1);
    EXPECT_EQ(ext.rect->bottom, 4);
    EXPECT_EQ(ext.advances, std::vector<std::int16_t>({7, 8, 9}));
}

}  // namespace
