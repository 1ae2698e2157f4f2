#include "rules/quotes/service_steps.h"

#include "rules/configurator/configurator.h"
#include "rules/quotes/quotation_lines.h"

namespace tarvek {
namespace {

std::string needText(const search::ValveNeed& need) {
    std::string text = "Cv " + cvText(need.cv);
    if (const auto psig = search::pressureThreshold(need.inletPsig))
        text += " at " + std::to_string(*psig) + " psig";
    if (!need.connectionKind.empty() || !need.connectionSize.empty())
        text += " with " + need.connectionSize + (need.connectionSize.empty() ? "" : " ") +
                need.connectionKind + " ends";
    return text;
}

}  // namespace

ServiceFieldEdit editLineService(QuotationEditor& editor, std::size_t row, ServiceField field,
                                 std::string_view text, const ServiceChoices& choices) {
    if (row >= editor.quotation().lines.size()) return {};
    QuotationLine line = editor.quotation().lines[row];
    Service service = line.service.value_or(Service{});
    const ServiceFieldEdit edit = editService(service, field, text, choices);
    line.service = std::move(service);
    editor.replaceLines({{row, std::move(line)}}, "change the service");
    return edit;
}

void setLineService(QuotationEditor& editor, std::size_t row, std::optional<Service> service) {
    if (row >= editor.quotation().lines.size()) return;
    QuotationLine line = editor.quotation().lines[row];
    // A tag without a valve is nothing without its service.
    if (!service && line.partNumber.empty()) return editor.removeLines({row});
    const bool removed = !service;
    line.service = std::move(service);
    if (removed) line.proposed = false;
    editor.replaceLines({{row, std::move(line)}}, removed ? "remove the service" : "add the service");
}

bool isOpenTag(const ServiceCheck& check) {
    return check.verdict != Verdict::Fits && check.verdict != Verdict::NoResult;
}

std::optional<search::ValveNeed> valveNeed(const Service& service, const ServiceCheck& check) {
    if (!check.cvAsked) return std::nullopt;
    return search::ValveNeed{*check.cvAsked, check.inletPsig, service.connectionKind, service.connectionSize};
}

search::ValveProposals lineProposals(const QuotationLine& line, const ServiceCheck& check,
                                     const search::SearchIndex& index, std::size_t count) {
    if (!line.service || !isOpenTag(check)) return {};
    const std::optional<search::ValveNeed> need = valveNeed(*line.service, check);
    if (!need) return {};
    return search::proposeValves(index, *need, count);
}

QuotationLine withProposal(const QuotationLine& line, const search::ValveProposal& valve) {
    Configurator configurator;
    for (const ConfiguratorEvent& event : valve.configuration.events) configurator.apply(event);
    QuotationLine proposed = lineOf(configurator.state(), valve.configuration.events);
    proposed.quantity = line.quantity;
    proposed.discount = line.discount;
    proposed.service = line.service;
    proposed.proposed = true;
    return proposed;
}

TagProposals proposeForOpenTags(QuotationEditor& editor, std::span<const GasRecord> gases,
                                const search::SearchIndex& index) {
    TagProposals outcome;
    std::vector<std::pair<std::size_t, QuotationLine>> taken;
    const std::vector<QuotationLine>& lines = editor.quotation().lines;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::optional<ServiceCheck> check = checkLine(lines[row], gases);
        if (!check || !isOpenTag(*check)) continue;
        const search::ValveProposals proposals = lineProposals(lines[row], *check, index, 1);
        const std::string& tag = lines[row].service->tag;
        if (!proposals.problem.empty()) {
            outcome.unserved.push_back(tag + ": " + proposals.problem);
        } else if (proposals.valves.empty()) {
            outcome.unserved.push_back(tag + ": no standard valve serves " +
                                       needText(*valveNeed(*lines[row].service, *check)));
        } else {
            taken.emplace_back(row, withProposal(lines[row], proposals.valves.front()));
        }
    }
    outcome.proposed = taken.size();
    editor.replaceLines(std::move(taken), "propose valves");
    return outcome;
}

void acceptProposals(QuotationEditor& editor, const std::vector<std::size_t>& rows) {
    std::vector<std::pair<std::size_t, QuotationLine>> accepted;
    for (const std::size_t row : rows) {
        if (row >= editor.quotation().lines.size() || !editor.quotation().lines[row].proposed) continue;
        QuotationLine line = editor.quotation().lines[row];
        line.proposed = false;
        accepted.emplace_back(row, std::move(line));
    }
    std::string what = accepted.size() == 1 ? "accept the proposal" : "accept the proposals";
    editor.replaceLines(std::move(accepted), std::move(what));
}

std::string tagProposalsMessage(const TagProposals& p) {
    std::string message = p.proposed == 0   ? std::string("No valve proposed.")
                          : p.proposed == 1 ? std::string("Proposed a valve for 1 tag.")
                                            : "Proposed valves for " + std::to_string(p.proposed) + " tags.";
    if (!p.unserved.empty()) message += " Left open (" + std::to_string(p.unserved.size()) + "):";
    for (const std::string& tag : p.unserved) message += "\n" + tag;
    return message;
}

}  // namespace tarvek
