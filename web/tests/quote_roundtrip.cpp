// What the desktop does with a quote document it opens and saves again, without a window:
// read (strictly), every line priced again from today's catalogue, written back. The browser
// tests hand it the web edition's .tquote and compare the bytes it writes.
//   quote_roundtrip IN OUT     exit 0 when written; 1, with the reader's problem, when refused
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quotation_lines.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    tarvek::QuotationReading reading = tarvek::readQuotationDocument(bytes);
    if (!reading.quotation) {
        std::cerr << reading.problem << '\n';
        return 1;
    }
    for (tarvek::QuotationLine& line : reading.quotation->lines) line = tarvek::repriced(line);
    std::ofstream out(argv[2], std::ios::binary);
    out << tarvek::quotationDocument(*reading.quotation);
    return out.good() ? 0 : 3;
}
