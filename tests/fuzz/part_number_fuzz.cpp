// Fuzzes the part-number decoder as the command line feeds it: any bytes, read line by line in
// bounded memory (lines of any length, byte-order marks, carriage returns), each line answered
// without crashing or hanging; every configuration given has the number read, and every CSV
// row is valid UTF-8.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/streams.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/part_number_text.h"

namespace {

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0, length = 0; i < text.size(); i += length)
        if ((length = tarvek::utf8CharacterLength(text.substr(i))) == 0) return false;
    return true;
}

void check(std::string_view text, const tarvek::PartNumberDecoding& decoded) {
    for (const tarvek::DecodedConfiguration& c : decoded.configurations)
        if (tarvek::normalizedPartNumber(c.state.partNumber) != decoded.partNumber) std::abort();
    if ((decoded.status == tarvek::PartNumberDecoding::Status::Unknown) != decoded.configurations.empty())
        std::abort();
    if (!validUtf8(tarvek::csvRow(text, decoded)) || !validUtf8(decoded.explanation)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, tarvek::partNumberDecoder().decode(text));  // the whole input as one number

    // The same bytes as standard input of `--decode -`, through a file of their own.
    const int fd = memfd_create("part-numbers", 0);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size) || ::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    constexpr std::size_t kLongest = 64;  // short, so that cut lines are fuzzed too
    tarvek::LineReader reader(fd, kLongest);
    std::string line;
    bool cut = false;
    std::size_t read = 0;
    while (reader.next(line, cut)) {
        if (line.size() > kLongest) std::abort();
        read += line.size();
        check(line, cut ? tarvek::tooLongForAPartNumber() : tarvek::partNumberDecoder().decode(line));
    }
    if (reader.failed() || read > size) std::abort();
    ::close(fd);
    return 0;
}
