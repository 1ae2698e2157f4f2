// Every picture the catalogue names, found by walking the catalogue's own tables, with what
// each shows. The picture generator writes them all; documents may draw any of them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek::art {

enum class PictureFormat { Jpeg, Gif, Metafile };

// Raster pictures are drawn at twice the picture box's size, so they stay crisp on
// high-density screens.
inline constexpr QSize kPictureSize(552, 544);

struct CataloguePicture {
    std::string fileName;
    PictureFormat format = PictureFormat::Jpeg;
    QString title, subtitle;
    std::function<void(QPainter&, const QRectF&)> illustration;  // raster pictures: the art above the caption
    std::function<QByteArray()> metafile;                        // porting drawings
};

// One entry per file name, in the order the tables first name them.
std::vector<CataloguePicture> cataloguePictures();

PictureFormat formatOf(std::string_view fileName);

// The picture at any size: raster pictures are drawn afresh, drawings played.
QImage renderPicture(const CataloguePicture& picture, QSize size);
// The picture of that name; the empty image when the catalogue names no such picture.
QImage renderCataloguePicture(std::string_view fileName, QSize size);

}  // namespace tarvek::art
