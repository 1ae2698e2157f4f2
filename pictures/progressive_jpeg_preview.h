// A progressive JPEG too large to decode whole, shown from its DC scans alone. Those scans
// come first in the file and hold one value per 8 x 8 block: the picture at an eighth of
// its width and height, which is what a picture box shows of a camera photo anyway. It
// needs two bytes a block, where decoding the whole file would hold every coefficient.
#pragma once

#include <QImage>
#include <QSize>

class QIODevice;

namespace tarvek {

// The picture from the device's current position, at an eighth of the size its frame
// gives, scaled to shownAt when that is valid. The null image for anything but an 8-bit,
// Huffman-coded progressive JPEG of one or three components and at most 128 megapixels,
// and for a file whose DC scans end before they cover the picture.
QImage progressiveJpegPreview(QIODevice& source, QSize shownAt);

}  // namespace tarvek
