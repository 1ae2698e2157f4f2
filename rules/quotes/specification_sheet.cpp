#include "rules/quotes/specification_sheet.h"

#include "rules/calculator/sizing_text.h"
#include "rules/catalogue/portings.h"
#include "rules/configurator/configuration_description.h"
#include "rules/configurator/steps.h"
#include "rules/numbers/number_text.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/quote.h"
#include "rules/search/product_attributes.h"

namespace tarvek {
namespace {

using Row = std::vector<std::string>;

std::string withUnit(std::string_view caption, std::string_view unit) {
    return std::string(caption) + " (" + std::string(unit) + ")";
}

void pair(SheetBlock& block, std::string caption, std::string text) {
    if (!text.empty()) block.rows.push_back({std::move(caption), std::move(text)});
}

SheetBlock identification(const Quotation& q, std::size_t line, const Service& service, std::string sheetOf) {
    SheetBlock block{"Identification", {}, {}};
    pair(block, "Quotation", q.header.number);
    pair(block, "Customer", q.header.customer);
    pair(block, "Reference", q.header.reference);
    pair(block, "Date", q.header.date);
    pair(block, "Tag", service.tag);
    pair(block, "Service", service.description);
    pair(block, "Quotation line", std::to_string(line + 1));
    pair(block, "Sheet", std::move(sheetOf));
    return block;
}

SheetBlock fluid(const Service& service, const ServiceCheck& check) {
    const ServiceConditions& c = service.conditions;
    SheetBlock block{"Fluid", {}, {}};
    pair(block, "Gas", c.gas.empty() ? std::string("Given by its properties") : c.gas);
    pair(block, "Specific gravity (air = 1)", check.sizing.specificGravity);
    pair(block, "Ratio of specific heats k", check.sizing.specificHeat);
    if (c.method == CalculationMethod::Iec) pair(block, "Compressibility Z", c.z.empty() ? "1" : c.z);
    return block;
}

// The columns of the cases given: "Minimum", "Normal", "Maximum".
Row caseHeading(const ServiceConditions& c) {
    Row heading{""};
    for (const FlowCase flowCase : kFlowCases)
        if (!c.flow(flowCase).empty()) heading.emplace_back(flowCaseTitle(flowCase));
    return heading;
}

SheetBlock conditions(const Service& service) {
    const ServiceConditions& c = service.conditions;
    SheetBlock block{"Service conditions", caseHeading(c), {}};
    Row flows{withUnit("Flow", unitTextWithConditions(c.units.flow))};
    for (const FlowCase flowCase : kFlowCases)
        if (!c.flow(flowCase).empty()) flows.push_back(c.flow(flowCase));
    block.rows.push_back(std::move(flows));
    const std::pair<std::string, const std::string*> same[] = {
        {withUnit("Inlet pressure", unitText(c.units.pressure)), &c.inletPressure},
        {withUnit("Outlet pressure", unitText(c.units.pressure)), &c.outletPressure},
        {withUnit("Temperature", unitText(c.units.temperature)), &c.temperature},
    };
    for (const auto& [caption, text] : same) {
        Row row{caption};
        row.resize(block.heading.size(), *text);
        block.rows.push_back(std::move(row));
    }
    return block;
}

SheetBlock sizing(const Service& service, const ServiceCheck& check) {
    const ServiceConditions& c = service.conditions;
    SheetBlock block{"Sizing: " + std::string(methodTitle(c.method)), caseHeading(c), {}};
    if (!check.sizing.noResult.empty()) {
        block.heading.clear();
        pair(block, "No result", check.sizing.noResult);
        return block;
    }
    const auto row = [&](std::string caption, auto text) {
        Row r{std::move(caption)};
        for (const CaseSizing& sized : check.sizing.cases)
            r.push_back(sized.solution.ok() ? text(sized) : "");
        block.rows.push_back(std::move(r));
    };
    const bool iec = c.method == CalculationMethod::Iec;
    row("Cv required", [](const CaseSizing& s) { return s.solution.cv; });
    row(service.margin.empty() ? "Cv a valve must reach" : "Cv with " + service.margin + " % margin",
        [&](const CaseSizing& s) { return cvText(s.solution.cvNeeded.value_or(0) * marginFactor(service)); });
    row("Choked", [](const CaseSizing& s) { return std::string(s.solution.choked ? "yes" : "no"); });
    row("Pressure drop ratio x", [](const CaseSizing& s) { return s.solution.x; });
    row(iec ? "xT" : "Xt (choked flow ratio)", [](const CaseSizing& s) { return s.solution.xt; });
    if (iec) {
        row("Fγ", [](const CaseSizing& s) { return s.solution.fGamma; });
        row("Expansion factor Y", [](const CaseSizing& s) { return s.solution.y; });
        row("Flow regime",
            [](const CaseSizing& s) { return s.solution.sizing ? flowRegimeText(*s.solution.sizing) : ""; });
    }
    row("Flow (kg/h)", [](const CaseSizing& s) { return s.solution.flowKilogramsPerHour; });
    Row reasons{"No result"};
    bool anyFailed = false;
    for (const CaseSizing& sized : check.sizing.cases) {
        reasons.push_back(sized.solution.noResult);
        anyFailed = anyFailed || !sized.solution.ok();
    }
    if (anyFailed) block.rows.push_back(std::move(reasons));
    return block;
}

// The configuration's steps as the catalogue's quote names them, with what a search reads of them.
void configurationRows(SheetBlock& block, const ConfiguratorState& state) {
    const Quote quote = quoteOf(state);
    pair(block, std::string(kPartNumberCaption), quote.partNumber);
    for (const QuoteLine& line : quote.description) pair(block, std::string(line.caption), line.text);
    pair(block, "Actuator", search::actuatorKind(stepText(state, Step::Model)));
    const search::ValveRating rating =
        state.valveDescriptionShown ? search::valveRating(state.valveDescription) : search::ValveRating{};
    if (rating.cvThousandths) pair(block, "Rated Cv", numberText(*rating.cvThousandths / 1000.0));
    if (rating.ratedPsig) pair(block, "Rated pressure (psig)", std::to_string(*rating.ratedPsig));
    if (quote.nonStandard) pair(block, "Standard", std::string(kNonStandardBanner));
}

SheetBlock valve(const QuotationLine& line, const std::optional<ConfiguratorState>& state,
                 const ServiceCheck& check) {
    SheetBlock block{"Valve", {}, {}};
    if (line.partNumber.empty()) {
        pair(block, "Part number", "none chosen yet");
    } else if (state) {
        configurationRows(block, *state);
    } else {
        pair(block, "Part number", line.partNumber);
        pair(block, "Description", line.description);
    }
    if (line.proposed) pair(block, "Chosen", "Proposed for the service, not yet accepted");
    if (check.margin) pair(block, "Margin (rated Cv ÷ Cv required)", ratioText(*check.margin));
    pair(block, "Verdict", std::string(verdictTitle(check.verdict)));
    pair(block, "Reason", check.reason);
    return block;
}

SheetBlock prices(const QuotationLine& line, const Quotation& q) {
    SheetBlock block{"Prices (US$)", {}, {}};
    const LinePrice price = linePrice(line, q.header.discount);
    pair(block, "List price", groupedText(line.listPrice));
    pair(block, "Discount %", percentText(price.discount));
    pair(block, "Net price", groupedText(price.unitNet));
    pair(block, "Quantity", std::to_string(line.quantity));
    pair(block, "Extended", groupedText(price.extended));
    return block;
}

std::string drawingOf(const ConfiguratorState& state) {
    const Porting* porting = findRow(kPortings, &Porting::entry, state.list(List::Porting).chosenText());
    return porting ? std::string(porting->drawing) : std::string();
}

}  // namespace

std::vector<SpecificationSheet> specificationSheets(const Quotation& q,
                                                    std::span<const std::optional<ServiceCheck>> checks,
                                                    bool withPrices) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < q.lines.size() && i < checks.size(); ++i)
        count += q.lines[i].service && checks[i];
    std::vector<SpecificationSheet> sheets;
    sheets.reserve(count);
    for (std::size_t i = 0; i < q.lines.size() && i < checks.size(); ++i) {
        const QuotationLine& line = q.lines[i];
        if (!line.service || !checks[i]) continue;
        const Service& service = *line.service;
        const ServiceCheck& check = *checks[i];
        const std::optional<ConfiguratorState> state = lineState(line);
        SpecificationSheet& sheet = sheets.emplace_back();
        sheet.title = "Specification sheet " + service.tag;
        sheet.sheetOf = "Sheet " + std::to_string(sheets.size()) + " of " + std::to_string(count);
        sheet.footer = "Quotation " + q.header.number;
        sheet.blocks.push_back(identification(q, i, service, sheet.sheetOf));
        sheet.blocks.push_back(fluid(service, check));
        sheet.blocks.push_back(conditions(service));
        sheet.blocks.push_back(sizing(service, check));
        sheet.blocks.push_back(valve(line, state, check));
        if (withPrices && !line.partNumber.empty()) sheet.blocks.push_back(prices(line, q));
        if (state) sheet.drawing = drawingOf(*state);
        sheet.picture = line.picture;
    }
    return sheets;
}

SpecificationSheet dataSheet(const ConfiguratorState& state, std::string_view date, bool withPrices) {
    SpecificationSheet sheet;
    sheet.title = "Data sheet " + state.partNumber;
    sheet.footer = std::string(kCatalogueEdition);
    SheetBlock identification{"Identification", {}, {}};
    pair(identification, "Catalogue", std::string(kCatalogueEdition));
    pair(identification, "Date", std::string(date));
    sheet.blocks.push_back(std::move(identification));
    SheetBlock product{"Product", {}, {}};
    configurationRows(product, state);
    sheet.blocks.push_back(std::move(product));
    const Quote quote = quoteOf(state);
    if (withPrices && !quote.prices.empty()) {
        SheetBlock block{"Prices", {}, {}};
        for (const QuoteLine& line : quote.prices) pair(block, std::string(line.caption), line.text);
        sheet.blocks.push_back(std::move(block));
    }
    sheet.drawing = drawingOf(state);
    sheet.picture = productPicture(eventsReaching(state));
    return sheet;
}

}  // namespace tarvek
