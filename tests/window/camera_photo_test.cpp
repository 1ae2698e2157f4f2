// A camera photo in place of a catalogue picture: a 24-megapixel JPEG shows, decoded for
// the picture box, while a file claiming to be far larger still shows nothing.
#include "tests/support/camera_photo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/window/window_driver.h"

namespace {

TEST(CameraPhoto, ShowsAsTheStartPictureAndAHostileHeaderDoesNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto startWith = [&](const QByteArray& picture) {
        QFile file(dir.filePath(QStringLiteral("MX2 Valves.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(picture);
    };

    const QByteArray photo = tarvek::testing::cameraPhoto({6000, 4000});
    startWith(photo);
    {
        WindowDriver d;
        ASSERT_TRUE(d.picture()->hasPicture());
        const QImage shown = d.picture()->renderedImage();
        EXPECT_EQ(shown.size(), d.picture()->size() * d.picture()->devicePixelRatio());
        EXPECT_GT(qRed(shown.pixel(4, shown.height() / 2)), 200);                   // red on the left,
        EXPECT_GT(qBlue(shown.pixel(shown.width() - 5, shown.height() / 2)), 200);  // blue on the right
    }
    startWith(tarvek::testing::withClaimedSize(photo, {20000, 20000}));
    {
        WindowDriver d;
        EXPECT_FALSE(d.picture()->hasPicture());
        EXPECT_TRUE(d.shown("imgPicture"));
    }
    QDir::setCurrent(previous);
}

}  // namespace
