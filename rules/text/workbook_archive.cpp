#include "rules/text/workbook_archive.h"

#include <algorithm>

namespace tarvek {
namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50, kEnd64Signature = 0x06064b50,
                        kLocator64Signature = 0x07064b50, kEntrySignature = 0x02014b50,
                        kLocalSignature = 0x04034b50;
constexpr std::uint32_t kFar32 = 0xFFFFFFFF;  // "see the ZIP64 record"
constexpr std::size_t kEndSize = 22, kLongestComment = 0xFFFF;

// Little-endian numbers at a place in the archive; none past its end.
class Bytes {
  public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    bool has(std::uint64_t at, std::uint64_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }
    std::uint64_t number(std::uint64_t at, int size) const {
        std::uint64_t value = 0;
        for (int i = size; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(bytes_[std::size_t(at) + i]);
        return value;
    }
    std::string_view text(std::uint64_t at, std::uint64_t count) const {
        return bytes_.substr(std::size_t(at), std::size_t(count));
    }
    std::size_t size() const { return bytes_.size(); }

  private:
    std::string_view bytes_;
};

struct Directory {
    std::uint64_t entries = 0, at = 0, size = 0;
};

// The central directory, as the end record (or its ZIP64 form) places it.
bool findDirectory(const Bytes& b, Directory& directory) {
    if (b.size() < kEndSize) return false;
    const std::uint64_t lowest =
        b.size() - kEndSize - std::min<std::uint64_t>(kLongestComment, b.size() - kEndSize);
    for (std::uint64_t end = b.size() - kEndSize + 1; end-- > lowest;) {
        if (b.number(end, 4) != kEndSignature) continue;
        directory = {b.number(end + 10, 2), b.number(end + 16, 4), b.number(end + 12, 4)};
        if (directory.entries != 0xFFFF && directory.at != kFar32 && directory.size != kFar32) return true;
        // ZIP64: the locator just before the end record names the larger record.
        if (end < 20 || b.number(end - 20, 4) != kLocator64Signature) return false;
        const std::uint64_t record = b.number(end - 20 + 8, 8);
        if (!b.has(record, 56) || b.number(record, 4) != kEnd64Signature) return false;
        directory = {b.number(record + 32, 8), b.number(record + 48, 8), b.number(record + 40, 8)};
        return true;
    }
    return false;
}

// The ZIP64 extra field's values for the sizes and the place that say "see the ZIP64 record".
void readZip64(const Bytes& b, std::uint64_t extra, std::uint64_t length, ArchivePart& part,
               std::uint64_t& local) {
    for (std::uint64_t at = extra; at + 4 <= extra + length;) {
        const std::uint64_t id = b.number(at, 2), size = b.number(at + 2, 2);
        if (at + 4 + size > extra + length) return;
        if (id == 1) {
            std::uint64_t field = at + 4;
            for (std::uint64_t* value : {&part.size, &part.packedSize, &local})
                if (*value == kFar32 && field + 8 <= at + 4 + size) {
                    *value = b.number(field, 8);
                    field += 8;
                }
            return;
        }
        at += 4 + size;
    }
}

}  // namespace

std::string partTooLarge(std::string_view part) {
    return "its part " + std::string(part.substr(0, 200)) + " is larger than " +
           std::to_string(kLargestWorkbookPart >> 20) + " MiB unpacked";
}

WorkbookArchive workbookArchive(std::string_view bytes) {
    WorkbookArchive archive;
    const auto refuse = [&](std::string problem) {
        archive.parts.clear();
        archive.problem = std::move(problem);
        return archive;
    };
    if (bytes.size() > kLargestWorkbook)
        return refuse("it is larger than " + std::to_string(kLargestWorkbook >> 20) + " MiB");
    const Bytes b(bytes);
    if (!bytes.starts_with(std::string_view("PK\x03\x04", 4))) return refuse(std::string(kNotAWorkbook));
    Directory directory;
    if (!findDirectory(b, directory) || !b.has(directory.at, directory.size))
        return refuse(std::string(kDamagedArchive));
    if (directory.entries > kMostWorkbookParts)
        return refuse("it has more than " + std::to_string(kMostWorkbookParts) + " parts");
    std::uint64_t at = directory.at;
    for (std::uint64_t i = 0; i < directory.entries; ++i) {
        if (!b.has(at, 46) || b.number(at, 4) != kEntrySignature) return refuse(std::string(kDamagedArchive));
        const std::uint64_t flags = b.number(at + 8, 2), nameLength = b.number(at + 28, 2),
                            extraLength = b.number(at + 30, 2), commentLength = b.number(at + 32, 2);
        if (!b.has(at + 46, nameLength + extraLength + commentLength))
            return refuse(std::string(kDamagedArchive));
        ArchivePart part{std::string(b.text(at + 46, nameLength)), 0, b.number(at + 20, 4),
                         b.number(at + 24, 4), int(b.number(at + 10, 2))};
        std::uint64_t local = b.number(at + 42, 4);
        readZip64(b, at + 46 + nameLength, extraLength, part, local);
        at += 46 + nameLength + extraLength + commentLength;
        if (flags & 1) return refuse("it is encrypted");
        if (part.method != 0 && part.method != 8) return refuse(std::string(kDamagedArchive));
        if (part.size > kLargestWorkbookPart) return refuse(partTooLarge(part.name));
        if (part.method == 0 && part.size != part.packedSize) return refuse(std::string(kDamagedArchive));
        if (!b.has(local, 30) || b.number(local, 4) != kLocalSignature)
            return refuse(std::string(kDamagedArchive));
        part.dataAt = local + 30 + b.number(local + 26, 2) + b.number(local + 28, 2);
        if (!b.has(part.dataAt, part.packedSize)) return refuse(std::string(kDamagedArchive));
        archive.parts.push_back(std::move(part));
    }
    return archive;
}

}  // namespace tarvek
