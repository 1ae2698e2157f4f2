// Reading a JPEG file: bytes a buffer at a time, the kinds of marker, the entropy-coded
// bits with stuffed zero bytes and restart markers taken out, and Huffman codes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

namespace tarvek {

class ByteStream {
  public:
    explicit ByteStream(QIODevice& device);
    int next();  // the next byte, or -1 at the end
    bool read(std::uint8_t* into, std::size_t count);
    // The code of the next marker, passing over data bytes and stuffed zeros; -1 at the end.
    int nextMarker();

  private:
    bool refill();
    QIODevice& device_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, size_ = 0;
};

bool isRestartMarker(int code);
// Markers without a length and a segment: TEM, the restart markers, and a repeated SOI.
bool standsAlone(int code);
// Start-of-frame markers: the range 0xC0-0xCF but for the three codes in it that mean
// something else (Huffman tables, a reserved code, arithmetic-coding conditions).
bool isFrameHeaderMarker(int code);

// The bits of one scan. Past the data (at a marker, or the end of the file) it reads
// zeros, and says it is exhausted until a restart takes it past a restart marker.
class EntropyReader {
  public:
    explicit EntropyReader(ByteStream& stream) : stream_(stream) {}
    int bit();
    int signedBits(int count);  // a value of count bits, in the JPEG's sign convention
    void restart();             // the rest of the byte and the restart marker go
    bool exhausted() const;
    int endOfScan();  // the code of the marker that ends the scan, -1 at the end

  private:
    void fill();
    ByteStream& stream_;
    int byte_ = 0, bitsLeft_ = 0;
    int marker_ = -1;  // met in the data and not yet dealt with
    bool ended_ = false;
};

class HuffmanTable {
  public:
    // None when the counts give more codes of a length than that length can hold.
    static std::optional<HuffmanTable> fromCounts(const std::array<std::uint8_t, 16>& counts,
                                                  std::vector<std::uint8_t> values);
    int decode(EntropyReader& reader) const;  // the symbol, or -1 for no code in the table

  private:
    std::array<int, 17> maxCode_{};     // the largest code of each length, -1 for none
    std::array<int, 17> minCode_{};     // the smallest
    std::array<int, 17> firstValue_{};  // where the symbols of each length start
    std::vector<std::uint8_t> values_;
};

}  // namespace tarvek
