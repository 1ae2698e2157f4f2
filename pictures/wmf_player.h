// Plays a checked metafile with QPainter onto an image of the size asked for, stretching the
// frame (not what is drawn) over the whole image without keeping its aspect ratio.
#pragma once

#include <QImage>
#include <QSize>

#include "pictures/wmf_metafile.h"

namespace tarvek::wmf {

struct Playback {
    QImage image;  // white paper with the drawing on it
    std::size_t commandsPlayed = 0;
    bool budgetSpent = false;  // true: the drawing was too costly and stopped early
};

// Antialiasing stays off and drawing stops once the work (outline length times pen width,
// filled area, text) passes a budget that grows with the image, so no file can take seconds.
Playback playMetafile(const Metafile& metafile, QSize size);

inline QImage renderMetafile(const Metafile& metafile, QSize size) {
    return playMetafile(metafile, size).image;
}

}  // namespace tarvek::wmf
