// The quote document with tagged services: a quotation without one is written exactly as
// before (format 1) and older files open; with services it is format 2, each line's service
// and proposed mark as records after the line, tags without a valve as lines without a part
// number; what is written reads back the same, and damage is named with its line.
#include <gtest/gtest.h>

#include "rules/quotes/quotation_document.h"
#include "rules/quotes/service_record.h"
#include "tests/support/quotation_examples.h"
#include "tests/support/random_services.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

Service purge() {
    Service s;
    s.tag = "FV-101";
    s.description = "Nitrogen purge, R-1 \\ R-2";
    s.conditions.gas = "Nitrogen";
    s.conditions.temperature = "21.1";
    s.conditions.inletPressure = "6.9";
    s.conditions.outletPressure = "1.4";
    s.conditions.flow(FlowCase::Normal) = "12.5";
    s.conditions.flow(FlowCase::Maximum) = "20";
    s.conditions.units = {PressureUnit::BarGauge, TemperatureUnit::Celsius,
                          FlowUnit::NormalCubicMetresPerHour};
    s.conditions.method = CalculationMethod::Iec;
    s.conditions.xt = "0.6";
    s.margin = "10";
    s.connectionKind = "Male Face Seal";
    s.connectionSize = "1/4 inch";
    return s;
}

