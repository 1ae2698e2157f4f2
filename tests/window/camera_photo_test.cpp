// A camera photo in place of a catalogue picture: a 24-megapixel JPEG shows, baseline or
// progressive, decoded for the picture box, while a file claiming to be far larger still
// shows nothing.
#include "tests/support/camera_photo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tests/support/data_folder_scope.h"
#include "tests/window/window_driver.h"

namespace {

TEST(CameraPhoto, ShowsAsTheStartPictureAndAHostileHeaderDoesNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const tarvek::testing::DataFolderScope data(dir.path());
    const QByteArray photo = tarvek::testing::cameraPhoto({6000, 4000});
    struct Case {
        std::string what;
        QByteArray file;
        bool shows;
    };
    const std::vector<Case> cases = {
        {"a 24-megapixel photo", photo, true},
        {"the same photo, progressive", tarvek::testing::cameraPhoto({6000, 4000}, true), true},
        {"a header claiming 20000 x 20000", tarvek::testing::withClaimedSize(photo, {20000, 20000}), false},
    };
    for (const Case& c : cases) {
        QFile file(dir.filePath(QStringLiteral("MX2 Valves.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.file);
        file.close();
        WindowDriver d;
        EXPECT_TRUE(d.shown("imgPicture")) << c.what;
        ASSERT_EQ(d.picture()->hasPicture(), c.shows) << c.what;
        if (!c.shows) continue;
        const QImage shown = d.picture()->renderedImage();
        EXPECT_EQ(shown.size(), d.picture()->size() * d.picture()->devicePixelRatio()) << c.what;
        EXPECT_GT(qRed(shown.pixel(4, shown.height() / 2)), 200) << c.what;  // red on the left,
        EXPECT_GT(qBlue(shown.pixel(shown.width() - 5, shown.height() / 2)), 200)
            << c.what;  // blue on the right
    }
}

}  // namespace
