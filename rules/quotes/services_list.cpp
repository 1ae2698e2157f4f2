#include "rules/quotes/services_list.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/text/column_key.h"
#include "rules/text/delimited_text.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestShown = 60;
constexpr std::size_t kLongestCell = 1024;  // far longer than any tag, service or number

// What a column holds: a field of the service, or the line's part number, quantity or mark
// of a valve proposed and not yet accepted (a list the program wrote reads back with it).
enum class Extra { PartNumber = int(kServiceFieldCount), Quantity, Proposed };
constexpr std::size_t kColumnCount = kServiceFieldCount + 3;
using Column = int;  // a ServiceField, or an Extra

struct ColumnNames {
    Column column;
    std::array<std::string_view, 4> aliases;  // besides the field's own name; as columnKey writes them
};

constexpr std::array<ColumnNames, kColumnCount> kColumns = {{
    {int(ServiceField::Tag), {"tagno", "tagnumber"}},
    {int(ServiceField::Description), {"description", "servicedescription"}},
    {int(ServiceField::Gas), {"gasname", "fluid"}},
    {int(ServiceField::SpecificGravity), {"specificgravity"}},
    {int(ServiceField::SpecificHeat), {"specificheat", "specificheatratio", "cpcv"}},
    {int(ServiceField::Temperature), {"temp"}},
    {int(ServiceField::TemperatureUnit), {"tempunit"}},
    {int(ServiceField::InletPressure), {"inletpressure", "p1"}},
    {int(ServiceField::OutletPressure), {"outletpressure", "p2"}},
    {int(ServiceField::PressureUnit), {}},
    {int(ServiceField::FlowMinimum), {"flowminimum", "minflow", "minimumflow"}},
    {int(ServiceField::FlowNormal), {"normalflow", "flownor"}},
    {int(ServiceField::FlowMaximum), {"flowmaximum", "maxflow", "maximumflow"}},
    {int(ServiceField::FlowUnit), {}},
    {int(ServiceField::Method), {"sizingmethod"}},
    {int(ServiceField::Margin), {"marginpercent", "cvmargin"}},
    {int(ServiceField::Xt), {}},
    {int(ServiceField::Z), {"compressibility"}},
    {int(ServiceField::ConnectionKind), {"connection", "endconnection"}},
    {int(ServiceField::ConnectionSize), {"size"}},
    {int(Extra::PartNumber), {"partno", "pn"}},
    {int(Extra::Quantity), {"qty"}},
    {int(Extra::Proposed), {}},
}};

std::string_view columnName(Column column) {
    if (column == int(Extra::PartNumber)) return "part_number";
    if (column == int(Extra::Quantity)) return "quantity";
    if (column == int(Extra::Proposed)) return "proposed";
    return serviceFieldName(ServiceField(column));
}

std::optional<Column> columnNamed(std::string_view header) {
    const std::string key = columnKey(header);
    for (const ColumnNames& names : kColumns) {
        if (key == columnKey(columnName(names.column))) return names.column;
        for (const std::string_view alias : names.aliases)
            if (!alias.empty() && key == alias) return names.column;
    }
    return std::nullopt;
}

// The place of each column in the rows; none where the header does not name it. The first of
// two columns of one name is read.
using Places = std::array<std::optional<std::size_t>, kColumnCount>;

std::optional<Places> placesOf(const CellRow& header) {
    Places places;
    for (std::size_t i = 0; i < header.cells.size(); ++i)
        if (const auto column = columnNamed(header.cells[i]); column && !places[std::size_t(*column)])
            places[std::size_t(*column)] = i;
    if (!places[std::size_t(ServiceField::Tag)]) return std::nullopt;
    return places;
}

