#include "pictures/jpeg_stream.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace tarvek {

ByteStream::ByteStream(QIODevice& device) : device_(device), buffer_(64 * 1024) {}

bool ByteStream::refill() {
    const qint64 got = device_.read(buffer_.data(), qint64(buffer_.size()));
    at_ = 0;
    size_ = got > 0 ? std::size_t(got) : 0;
    return size_ > 0;
}

int ByteStream::next() {
    if (at_ == size_ && !refill()) return -1;
    return static_cast<unsigned char>(buffer_[at_++]);
}

bool ByteStream::read(std::uint8_t* into, std::size_t count) {
    while (count > 0) {
        if (at_ == size_ && !refill()) return false;
        const std::size_t part = std::min(count, size_ - at_);
        std::memcpy(into, buffer_.data() + at_, part);
        at_ += part;
        into += part;
        count -= part;
    }
    return true;
}

int ByteStream::nextMarker() {
    for (;;) {
        // The data between markers may be megabytes: look for 0xFF a buffer at a time.
        const void* found = nullptr;
        while (!(found = std::memchr(buffer_.data() + at_, 0xFF, size_ - at_)))
            if (!refill()) return -1;
        at_ = std::size_t(static_cast<const char*>(found) - buffer_.data()) + 1;
        int code = next();
        while (code == 0xFF) code = next();  // fill bytes before a marker
        if (code != 0) return code;          // 0xFF 0x00 is a data byte
    }
}

bool isRestartMarker(int code) { return code >= 0xD0 && code <= 0xD7; }

bool standsAlone(int code) { return code == 0x01 || code == 0xD8 || isRestartMarker(code); }

bool isFrameHeaderMarker(int code) {
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

void EntropyReader::fill() {
    bitsLeft_ = 8;
    byte_ = 0;
    if (marker_ >= 0 || ended_) return;
    const int b = stream_.next();
    if (b == 0xFF) {
        int code = stream_.next();
        while (code == 0xFF) code = stream_.next();
        if (code < 0)
            ended_ = true;
        else if (code != 0)
            marker_ = code;
        else
            byte_ = 0xFF;
        return;
    }
    if (b < 0)
        ended_ = true;
    else
        byte_ = b;
}

int EntropyReader::bit() {
    if (bitsLeft_ == 0) fill();
    return (byte_ >> --bitsLeft_) & 1;
}

int EntropyReader::signedBits(int count) {
    if (count == 0) return 0;
    int value = 0;
    for (int i = 0; i < count; ++i) value = value << 1 | bit();
    return value < 1 << (count - 1) ? value - (1 << count) + 1 : value;
}

void EntropyReader::restart() {
    bitsLeft_ = 0;
    if (marker_ < 0 && !ended_) marker_ = stream_.nextMarker();
    if (marker_ < 0) ended_ = true;
    if (isRestartMarker(marker_)) marker_ = -1;
}

// A restart marker is only read where an interval ends; met anywhere else, the data of
// this interval has ended too.
bool EntropyReader::exhausted() const { return ended_ || marker_ >= 0; }

int EntropyReader::endOfScan() {
    for (;;) {
        if (ended_) return -1;
        if (marker_ < 0) marker_ = stream_.nextMarker();
        if (marker_ < 0) return -1;
        if (!isRestartMarker(marker_)) return marker_;
        marker_ = -1;
    }
}

std::optional<HuffmanTable> HuffmanTable::fromCounts(const std::array<std::uint8_t, 16>& counts,
                                                     std::vector<std::uint8_t> values) {
    HuffmanTable table;
    int code = 0, index = 0;
    for (int length = 1; length <= 16; ++length) {
        const int count = counts[std::size_t(length - 1)];
        table.firstValue_[std::size_t(length)] = index;
        table.minCode_[std::size_t(length)] = code;
        code += count;
        index += count;
        if (code > 1 << length) return {};
        table.maxCode_[std::size_t(length)] = count > 0 ? code - 1 : -1;
        code <<= 1;
    }
    if (std::size_t(index) > values.size()) return {};
    table.values_ = std::move(values);
    return table;
}

int HuffmanTable::decode(EntropyReader& reader) const {
    int code = 0;
    for (std::size_t length = 1; length <= 16; ++length) {
        code = code << 1 | reader.bit();
        if (code <= maxCode_[length])
            return values_[std::size_t(firstValue_[length] + code - minCode_[length])];
    }
    return -1;
}

}  // namespace tarvek
