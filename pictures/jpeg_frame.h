// The frame header of a JPEG file, read without decoding it: its size, and whether it is
// progressive (a progressive JPEG keeps every coefficient of the image while it decodes).
#pragma once

#include <optional>

class QIODevice;

namespace tarvek {

struct JpegFrame {
    int width = 0;
    int height = 0;
    bool progressive = false;
};

// Reads the markers from the device's current position up to the first frame header and
// puts the position back. None for anything that is not a JPEG with a frame header.
std::optional<JpegFrame> readJpegFrame(QIODevice& device);

}  // namespace tarvek
