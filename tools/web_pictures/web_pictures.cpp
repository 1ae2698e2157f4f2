// web_pictures <runtime folder> <output folder>: every porting drawing of the runtime folder
// as <name>.svg, drawn by the metafile player the window uses, and brand.png and icon.png.
// Exit status 1 when any file could not be read or written.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"
#include "tools/pictures/brand_art.h"

namespace {

// The picture frame of the page is about 300 pixels wide; SVG scales from there.
constexpr int kLongerSide = 300;

bool writeSvg(const QString& wmfPath, const QString& svgPath) {
    QFile in(wmfPath);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const auto metafile = tarvek::wmf::parseMetafile(in.readAll());
    if (!metafile) return false;
    const auto& frame = metafile->initialWindow;
    const double scale = double(kLongerSide) / std::max(std::abs(frame.width), std::abs(frame.height));
    const QSize size(std::max(1, int(std::abs(frame.width) * scale)),
                     std::max(1, int(std::abs(frame.height) * scale)));

    QSaveFile out(svgPath);
    if (!out.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QFileInfo(wmfPath).completeBaseName());
    QPainter painter(&svg);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);  // the paper the window draws on
    tarvek::wmf::paintMetafile(*metafile, painter, QRectF(QPointF(0, 0), size));
    return painter.end() && out.commit();
}

bool writePng(const QImage& image, const QString& path) {
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && image.save(&out, "PNG") && out.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: web_pictures <runtime folder> <output folder>\n");
        return 2;
    }
    const QDir from(QString::fromLocal8Bit(argv[1]));
    const QDir to(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(to.path())) return 1;
    bool ok = true;
    for (const QString& name : from.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name)) {
        const QString svg = QFileInfo(name).completeBaseName() + QStringLiteral(".svg");
        if (!writeSvg(from.filePath(name), to.filePath(svg))) {
            std::fprintf(stderr, "web_pictures: could not draw %s\n", qPrintable(name));
            ok = false;
        }
    }
    ok = writePng(tarvek::art::brandPicture(), to.filePath(QStringLiteral("brand.png"))) && ok;
    ok = writePng(tarvek::art::windowIcon().scaled(192, 192, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                  to.filePath(QStringLiteral("icon.png"))) &&
         ok;
    return ok ? 0 : 1;
}
