// Writes the catalogue's pictures into the runtime folder (`catalogue <folder>`) or the
// window's own pictures into the resource folder (`window <folder>`). Deterministic: the
// same tables give the same files.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "tools/pictures/brand_art.h"
#include "tools/pictures/catalogue_pictures.h"
#include "tools/pictures/gif_file.h"

namespace {

using namespace tarvek::art;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeJpeg(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    return writer.write(image);
}

bool writeCatalogue(const QDir& folder) {
    int written = 0;
    for (const CataloguePicture& picture : cataloguePictures()) {
        const QString path = folder.filePath(QString::fromStdString(picture.fileName));
        bool ok = false;
        switch (picture.format) {
            case PictureFormat::Metafile:
                ok = writeFile(path, picture.metafile());
                break;
            case PictureFormat::Gif:
                ok = writeGif(renderPicture(picture, kPictureSize), path);
                break;
            case PictureFormat::Jpeg:
                ok = writeJpeg(renderPicture(picture, kPictureSize), path);
                break;
        }
        if (!ok) {
            std::fprintf(stderr, "generate_pictures: cannot write %s\n", qPrintable(path));
            return false;
        }
        ++written;
    }
    std::printf("generate_pictures: %d catalogue pictures in %s\n", written, qPrintable(folder.path()));
    return true;
}

// The icon also goes to the desktop's icon theme, at the sizes launchers ask for.
bool writeThemeIcons(const QImage& icon, const QDir& folder) {
    for (const int size : kThemeIconSizes) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!folder.mkpath(dir) ||
            !scaled.save(folder.filePath(dir + QStringLiteral("/com.tarvek.Catalog.png")), "PNG"))
            return false;
    }
    return true;
}

// The window reads its own two pictures at every start, before its first paint: the brand
// as an uncompressed bitmap (it is opaque, and a bitmap reads in half the time of a PNG),
// the icon at the size window managers draw it (launchers and docks show the theme's icons
// of the desktop entry).
bool writeWindowPictures(const QDir& folder) {
    const QImage icon = windowIcon();
    const QImage windowSized =
        icon.scaled(kWindowIconSize, kWindowIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return brandPicture()
               .convertToFormat(QImage::Format_RGB888)
               .save(folder.filePath(QStringLiteral("brand.bmp")), "BMP") &&
           windowSized.save(folder.filePath(QStringLiteral("icon.png")), "PNG") &&
           writeThemeIcons(icon, folder);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the captions
    if (argc != 3) {
        std::fprintf(stderr, "usage: generate_pictures catalogue|window <folder>\n");
        return 2;
    }
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    if (what == QLatin1String("catalogue")) return writeCatalogue(folder) ? 0 : 1;
    if (what == QLatin1String("window")) return writeWindowPictures(folder) ? 0 : 1;
    return 2;
}