// The fields in the order a row is read: the method and units first, as the numbers' checks
// follow them; the gas before its values.
constexpr std::array<ServiceField, kServiceFieldCount> kReadOrder = {
    ServiceField::Method,
    ServiceField::TemperatureUnit,
    ServiceField::PressureUnit,
    ServiceField::FlowUnit,
    ServiceField::Tag,
    ServiceField::Description,
    ServiceField::Gas,
    ServiceField::SpecificGravity,
    ServiceField::SpecificHeat,
    ServiceField::Temperature,
    ServiceField::InletPressure,
    ServiceField::OutletPressure,
    ServiceField::FlowMinimum,
    ServiceField::FlowNormal,
    ServiceField::FlowMaximum,
    ServiceField::Margin,
    ServiceField::Xt,
    ServiceField::Z,
    ServiceField::ConnectionKind,
    ServiceField::ConnectionSize,
};

class RowReader {
  public:
    RowReader(const CellRow& row, const Places& places, const ServiceChoices& choices)
        : row_(row), places_(places), choices_(choices) {}

    // The row's service, or the problem that keeps it out.
    std::optional<ServiceRow> read(std::string& problem) {
        ServiceRow read{row_.number, {}, {}, 1};
        for (std::size_t i = 0; i < row_.cells.size(); ++i)
            if (row_.cells[i].size() > kLongestCell)
                return fail(problem, "a cell is longer than " + countText(kLongestCell) + " characters");
        if (cell(int(ServiceField::Tag)).empty()) return fail(problem, "no tag");
        if (!cell(int(ServiceField::Gas)).empty() && (!cell(int(ServiceField::SpecificGravity)).empty() ||
                                                      !cell(int(ServiceField::SpecificHeat)).empty()))
            return fail(problem, "give the gas or its sg and k, not both");
        for (const ServiceField field : kReadOrder) {
            const std::string_view text = cell(int(field));
            if (text.empty()) continue;
            const ServiceFieldEdit edit = editService(read.service, field, text, choices_);
            const std::string given =
                std::string(serviceFieldName(field)) + " \"" + displayable(text, 40) + "\"";
            if (edit.refused()) return fail(problem, given + ": " + edit.prompt);
            if (edit.check == EntryCheck::Partial) return fail(problem, given + " is not a number");
        }
        read.partNumber = std::string(cell(int(Extra::PartNumber)));
        if (const std::string wrong = headerTextProblem(read.partNumber); !wrong.empty())
            return fail(problem, "the part number " + wrong);
        if (const std::string_view quantity = cell(int(Extra::Quantity)); !quantity.empty()) {
            const std::optional<int> parsed = parseQuantity(quantity, &problem);
            if (!parsed) return std::nullopt;
            read.quantity = *parsed;
        }
        if (const std::string key = columnKey(cell(int(Extra::Proposed))); key == "yes")
            read.proposed = true;
        else if (!key.empty() && key != "no")
            return fail(problem, "proposed \"" + displayable(cell(int(Extra::Proposed)), 40) +
                                     "\" is neither yes nor no");
        return read;
    }

  private:
    static std::optional<ServiceRow> fail(std::string& problem, std::string why) {
        problem = std::move(why);
        return std::nullopt;
    }

    // A cell without the blanks around it; the service's description as written, so that a
    // list written by the program reads back exactly.
    std::string_view cell(Column column) const {
        const std::optional<std::size_t> place = places_[std::size_t(column)];
        if (!place || *place >= row_.cells.size()) return {};
        if (column == int(ServiceField::Description)) return row_.cells[*place];
        return withoutSurroundingBlanks(row_.cells[*place]);
    }

    const CellRow& row_;
    const Places& places_;
    const ServiceChoices& choices_;
};

// "300,000 rows past the 100,000 services a list holds"
std::string pastRoom(std::size_t rows) {
    return countText(rows) + (rows == 1 ? " row" : " rows") + " past the " + countText(kMostServiceRows) +
           " services a list holds";
}

}  // namespace

