// Tagged services as undoable steps of a quotation: a field of a line's service edited, a
// service added or taken away, the cheapest standard valve proposed for every open tag (marked
// as proposed until accepted), a proposal accepted.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/quotes/quotation_editor.h"
#include "rules/quotes/service_edit.h"
#include "rules/quotes/service_fit.h"
#include "rules/search/valve_proposals.h"

namespace tarvek {

// A field of the line's service set from its text (a line without a service gets one), as
// one step "change the service"; the field's check as editService gives it.
ServiceFieldEdit editLineService(QuotationEditor& editor, std::size_t row, ServiceField field,
                                 std::string_view text, const ServiceChoices& choices);
// The line's service given or taken away, as one step; a tag without a valve goes with its service.
void setLineService(QuotationEditor& editor, std::size_t row, std::optional<Service> service);

// A tag that wants a valve: its service sized, and no valve yet, or one that does not serve it.
bool isOpenTag(const ServiceCheck& check);

// What the service asks of a valve; none without a sizing.
std::optional<search::ValveNeed> valveNeed(const Service& service, const ServiceCheck& check);

// The cheapest standard valves for the line's open tag; none asked (no valves, no problem) for
// a line that is no open tag.
search::ValveProposals lineProposals(const QuotationLine& line, const ServiceCheck& check,
                                     const search::SearchIndex& index,
                                     std::size_t count = search::kProposalCount);

// The line with the valve in place of its own: its part number, price, description and
// configuration; its quantity, discount and service kept; marked as proposed.
QuotationLine withProposal(const QuotationLine& line, const search::ValveProposal& valve);

struct TagProposals {
    std::size_t proposed = 0;  // lines that took a valve
    // The open tags no standard valve serves, one a line: "FV-104: no standard valve serves
    // Cv 2.05 at 300 psig"; and those whose need could not be asked.
    std::vector<std::string> unserved;
};

// Every open tag given its first proposal, as one step "propose valves".
TagProposals proposeForOpenTags(QuotationEditor& editor, std::span<const GasRecord> gases,
                                const search::SearchIndex& index);

// The proposals of the rows accepted as one step; rows without one are left as they are.
void acceptProposals(QuotationEditor& editor, const std::vector<std::size_t>& rows);

// "Proposed valves for 4 tags." then the tags left open, one a line.
std::string tagProposalsMessage(const TagProposals& proposals);

}  // namespace tarvek
