// Every picture the catalogue's tables name ships in the runtime folder, in the format its
// name promises, decodes to a picture with something on it, and is a picture of its own.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <map>
#include <set>
#include <string>

#include "pictures/picture.h"
#include "tests/support/named_pictures.h"

namespace {

using namespace tarvek;
using tarvek::testing::namedPictures;

enum class Kind { Jpeg, Gif, Metafile };

Kind promised(const std::string& name) {
    const QString n = QString::fromStdString(name).toLower();
    if (n.endsWith(QLatin1String(".wmf"))) return Kind::Metafile;
    if (n.endsWith(QLatin1String(".gif"))) return Kind::Gif;
    return Kind::Jpeg;
}

bool contentIs(const QByteArray& bytes, Kind kind) {
    switch (kind) {
        case Kind::Jpeg:
            return bytes.startsWith("\xFF\xD8\xFF");
        case Kind::Gif:
            return bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a");
        case Kind::Metafile:
            return bytes.startsWith("\xD7\xCD\xC6\x9A");  // placeable
    }
    return false;
}

// Share of pixels that are not near white.
double inkShare(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 200;
    return double(inked) / (image.width() * image.height());
}

TEST(CataloguePictures, EveryNamedPictureIsInTheRuntimeFolderAndShowsSomething) {
    const std::map<std::string, std::string> names = namedPictures();
    EXPECT_GE(names.size(), 90u);  // the tables name ninety-odd pictures
    std::map<QByteArray, std::string> seen;
    for (const auto& [name, where] : names) {
        SCOPED_TRACE(name + " (" + where + ")");
        QFile file(QString::fromStdString(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing from " << QDir::currentPath().toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(contentIs(bytes, promised(name)));

        const Picture picture = Picture::fromFile(QString::fromStdString(name));
        ASSERT_FALSE(picture.isNull());
        const QImage shown = picture.render({276, 272});
        ASSERT_EQ(shown.size(), QSize(276, 272));
        EXPECT_GT(inkShare(shown), 0.02);

        const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
        const auto [earlier, fresh] = seen.emplace(digest, name);
        EXPECT_TRUE(fresh) << "the same file as " << earlier->second;
    }
}

}  // namespace