std::vector<std::string_view> servicesListColumns() {
    std::vector<std::string_view> columns;
    for (std::size_t f = 0; f < kServiceFieldCount; ++f) columns.push_back(serviceFieldName(ServiceField(f)));
    columns.push_back(columnName(int(Extra::PartNumber)));
    columns.push_back(columnName(int(Extra::Quantity)));
    return columns;
}

ServicesList readServicesRows(std::span<const CellRow> rows, const ServiceChoices& choices,
                              std::size_t room) {
    ServicesList list;
    if (rows.empty()) return list;
    const std::optional<Places> places = placesOf(rows.front());
    if (!places) {
        list.problems.push_back(
            {rows.front().number, "",
             "the first row names no tag column: a services list begins with a header row "
             "naming its columns (tag, service, gas, temperature, inlet, outlet, flow_max, …)"});
        return list;
    }
    const std::span<const CellRow> body = rows.subspan(1);
    const std::size_t taken = std::min(body.size(), room);
    for (const CellRow& row : body.first(taken)) {
        std::string problem;
        if (std::optional<ServiceRow> read = RowReader(row, *places, choices).read(problem))
            list.rows.push_back(std::move(*read));
        else {
            const std::size_t tag = places->at(std::size_t(ServiceField::Tag)).value_or(0);
            const std::string given =
                tag < row.cells.size() ? std::string(withoutSurroundingBlanks(row.cells[tag])) : "";
            list.problems.push_back({row.number, displayable(given, kLongestShown), problem});
        }
    }
    if (body.size() > taken) {
        const std::size_t past = body.size() - taken;
        list.problems.push_back({body[taken].number, "", pastRoom(past), body.back().number});
    }
    return list;
}

ServicesList readServicesCsv(std::string_view text, const ServiceChoices& choices, std::size_t room) {
    // A cell one longer than the longest is kept, so that it is told.
    const DelimitedText read = readDelimitedText(text, room + 1, kLongestCell + 1);
    ServicesList list = readServicesRows(read.rows.rows, choices, room);
    // The header and `room` rows were kept: the reader only counted the rest.
    if (const KeptRows::Beyond& beyond = read.rows.beyond; beyond.rows > 0)
        list.problems.push_back({beyond.first, "", pastRoom(beyond.rows), beyond.last});
    return list;
}

PastedQuotationLines serviceLinesOf(const ServicesList& list, LineEvents events) {
    PastedQuotationLines result;
    result.problems = list.problems;
    result.lines.reserve(list.rows.size());
    // A list often names one valve for many tags: each number is decoded once.
    std::map<std::string, std::optional<QuotationLine>, std::less<>> decoded;
    std::map<std::string, std::string, std::less<>> unknown;
    for (const ServiceRow& row : list.rows) {
        QuotationLine line;
        if (!row.partNumber.empty()) {
            const std::string key = normalizedPartNumber(row.partNumber);
            auto found = decoded.find(key);
            if (found == decoded.end()) {
                std::string problem;
                std::optional<QuotationLine> valve = lineForPartNumber(row.partNumber, &problem);
                if (valve && events == LineEvents::Dropped)
                    std::vector<ConfiguratorEvent>().swap(valve->events);
                if (!valve) unknown.emplace(key, problem);
                found = decoded.emplace(key, std::move(valve)).first;
            }
            if (!found->second) {
                result.problems.push_back(
                    {row.lineNumber, displayable(row.service.tag, kLongestShown),
                     "part number " + displayable(row.partNumber, kLongestShown) + ": " + unknown[key]});
                continue;
            }
            line = *found->second;
        }
        line.quantity = row.quantity;
        line.service = row.service;
        line.proposed = row.proposed && !line.partNumber.empty();
        result.lines.push_back(std::move(line));
    }
    std::stable_sort(
        result.problems.begin(), result.problems.end(),
        [](const PastedProblem& a, const PastedProblem& b) { return a.lineNumber < b.lineNumber; });
    return result;
}

}  // namespace tarvek
