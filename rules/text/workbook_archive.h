// What a workbook (XLSX: a zip archive of XML parts) may be and hold, for every reader of one,
// and its parts as the archive's central directory lists them, read without unpacking any.
// The browser's workbook library unpacks each part whole: the page refuses by these limits a
// workbook that would unpack to more before it is unpacked, and checks each part's size as
// the browser unpacks it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek {

// The program's own export of a quote of 100,000 lines stays far below each.
inline constexpr std::size_t kLargestWorkbook = 64 * 1024 * 1024;       // the file
inline constexpr std::size_t kLargestWorkbookPart = 256 * 1024 * 1024;  // one part, unpacked
inline constexpr std::size_t kMostWorkbookParts = 10'000;

struct ArchivePart {
    std::string name;
    std::uint64_t dataAt = 0;  // where its packed bytes begin in the archive
    std::uint64_t packedSize = 0, size = 0;
    int method = 0;  // 0 stored, 8 deflated
};

struct WorkbookArchive {
    std::vector<ArchivePart> parts;
    // Why the archive is refused, as said after "was not imported: " ("its part
    // xl/worksheets/sheet1.xml is larger than 256 MiB unpacked"); empty when it is not.
    std::string problem;
};

// The parts of the archive, every one stored or deflated, none encrypted, none larger than
// kLargestWorkbookPart, each packed within the archive; at most kMostWorkbookParts of them.
WorkbookArchive workbookArchive(std::string_view bytes);

// The problems every reader says alike.
std::string partTooLarge(std::string_view part);
inline constexpr std::string_view kNotAWorkbook = "it is not an Excel workbook (XLSX)";
inline constexpr std::string_view kDamagedArchive = "it is damaged: its zip archive cannot be read";

}  // namespace tarvek
