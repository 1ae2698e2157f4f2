#include "pictures/jpeg_frame.h"

#include <QIODevice>

#include "pictures/jpeg_stream.h"

namespace tarvek {
namespace {

// Enough for any real file's metadata (each segment holds at most 64 kB) and a bound
// on a file made of nothing but empty segments.
constexpr int kMaxSegments = 1024;

bool readBytes(QIODevice& device, unsigned char* into, qint64 count) {
    return device.read(reinterpret_cast<char*>(into), count) == count;
}

bool isProgressive(unsigned char code) {
    return code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE;
}

std::optional<JpegFrame> walkMarkers(QIODevice& device) {
    unsigned char start[2];
    if (!readBytes(device, start, 2) || start[0] != 0xFF || start[1] != 0xD8) return {};
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        unsigned char code = 0;
        if (!readBytes(device, &code, 1) || code != 0xFF) return {};
        do {  // a marker may be padded with any number of 0xFF bytes
            if (!readBytes(device, &code, 1)) return {};
        } while (code == 0xFF);
        if (code == 0xD9 || code == 0xDA) return {};  // the end, or scan data, and no frame before it
        if (standsAlone(code)) continue;
        unsigned char length[2];
        if (!readBytes(device, length, 2)) return {};
        const int segmentLength = length[0] << 8 | length[1];
        if (segmentLength < 2) return {};
        if (isFrameHeaderMarker(code)) {
            unsigned char header[5];  // sample precision, then height and width
            if (segmentLength < 2 + 5 || !readBytes(device, header, 5)) return {};
            const int height = header[1] << 8 | header[2], width = header[3] << 8 | header[4];
            if (width == 0 || height == 0) return {};
            return JpegFrame{width, height, isProgressive(code)};
        }
        if (!device.seek(device.pos() + segmentLength - 2)) return {};
    }
    return {};
}

}  // namespace

std::optional<JpegFrame> readJpegFrame(QIODevice& device) {
    if (device.isSequential()) return {};
    const qint64 start = device.pos();
    const std::optional<JpegFrame> frame = walkMarkers(device);
    device.seek(start);
    return frame;
}

}  // namespace tarvek
