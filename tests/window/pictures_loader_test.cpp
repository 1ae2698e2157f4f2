// The one picture loader in the window: decoding chosen by content, damaged files shown as
// nothing, no stale pictures, the porting drawings in the configurator, and the window's own
// brand picture and icon.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include "assets/wmf_writer.h"
#include "platform/data_folder.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/portings.h"
#include "tests/window/window_driver.h"

namespace {

using namespace tarvek::wmf;

QByteArray filledMetafile(std::uint32_t colour) {
    Writer w;
    w.selectObject(w.createPen(PS_NULL, 0, 0));
    w.selectObject(w.createBrush(BS_SOLID, colour));
    w.rectangle({0, 0, 100, 100});
    return w.file(Placeable{{0, 0, 100, 100}, 1440});
}

QByteArray jpegOf(const QColor& colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pictures in a folder of their own, the data folder and the working directory alike (the
// files are written by bare name).
class PictureFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        shipped = QDir(tarvek::dataFolder());
        working = QDir::currentPath();
        tarvek::setDataFolder(dir.path());
        QDir::setCurrent(dir.path());
    }
    void TearDown() override {
        QDir::setCurrent(working);
        tarvek::setDataFolder(shipped.path());
    }

    QTemporaryDir dir;
    QDir shipped;  // the runtime folder, with the generated pictures
    QString working;
};

TEST_F(PictureFolder, TheContentNotTheNameChoosesTheDecoder) {
    QByteArray damaged = filledMetafile(rgb(0, 0, 255));
    damaged[20] = char(damaged[20] ^ 0x5A);  // the placeable header's checksum no longer holds
    struct Case {
        const char* name;
        QByteArray bytes;
        bool decodes;
        std::optional<QRgb> centre;  // the colour in the middle, where the test knows it
    };
    const Case cases[] = {
        {"drawing.jpg", filledMetafile(rgb(255, 0, 0)), true, qRgb(255, 0, 0)},
        {"photo.wmf", jpegOf(Qt::green), true, qRgb(0, 255, 0)},
        {"lnq.jpg", readFile(shipped.filePath(QStringLiteral("LNQ.gif"))), true, std::nullopt},
        {"garbage.wmf", QByteArray("not a metafile, not anything"), false, std::nullopt},
        {"damaged.wmf", damaged, false, std::nullopt},
        {"empty.jpg", QByteArray(), false, std::nullopt},
    };
    for (const Case& c : cases) {
        writeFile(QString::fromLatin1(c.name), c.bytes);
        const tarvek::Picture picture = tarvek::Picture::fromFile(QString::fromLatin1(c.name));
        EXPECT_EQ(picture.isNull(), !c.decodes) << c.name;
        if (!c.centre) continue;
        const QImage shown = picture.render({90, 60});
        ASSERT_EQ(shown.size(), QSize(90, 60)) << c.name;
        const QRgb centre = shown.pixel(45, 30);
        EXPECT_NEAR(qRed(centre), qRed(*c.centre), 8) << c.name;
        EXPECT_NEAR(qGreen(centre), qGreen(*c.centre), 8) << c.name;
        EXPECT_NEAR(qBlue(centre), qBlue(*c.centre), 8) << c.name;
    }
}

TEST_F(PictureFolder, LoadingAgainReadsTheFileAgain) {
    PictureBox box;
    box.resize(40, 40);
    writeFile(QStringLiteral("Picture.wmf"), filledMetafile(rgb(255, 0, 0)));
    box.loadPicture(QStringLiteral("Picture.wmf"));
    EXPECT_EQ(box.renderedImage().pixel(20, 20), qRgb(255, 0, 0));

    writeFile(QStringLiteral("Picture.wmf"), filledMetafile(rgb(0, 0, 255)));
    box.loadPicture(QStringLiteral("Picture.wmf"));
    EXPECT_EQ(box.renderedImage().pixel(20, 20), qRgb(0, 0, 255));

    QFile::remove(QStringLiteral("Picture.wmf"));
    box.loadPicture(QStringLiteral("Picture.wmf"));
    EXPECT_FALSE(box.hasPicture());
    EXPECT_TRUE(box.renderedImage().isNull());
}

TEST(PicturesInTheWindow, DrawingsArePlayedAtTheBoxsOwnSize) {
    WindowDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", std::string(tarvek::actuator::A310));
    d.choose("lstPorting", "2A");
    PictureBox* box = d.picture();
    box->resize(400, 300);
    const QImage wide = box->renderedImage();
    EXPECT_EQ(wide.size(), QSize(400, 300) * box->devicePixelRatio());
    box->resize(276, 272);
    EXPECT_EQ(box->renderedImage().size(), QSize(276, 272) * box->devicePixelRatio());
}

// With TARVEK_SCREENSHOT_DIR set, the window as it stands is saved there, to be looked at.
void screenshot(WindowDriver& d, const char* name) {
    const QString folder = qEnvironmentVariable("TARVEK_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    d.window.show();
    QApplication::processEvents();
    d.window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

// Each porting's drawing shows a filled, numbered port exactly at the positions the
// porting uses (position 1 on the left, then clockwise).
TEST(PicturesInTheWindow, EachPortingDrawingShowsThePortsItUses) {
    const QPointF labels[] = {{0.09, 0.5}, {0.5, 0.09}, {0.91, 0.5}, {0.5, 0.91}};
    const QRgb usedLabel = qRgb(31, 78, 154), paper = qRgb(255, 255, 255);
    WindowDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", std::string(tarvek::actuator::A310));
    EXPECT_EQ(d.picture()->pictureName(), QStringLiteral("A310-MX2-2A.jpg"));
    screenshot(d, "configurator-product.png");
    for (const tarvek::Porting& porting : tarvek::kPortings) {
        d.choose("lstPorting", std::string(porting.entry));
        SCOPED_TRACE(std::string(porting.entry));
        if (porting.entry == "2A") screenshot(d, "configurator-porting.png");
        EXPECT_EQ(d.picture()->pictureName().toStdString(), porting.drawing);
        EXPECT_EQ(d.get<QGroupBox>("fraPicture")->title().toStdString(), tarvek::kPortingFrameCaption);
        ASSERT_TRUE(d.picture()->hasPicture());
        const QImage shown = d.picture()->renderedImage();
        for (std::size_t i = 0; i < 4; ++i) {
            // Beside the number, inside its ring.
            const QPoint at(int(labels[i].x() * shown.width() - 0.0275 * shown.width()),
                            int(labels[i].y() * shown.height()));
            EXPECT_EQ(shown.pixel(at), porting.positions[i] ? usedLabel : paper) << "position " << i + 1;
        }
    }
}

TEST(PicturesInTheWindow, TheBrandPictureAndTheIconComeWithTheWindow) {
    WindowDriver d;
    EXPECT_FALSE(d.window.windowIcon().isNull());
    PictureBox* brand = d.get<PictureBox>("Image2");
    ASSERT_TRUE(brand->hasPicture());
    const QImage shown = brand->renderedImage();
    ASSERT_EQ(shown.size(), brand->size() * brand->devicePixelRatio());
    int blue = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            blue += c.blue() > 120 && c.red() < 80;
        }
    EXPECT_GT(blue, shown.width() * shown.height() / 20);  // the blue mark and name
}

}  // namespace
