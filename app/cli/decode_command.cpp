#include "app/cli/decode_command.h"

#include <ostream>

#include "app/cli/command_line.h"
#include "platform/streams.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

// Far longer than any part number: a longer line is answered without being held whole.
constexpr std::size_t kLongestLine = 1024;

bool isBlank(std::string_view line) { return normalizedPartNumber(line).empty(); }

}  // namespace

int runDecode(const std::vector<std::string>& numbers, int input, int output, std::ostream& errors) {
    const PartNumberDecoder& decoder = partNumberDecoder();
    Output out(output);
    bool allDecoded = true;
    const auto answer = [&](std::string_view number, const PartNumberDecoding& decoded) {
        allDecoded = allDecoded && decoded.status != PartNumberDecoding::Status::Unknown;
        out.write(csvRow(number, decoded));
    };
    out.write(csvHeader());
    LineReader in(input, kLongestLine);
    for (const std::string& number : numbers) {
        if (number != "-") {
            answer(number, decoder.decode(number));
            continue;
        }
        std::string line;
        for (bool cut = false; !out.failed() && in.next(line, cut);) {
            if (cut)
                answer(line, tooLongForAPartNumber());
            else if (!isBlank(line))
                answer(line, decoder.decode(line));
        }
    }
    out.flush();
    if (in.failed()) errors << "tarvek-catalog: cannot read the part numbers: " << in.error() << '\n';
    if (out.failed()) errors << "tarvek-catalog: cannot write the answers: " << out.error() << '\n';
    if (in.failed() || out.failed()) return kExitInputOutput;
    return allDecoded ? kExitDone : kExitSomeFailed;
}

}  // namespace tarvek
