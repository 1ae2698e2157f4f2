// Plays a checked metafile with QPainter onto an image of the size asked for, stretching the
// frame (not what is drawn) over the whole image without keeping its aspect ratio; or onto
// any painter as vectors.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

#include "pictures/wmf_metafile.h"

class QPainter;

namespace tarvek::wmf {

struct Playback {
    QImage image;  // white paper with the drawing on it
    std::size_t commandsPlayed = 0;
    bool budgetSpent = false;  // true: the drawing was too costly and stopped early
};

// On an image antialiasing stays off, as GDI draws. Drawing stops once the work (outline
// length times pen width, filled area, text) passes a budget that grows with the image, so no
// file can take seconds.
Playback playMetafile(const Metafile& metafile, QSize size);

// Plays the metafile onto any painter (a printer, a PDF, a print preview) as vectors, its frame
// stretched over `target` and clipped to it, with the same work budget. Thin pens are one unit
// of the painter's coordinates wide: one device pixel would be a hairline on paper. False when
// the budget stopped the drawing early.
bool paintMetafile(const Metafile& metafile, QPainter& painter, const QRectF& target);

inline QImage renderMetafile(const Metafile& metafile, QSize size) {
    return playMetafile(metafile, size).image;
}

}  // namespace tarvek::wmf
