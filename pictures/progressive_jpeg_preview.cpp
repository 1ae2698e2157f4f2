#include "pictures/progressive_jpeg_preview.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "pictures/jpeg_stream.h"

namespace tarvek {
namespace {

constexpr qint64 kMaxSourcePixels = 128 * 1024 * 1024;
// A real file has one DC scan and a refinement or two for each component; every further
// scan would only walk over every block again.
constexpr int kMaxDcScans = 16;

QRgb rgbFromYCbCr(int y, int cb, int cr) {
    const auto channel = [](double v) { return std::clamp(int(v + 0.5), 0, 255); };
    return qRgb(channel(y + 1.402 * (cr - 128)), channel(y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128)),
                channel(y + 1.772 * (cb - 128)));
}

struct Component {
    int id = 0, h = 1, v = 1, quantTable = 0, dcTable = 0;
    int blocksWide = 0, blocksHigh = 0;  // the blocks that hold the picture
    int stride = 0;                      // blocks a row, padded to whole MCUs
    std::vector<std::int16_t> dc;        // the DC coefficient of every block, quantized
    int predictor = 0;
    bool covered = false;  // a first DC scan reached its last block
};

class PreviewDecoder {
  public:
    explicit PreviewDecoder(QIODevice& device) : stream_(device) {}
    QImage decode();

  private:
    using Segment = std::vector<std::uint8_t>;
    std::optional<Segment> readSegment();
    bool readFrame(const Segment& s);
    bool readHuffmanTables(const Segment& s);
    bool readQuantTables(const Segment& s);
    std::optional<int> decodeScan(const Segment& s);
    bool decodeDcScan(EntropyReader& reader, const std::vector<Component*>& components, int ah, int al);
    bool decodeBlock(EntropyReader& reader, Component& c, int x, int y, int ah, int al);
    QImage picture() const;

    ByteStream stream_;
    int width_ = 0, height_ = 0, hMax_ = 1, vMax_ = 1, mcusWide_ = 0, mcusHigh_ = 0;
    std::vector<Component> components_;
    std::array<std::optional<HuffmanTable>, 4> dcTables_;
    std::array<std::optional<int>, 4> quantDc_;
    int restartInterval_ = 0;
    int adobeTransform_ = -1;
    int dcScans_ = 0;
};

std::optional<PreviewDecoder::Segment> PreviewDecoder::readSegment() {
    const int high = stream_.next(), low = stream_.next();
    if (high < 0 || low < 0 || (high << 8 | low) < 2) return {};
    Segment segment(std::size_t((high << 8 | low) - 2));
    if (!stream_.read(segment.data(), segment.size())) return {};
    return segment;
}

bool PreviewDecoder::readFrame(const Segment& s) {
    if (!components_.empty() || s.size() < 6 || s[0] != 8) return false;
    height_ = s[1] << 8 | s[2];
    width_ = s[3] << 8 | s[4];
    const int count = s[5];
    if (width_ == 0 || height_ == 0 || qint64(width_) * height_ > kMaxSourcePixels) return false;
    if ((count != 1 && count != 3) || s.size() < std::size_t(6 + 3 * count)) return false;
    for (int i = 0; i < count; ++i) {
        Component c;
        c.id = s[6 + 3 * i];
        c.h = s[7 + 3 * i] >> 4;
        c.v = s[7 + 3 * i] & 15;
        c.quantTable = s[8 + 3 * i];
        if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4 || c.quantTable > 3) return false;
        for (const Component& other : components_)
            if (other.id == c.id) return false;
        hMax_ = std::max(hMax_, c.h);
        vMax_ = std::max(vMax_, c.v);
        components_.push_back(std::move(c));
    }
    mcusWide_ = (width_ + 8 * hMax_ - 1) / (8 * hMax_);
    mcusHigh_ = (height_ + 8 * vMax_ - 1) / (8 * vMax_);
    for (Component& c : components_) {
        c.blocksWide = ((width_ * c.h + hMax_ - 1) / hMax_ + 7) / 8;
        c.blocksHigh = ((height_ * c.v + vMax_ - 1) / vMax_ + 7) / 8;
        c.stride = mcusWide_ * c.h;
        c.dc.assign(std::size_t(c.stride) * std::size_t(mcusHigh_ * c.v), 0);
    }
    return true;
}

