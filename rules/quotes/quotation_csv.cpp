#include "rules/quotes/quotation_csv.h"

#include "rules/part_numbers/part_number_csv.h"

namespace tarvek {

void writeQuotationCsv(const Quotation& quotation, bool withPrices, const TextSink& write) {
    write(withPrices ? "line,part_number,description,quantity,list_price,discount_percent,unit_net_price,"
                       "extended_net_price\r\n"
                     : "line,part_number,description,quantity\r\n");
    std::size_t number = 0;
    std::string csv;
    for (const QuotationLine& line : quotation.lines) {
        csv = std::to_string(++number) + ',' + csvField(line.partNumber) + ',' + csvField(line.description) +
              ',' + std::to_string(line.quantity);
        if (withPrices) {
            const LinePrice price = linePrice(line, quotation.header.discount);
            csv += ',' + decimalText(line.listPrice) + ',' + percentText(price.discount) + ',' +
                   decimalText(price.unitNet) + ',' + decimalText(price.extended);
        }
        csv += "\r\n";
        write(csv);
    }
}

std::string quotationCsv(const Quotation& quotation, bool withPrices) {
    std::string csv;
    writeQuotationCsv(quotation, withPrices, [&csv](std::string_view piece) { csv += piece; });
    return csv;
}

}  // namespace tarvek