Quotation withServices() {
    Quotation q{exampleHeader(), {}};
    QuotationLine valve;
    valve.partNumber = "A310-MX2-2A-MXFX-VS";
    valve.listPrice = {350'00};
    valve.description = "Diaphragm Valves";
    valve.service = purge();
    valve.proposed = true;
    QuotationLine tag;
    tag.service = purge();
    tag.service->tag = "PCV-7";
    tag.service->conditions = {};
    tag.service->conditions.specificGravity = "0.554";
    tag.service->conditions.specificHeat = "1.31";
    tag.quantity = 2;
    QuotationLine plain = valve;
    plain.service.reset();
    plain.proposed = false;
    q.lines = {valve, tag, plain};
    return q;
}

const char* const kServicesDocument =
    "TARVEK-QUOTE\t2\n"
    "number\tTQ-20130205-143005\n"
    "customer\tNordgas Ltd.\n"
    "contact\tR. Haldane\n"
    "reference\tRFQ 7781\n"
    "date\t2013-02-05\n"
    "validity\t30\n"
    "price-list\t2013 Tarvek Products Catalog (130205)\n"
    "notes\tDelivery ex works.\\nPrices in US dollars.\n"
    "line\tA310-MX2-2A-MXFX-VS\t1\t\t350.00\tDiaphragm Valves\n"
    "service\tFV-101\tNitrogen purge, R-1 \\\\ "
    "R-2\tNitrogen\t\t\t21.1\t°C\t6.9\t1.4\tbar(g)\t\t12.5\t20\tNm³/h\tiec\t10\t"
    "0.6\t\tMale Face Seal\t1/4 inch\n"
    "proposed\n"
    "line\t\t2\t\t0.00\t\n"
    "service\tPCV-7\tNitrogen purge, R-1 \\\\ "
    "R-2\t\t0.554\t1.31\t\t°F\t\t\tpsig\t\t\t\tslm\tcatalogue\t10\t\t\tMale Face "
    "Seal\t1/4 inch\n"
    "line\tA310-MX2-2A-MXFX-VS\t1\t\t350.00\tDiaphragm Valves\n"
    "end\t3\n";

TEST(ServiceDocument, ServicesAreRecordsAfterTheirLinesInFormat2) {
    EXPECT_EQ(quotationDocumentFormat(withServices()), 2);
    EXPECT_EQ(quotationDocument(withServices()), kServicesDocument);
    const QuotationReading reading = readQuotationDocument(kServicesDocument);
    ASSERT_TRUE(reading.quotation) << reading.problem;
    EXPECT_EQ(*reading.quotation, withServices());
}

TEST(ServiceDocument, AQuotationWithoutServicesIsFormat1AsBefore) {
    Quotation plain = withServices();
    plain.lines.erase(plain.lines.begin(), plain.lines.begin() + 2);
    EXPECT_EQ(quotationDocumentFormat(plain), 1);
    const std::string document = quotationDocument(plain);
    EXPECT_TRUE(document.starts_with("TARVEK-QUOTE\t1\n"));
    EXPECT_EQ(document.find("service"), std::string::npos);
    // A version-1 file, as an older program wrote it, opens.
    const char* const version1 =
        "TARVEK-QUOTE\t1\nnumber\tQ-1\ndate\t2013-02-05\nvalidity\t30\nprice-list\tP\n"
        "line\tA310-MX2-2A-MXFX-VS\t3\t5\t350.00\tDiaphragm Valves\nend\t1\n";
    const QuotationReading reading = readQuotationDocument(version1);
    ASSERT_TRUE(reading.quotation) << reading.problem;
    EXPECT_EQ(reading.quotation->lines.at(0).quantity, 3);
    EXPECT_FALSE(reading.quotation->lines.at(0).service);
}

// Whatever services and quotations the program can hold are saved and opened again the same.
TEST(ServiceDocument, EveryQuotationWithServicesReadsBackTheSame) {
    RandomServices random(20130205);
    int services = 0, tags = 0;
    for (int i = 0; i < 400; ++i) {
        const Quotation q = random.quotation();
        if (!headerIsTaken(q.header)) continue;
        for (const QuotationLine& line : q.lines) {
            services += line.service.has_value();
            tags += line.partNumber.empty();
        }
        const QuotationReading reading = readQuotationDocument(quotationDocument(q));
        ASSERT_TRUE(reading.quotation) << "case " << i << ": " << reading.problem;
        EXPECT_EQ(*reading.quotation, q) << "case " << i;
    }
    EXPECT_GE(services, 200);  // the draw is no empty test
    EXPECT_GE(tags, 40);
}

TEST(ServiceDocument, DamageIsNamedWithItsLine) {
    const std::string good = kServicesDocument;
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string bytes;
        std::string problem;
    } cases[] = {
        {replaced("TARVEK-QUOTE\t2", "TARVEK-QUOTE\t1"), "line 11: unknown record \"service\""},
        {replaced("\tbar(g)\t", "\tbars\t"),
         "line 11: the service's pressure_unit \"bars\": The pressure units are psig, bar(g), kPa(g)"},
        {replaced("\tiec\t", "\tguess\t"),
         "line 11: the service's method \"guess\": The methods are catalogue and iec"},
        {replaced("\t12.5\t", "\t12,5\t"), "line 11: the service's flow_normal \"12,5\" is not a number"},
        {replaced("\t1/4 inch\n", "\t1/4 inch\tmore\n"), "line 11: a service has 22 fields, not 21"},
        {replaced("R-1 \\\\ R-2", "R-1 \\q R-2"),
         "line 11: the service's service holds a control character or a broken escape"},
        {replaced("proposed\n", "proposed\nproposed\n"), "line 13: proposed does not follow a service"},
        {replaced("proposed\n", "service\tX" + std::string(19, '\t') + "\n"),
         "line 12: service does not follow a line"},
        {replaced("line\t\t2\t\t0.00\t\nservice\tPCV-7", "line\t\t2\t\t0.00\t\nsorvice\tPCV-7"),
         "line 14: a line without a part number has no service"},
        {replaced("notes\t", "service\tX" + std::string(19, '\t') + "\nnotes\t"),
         "line 9: service does not follow a line"},
    };
    for (const auto& c : cases) {
        const QuotationReading reading = readQuotationDocument(c.bytes);
        EXPECT_FALSE(reading.quotation) << c.problem;
        EXPECT_EQ(reading.problem, c.problem);
    }
    // Format 1 keeps its rule: every line has a part number.
    EXPECT_EQ(
        readQuotationDocument("TARVEK-QUOTE\t1\nnumber\tQ\ndate\t2013-02-05\nvalidity\t1\nprice-list\tP\n"
                              "line\t\t1\t\t0.00\t\nend\t1\n")
            .problem,
        "line 6: a line has no part number, or one with a control character");
}

TEST(ServiceDocument, ARecordGivesBackItsService) {
    std::string problem;
    const std::string record = serviceRecord(purge());
    std::vector<std::string_view> fields;
    std::string_view rest(record);
    rest.remove_suffix(1);
    for (std::size_t tab; (tab = rest.find('\t')) != std::string_view::npos; rest.remove_prefix(tab + 1))
        fields.push_back(rest.substr(0, tab));
    fields.push_back(rest);
    ASSERT_EQ(fields.front(), kServiceRecord);
    EXPECT_EQ(readServiceRecord(std::span(fields).subspan(1), problem), purge()) << problem;
    EXPECT_EQ(serviceNumberProblem("-"), "");
    EXPECT_EQ(serviceNumberProblem("1e3"), "");
    EXPECT_EQ(serviceNumberProblem("12 psi"), "\"12 psi\" is not a number");
    EXPECT_EQ(serviceNumberProblem(std::string(101, '1')), "is longer than any number (100 characters)");
}

}  // namespace