bool PreviewDecoder::readHuffmanTables(const Segment& s) {
    for (std::size_t at = 0; at < s.size();) {
        const int tableClass = s[at] >> 4, id = s[at] & 15;
        if (tableClass > 1 || id > 3 || at + 17 > s.size()) return false;
        std::array<std::uint8_t, 16> counts{};
        std::copy_n(s.begin() + std::ptrdiff_t(at + 1), 16, counts.begin());
        std::size_t total = 0;
        for (std::uint8_t n : counts) total += n;
        if (total > 256 || at + 17 + total > s.size()) return false;
        const std::uint8_t* values = s.data() + at + 17;
        if (tableClass == 0) {
            dcTables_[std::size_t(id)] = HuffmanTable::fromCounts(counts, {values, values + total});
            if (!dcTables_[std::size_t(id)]) return false;
        }
        at += 17 + total;
    }
    return true;
}

bool PreviewDecoder::readQuantTables(const Segment& s) {
    for (std::size_t at = 0; at < s.size();) {
        const int precision = s[at] >> 4, id = s[at] & 15;
        const std::size_t length = precision == 0 ? 64 : 128;
        if (precision > 1 || id > 3 || at + 1 + length > s.size()) return false;
        quantDc_[std::size_t(id)] = precision == 0 ? s[at + 1] : s[at + 1] << 8 | s[at + 2];
        at += 1 + length;
    }
    return true;
}

// Reads a scan's header and decodes it when it is a DC scan; its data is passed over
// otherwise. The marker after the scan, or none when the file cannot be a picture this
// decoder shows.
std::optional<int> PreviewDecoder::decodeScan(const Segment& s) {
    if (components_.empty() || s.empty()) return {};
    const std::size_t count = s[0];
    if (count < 1 || count > components_.size() || s.size() < 4 + 2 * count) return {};
    std::vector<Component*> inScan;
    for (std::size_t i = 0; i < count; ++i) {
        const auto c = std::find_if(components_.begin(), components_.end(),
                                    [&](const Component& k) { return k.id == s[1 + 2 * i]; });
        if (c == components_.end() || std::find(inScan.begin(), inScan.end(), &*c) != inScan.end()) return {};
        c->dcTable = s[2 + 2 * i] >> 4;
        if (c->dcTable > 3) return {};
        inScan.push_back(&*c);
    }
    const int ss = s[1 + 2 * count], se = s[2 + 2 * count];
    const int ah = s[3 + 2 * count] >> 4, al = s[3 + 2 * count] & 15;
    EntropyReader reader(stream_);
    if (ss != 0 || dcScans_ >= kMaxDcScans) return reader.endOfScan();  // finer than a preview needs
    if (se != 0 || ah > 13 || al > 13) return {};
    ++dcScans_;
    if (!decodeDcScan(reader, inScan, ah, al)) return {};
    return reader.endOfScan();
}

bool PreviewDecoder::decodeDcScan(EntropyReader& reader, const std::vector<Component*>& components, int ah,
                                  int al) {
    if (ah == 0)
        for (const Component* c : components)
            if (!dcTables_[std::size_t(c->dcTable)]) return false;
    // One component alone is coded block by block over its own size; several go by MCU.
    const bool interleaved = components.size() > 1;
    const int wide = interleaved ? mcusWide_ : components[0]->blocksWide;
    const int high = interleaved ? mcusHigh_ : components[0]->blocksHigh;
    for (Component* c : components) c->predictor = 0;
    for (int mcu = 0; mcu < wide * high; ++mcu) {
        if (restartInterval_ > 0 && mcu > 0 && mcu % restartInterval_ == 0) {
            reader.restart();
            for (Component* c : components) c->predictor = 0;
        }
        if (reader.exhausted()) return true;  // the data ended early: what is decoded stays
        const int mx = mcu % wide, my = mcu / wide;
        for (Component* c : components) {
            const int hs = interleaved ? c->h : 1, vs = interleaved ? c->v : 1;
            for (int y = 0; y < vs; ++y)
                for (int x = 0; x < hs; ++x)
                    if (!decodeBlock(reader, *c, mx * hs + x, my * vs + y, ah, al)) return true;
        }
    }
    if (ah == 0)
        for (Component* c : components) c->covered = true;
    return true;
}

bool PreviewDecoder::decodeBlock(EntropyReader& reader, Component& c, int x, int y, int ah, int al) {
    std::int16_t& coefficient = c.dc[std::size_t(y) * std::size_t(c.stride) + std::size_t(x)];
    if (ah != 0) {  // a refinement adds one more bit to every coefficient
        if (reader.bit()) coefficient = std::int16_t(coefficient | (1 << al));
        return true;
    }
    const int size = dcTables_[std::size_t(c.dcTable)]->decode(reader);
    if (size < 0 || size > 11) return false;
    c.predictor = std::clamp(c.predictor + reader.signedBits(size), -0x8000, 0x7FFF);
    coefficient = std::int16_t(std::clamp(c.predictor * (1 << al), -0x8000, 0x7FFF));
    return true;
}

