// The window keeps working when its files are missing or damaged: every picture empty or
// garbage, no gas database. Nothing crashes, every click still configures.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "platform/data_folder.h"
#include "tests/support/named_pictures.h"
#include "tests/support/user_session.h"
#include "tests/window/window_driver.h"

namespace {

class InFolder : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QString previous = tarvek::dataFolder();
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        tarvek::setDataFolder(folder.path());
    }
    void TearDown() override { tarvek::setDataFolder(previous); }

    void write(const std::string& name, const QByteArray& bytes) {
        QFile file(folder.filePath(QString::fromStdString(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(InFolder, AnEmptyDataFolderLeavesPicturesAndGasListEmpty) {
    WindowDriver d;
    EXPECT_EQ(d.list("lstGasName")->count(), 0);
    EXPECT_FALSE(d.picture()->hasPicture());
    EXPECT_TRUE(d.shown("imgPicture"));

    const auto counts = tarvek::testing::runUserSession(d.window, [&](const tarvek::testing::Click& click) {
        ASSERT_FALSE(d.picture()->hasPicture()) << controlOf(click) << ' ' << click.entry;
    });
    EXPECT_GT(counts.clicks, 20000);
    EXPECT_GT(counts.warnings, 0);  // the calculator still refuses bad input
    EXPECT_EQ(d.list("lstGasName")->count(), 0);
    EXPECT_EQ(d.text("lblMassFlow"), "");  // no gas, no result

    d.choose("lstProductType", "Diaphragm Valves");  // and the configurator still prices
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2");
    EXPECT_EQ(d.text("lblPrice"), "250");
}

// Every picture replaced by something that is not the picture its name promises.
TEST_F(InFolder, GarbagePicturesShowNothingAndBreakNothing) {
    QFile realJpeg(previous + QStringLiteral("/MX2 Valves.jpg"));
    ASSERT_TRUE(realJpeg.open(QIODevice::ReadOnly));
    const QByteArray jpeg = realJpeg.readAll();
    QRandomGenerator random(130205);
    const std::vector<QByteArray> garbage = {
        QByteArray(),
        QByteArray("not a picture"),
        jpeg.left(jpeg.size() / 3),                                  // a truncated JPEG
        QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(5000, '\x7F'),   // a JPEG header, then rubbish
        QByteArray("GIF89a\xFF\xFF\xFF\xFF", 10),                    // a GIF claiming a huge screen
        QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(18, '\x00'),  // a metafile header without a body
        QByteArray("\x01\x00\x09\x00\x00\x03\xFF\xFF\xFF\x7F", 10),  // a plain metafile of absurd size
    };
    int n = 0;
    for (const auto& [name, where] : tarvek::testing::namedPictures()) {
        QByteArray bytes = garbage[std::size_t(n++) % garbage.size()];
        if (n % 3 == 0) {
            QByteArray noise(4096, '\0');
            random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            bytes += noise;
        }
        write(name, bytes);
    }
    WindowDriver d;
    const auto counts = tarvek::testing::runUserSession(d.window);
    EXPECT_GT(counts.clicks, 20000);
    d.choose("lstProductType", "Fittings");
    d.choose("lstBody", "Tarvek LNQ Fittings");
    d.choose("lstModel", "01 - 1/4 Tube x 1/4 Male Face Seal");
    EXPECT_EQ(d.text("lblPartNumber"), "LNQ-01");
    EXPECT_TRUE(d.shown("imgPicture"));
}

TEST_F(InFolder, ADamagedGasDatabaseLeavesTheGasListEmpty) {
    QFile real(previous + QStringLiteral("/Gases.mdb"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QByteArray damaged = real.readAll();
    for (qsizetype i = 2 * 4096; i < 3 * 4096; i += 7)
        damaged[i] = char(~damaged[i]);  // the table definitions
    write("Gases.mdb", damaged);
    WindowDriver d;
    EXPECT_LE(d.list("lstGasName")->count(), 25);  // whatever was readable, never a crash
    const auto counts = tarvek::testing::runUserSession(d.window);
    EXPECT_GT(counts.clicks, 20000);
}

}  // namespace
