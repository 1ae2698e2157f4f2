// Fuzzes the quote-document reader with any bytes: it gives a quotation or a message, never
// both and never neither; a quotation it reads is written back to a document that reads as
// the same quotation.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/quotes/quotation_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarvek::QuotationReading reading = tarvek::readQuotationDocument(bytes);
    if (reading.quotation.has_value() == !reading.problem.empty()) std::abort();
    if (!reading.quotation) return 0;
    const tarvek::QuotationReading again =
        tarvek::readQuotationDocument(tarvek::quotationDocument(*reading.quotation));
    if (!again.quotation || *again.quotation != *reading.quotation) std::abort();
    return 0;
}
