// Fuzzes the reader of services lists with any text: every service it gives has a tag and
// numbers its field edits take, a quantity from 1 to 1,000,000; every problem names a line of
// the text and says why; the list is sized, checked, written with its results and read back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/quotes/quotation_document.h"
#include "rules/quotes/services_list.h"
#include "rules/quotes/services_table.h"

namespace {

const std::vector<tarvek::GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"}, {"Air", "1", "1.4"}};
const tarvek::ServiceChoices kChoices{kGases, {"Male Face Seal", "Tube Stub"}, {"1/4 inch"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarvek::ServicesList list = tarvek::readServicesCsv(text, kChoices);
    const std::size_t lines =
        std::size_t(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r')) +
        1;
    for (const tarvek::ServiceRow& row : list.rows) {
        if (row.service.tag.empty() || row.quantity < tarvek::kMinQuantity ||
            row.quantity > tarvek::kMaxQuantity)
            std::abort();
        if (row.lineNumber < 2 || row.lineNumber > lines) std::abort();
    }
    for (const tarvek::PastedProblem& problem : list.problems)
        if (problem.lineNumber > lines || problem.problem.empty()) std::abort();
    // A few rows sized, written with their results and as a document, and read back.
    tarvek::ServicesList few = list;
    if (few.rows.size() > 4) few.rows.resize(4);
    for (tarvek::ServiceRow& row : few.rows) row.partNumber.clear();
    tarvek::Quotation q;
    q.header.number = "Q";
    q.header.date = "2013-02-05";
    q.lines = tarvek::serviceLinesOf(few).lines;
    const std::vector<std::optional<tarvek::ServiceCheck>> checks = tarvek::checkLines(q, kGases);
    const tarvek::ServicesList again =
        tarvek::readServicesCsv(tarvek::servicesCsv(tarvek::servicesTable(q, checks)), kChoices);
    if (again.rows.size() != q.lines.size()) std::abort();
    for (std::size_t i = 0; i < again.rows.size(); ++i)
        if (again.rows[i].service != *q.lines[i].service) std::abort();
    if (tarvek::readQuotationDocument(tarvek::quotationDocument(q)).quotation != q) std::abort();
    return 0;
}