// Where each pixel of the preview takes a component's values from: the two nearest blocks
// across and their weights, as a subsampled component's block covers several pixels and
// its value stands at its centre.
struct Tap {
    std::size_t near = 0, far = 0;
    float farWeight = 0;
};

std::vector<Tap> taps(int pixels, int blocks, int sampling, int samplingMax) {
    std::vector<Tap> result(static_cast<std::size_t>(pixels));
    for (int x = 0; x < pixels; ++x) {
        const double at = std::clamp((x + 0.5) * sampling / samplingMax - 0.5, 0.0, double(blocks - 1));
        const int near = int(at);
        result[std::size_t(x)] = {std::size_t(near), std::size_t(std::min(near + 1, blocks - 1)),
                                  float(at - near)};
    }
    return result;
}

// Each block's DC value is the mean of its 64 samples; colour is converted as JFIF says,
// unless an Adobe marker or the components' names say the file holds RGB.
QImage PreviewDecoder::picture() const {
    for (const Component& c : components_)
        if (!c.covered || !quantDc_[std::size_t(c.quantTable)]) return {};
    QImage image((width_ + 7) / 8, (height_ + 7) / 8, QImage::Format_RGB32);
    if (image.isNull()) return {};
    const bool rgb = components_.size() == 3 &&
                     (adobeTransform_ == 0 || (adobeTransform_ < 0 && components_[0].id == 'R' &&
                                               components_[1].id == 'G' && components_[2].id == 'B'));
    std::vector<std::vector<Tap>> columns, rows;
    for (const Component& c : components_) {
        columns.push_back(taps(image.width(), c.blocksWide, c.h, hMax_));
        rows.push_back(taps(image.height(), c.blocksHigh, c.v, vMax_));
    }
    std::array<int, 3> sample{};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (std::size_t i = 0; i < components_.size(); ++i) {
                const Component& c = components_[i];
                const Tap& row = rows[i][std::size_t(y)];
                const Tap& column = columns[i][std::size_t(x)];
                const auto at = [&](std::size_t r, std::size_t k) {
                    return float(c.dc[r * std::size_t(c.stride) + k]);
                };
                const auto across = [&](std::size_t r) {
                    return at(r, column.near) + column.farWeight * (at(r, column.far) - at(r, column.near));
                };
                const float dc = across(row.near) + row.farWeight * (across(row.far) - across(row.near));
                const float level = dc * float(*quantDc_[std::size_t(c.quantTable)]) / 8.0f;
                sample[i] = std::clamp(int(128.5f + level), 0, 255);  // rounds: below zero it clamps anyway
            }
            line[x] = components_.size() == 1 ? qRgb(sample[0], sample[0], sample[0])
                      : rgb                   ? qRgb(sample[0], sample[1], sample[2])
                                              : rgbFromYCbCr(sample[0], sample[1], sample[2]);
        }
    }
    return image;
}

QImage PreviewDecoder::decode() {
    if (stream_.next() != 0xFF || stream_.next() != 0xD8) return {};
    for (int code = stream_.nextMarker(); code >= 0 && code != 0xD9;) {
        if (standsAlone(code)) {
            code = stream_.nextMarker();
            continue;
        }
        const std::optional<Segment> segment = readSegment();
        if (!segment) break;  // a file cut short shows what it holds
        if (code == 0xDA) {
            const std::optional<int> next = decodeScan(*segment);
            if (!next) return {};
            code = *next;
            continue;
        }
        const bool read = code == 0xC2                ? readFrame(*segment)
                          : isFrameHeaderMarker(code) ? false  // baseline, lossless or arithmetic: not ours
                          : code == 0xC4              ? readHuffmanTables(*segment)
                          : code == 0xDB              ? readQuantTables(*segment)
                                                      : true;
        if (!read) return {};
        if (code == 0xDD && segment->size() >= 2) restartInterval_ = (*segment)[0] << 8 | (*segment)[1];
        if (code == 0xEE && segment->size() >= 12 && std::memcmp(segment->data(), "Adobe", 5) == 0)
            adobeTransform_ = (*segment)[11];
        code = stream_.nextMarker();
    }
    return picture();
}

}  // namespace

QImage progressiveJpegPreview(QIODevice& source, QSize shownAt) {
    const QImage preview = PreviewDecoder(source).decode();
    if (preview.isNull() || !shownAt.isValid() || shownAt.isEmpty()) return preview;
    return preview.scaled(shownAt, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tarvek
