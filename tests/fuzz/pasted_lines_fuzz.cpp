// Fuzzes the reader of pasted and imported part numbers with any text: every row it gives
// has a part number, a quantity from 1 to 1,000,000 and a discount of at most 100 %; every
// problem names a line of the text; the rows become lines or explained problems.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/quotes/pasted_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarvek::PastedLines pasted = tarvek::readPastedLines(text);
    const std::size_t lines =
        std::size_t(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r')) +
        1;
    for (const tarvek::PastedRow& row : pasted.rows) {
        if (row.partNumber.empty() || row.quantity < tarvek::kMinQuantity ||
            row.quantity > tarvek::kMaxQuantity)
            std::abort();
        if (row.discount && row.discount->hundredths > tarvek::kMaxPercent.hundredths) std::abort();
        if (row.lineNumber < 1 || row.lineNumber > lines) std::abort();
    }
    for (const tarvek::PastedProblem& problem : pasted.problems)
        if (problem.lineNumber > lines || problem.problem.empty()) std::abort();
    // Decoding is the decoder's own fuzz target's; a few rows show the two meet.
    tarvek::PastedLines few = pasted;
    if (few.rows.size() > 8) few.rows.resize(8);
    const tarvek::PastedQuotationLines added = tarvek::quotationLinesOf(few);
    if (added.lines.size() + added.problems.size() != few.rows.size() + few.problems.size()) std::abort();
    return 0;
}
