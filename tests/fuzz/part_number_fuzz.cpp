// Fuzzes the part-number decoder with any text: it answers without crashing or hanging,
// every configuration it gives has the number read, and its CSV row is valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/part_number_text.h"

namespace {

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0, length = 0; i < text.size(); i += length)
        if ((length = tarvek::utf8CharacterLength(text.substr(i))) == 0) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarvek::PartNumberDecoding decoded = tarvek::partNumberDecoder().decode(text);
    for (const tarvek::DecodedConfiguration& c : decoded.configurations)
        if (tarvek::normalizedPartNumber(c.state.partNumber) != decoded.partNumber) std::abort();
    if ((decoded.status == tarvek::PartNumberDecoding::Status::Unknown) != decoded.configurations.empty())
        std::abort();
    if (!validUtf8(tarvek::csvRow(text, decoded)) || !validUtf8(decoded.explanation)) std::abort();
    return 0;
}
