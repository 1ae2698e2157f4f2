#include "rules/quotes/quotation_messages.h"

#include <algorithm>

#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestTypedShown = 40;  // of a refused entry, in the message
constexpr std::size_t kLongestFileNameShown = 255;
static_assert(kLargestImport == 64 * 1024 * 1024, "kImportTooLarge names the size");

std::string plural(std::size_t count, std::string_view noun) {
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

std::string sentence(std::string_view text) {
    if (text.empty()) return ".";
    std::string s(text);
    if (s[0] >= 'a' && s[0] <= 'z') s[0] = char(s[0] - 'a' + 'A');
    return s + '.';
}

}  // namespace

std::string addedLineMessage(std::string_view partNumber, std::size_t row) {
    return "Added " + std::string(partNumber) + " as line " + std::to_string(row + 1) + ".";
}

std::string pastedLinesMessage(std::size_t added, const std::vector<PastedProblem>& problems) {
    std::string text = "Added " + plural(added, "line") + ".";
    if (problems.empty()) return text;
    text += " Not added (" + std::to_string(problems.size()) + "):";
    for (std::size_t i = 0; i < std::min(kListedProblems, problems.size()); ++i)
        text += "\n" + problemText(problems[i]);
    if (problems.size() > kListedProblems)
        text += "\n\xE2\x80\xA6 and " + std::to_string(problems.size() - kListedProblems) +
                " more (see the tooltip)";
    return text;
}

std::string pastedProblemsDetails(const std::vector<PastedProblem>& problems) {
    std::string text;
    for (const PastedProblem& problem : problems) text += (text.empty() ? "" : "\n") + problemText(problem);
    return text;
}

std::string lineGoneMessage(std::size_t row, std::string_view partNumber) {
    return "Line " + std::to_string(row + 1) + " (" + std::string(partNumber) +
           ") is no longer in the catalogue.";
}

std::string lineUpdatedMessage(std::size_t row, std::string_view partNumber) {
    return "Line " + std::to_string(row + 1) + " is now " + std::string(partNumber) + ".";
}

std::vector<std::string> repricingChanges(const Quotation& quotation) {
    std::vector<std::string> changes;
    for (std::size_t i = 0; i < quotation.lines.size(); ++i)
        if (!quotation.lines[i].change.empty())
            changes.push_back("line " + std::to_string(i + 1) + ": " + quotation.lines[i].change);
    return changes;
}

std::string openedMessage(std::string_view fileName, const std::vector<std::string>& changes) {
    const std::string opened = "Opened \"" + std::string(fileName) + "\": ";
    if (changes.empty()) return opened + "every line priced as saved.";
    std::string text = opened + plural(changes.size(), "line") + " changed since priced (marked):\n";
    for (std::size_t i = 0; i < std::min(kListedProblems, changes.size()); ++i)
        text += (i ? "\n" : "") + changes[i];
    return text;
}

std::string totalsText(const Quotation& quotation, bool withPrices) {
    const QuotationTotals totals = totalsOf(quotation);
    const std::string counts =
        plural(quotation.lines.size(), "line") + ", " + plural(std::size_t(totals.pieces), "piece");
    if (!withPrices) return counts;
    return counts + "   Subtotal: " + moneyText(totals.subtotal) + "   Total: " + moneyText(totals.total);
}

std::string cellRefusalText(std::string_view problem) { return sentence(problem); }

std::string cellRefusalMessage(std::size_t row, std::string_view problem) {
    return "Line " + std::to_string(row + 1) + ": " + cellRefusalText(problem);
}

std::string headerTextRefusal(HeaderText field, std::string_view text) {
    const std::string problem = headerTextProblem(text, field == HeaderText::Notes);
    if (problem.empty()) return {};
    constexpr std::string_view kSubjects[] = {"The customer was", "The contact was", "The reference was",
                                              "The quote number was", "The notes were"};
    return std::string(kSubjects[std::size_t(field)]) + " not taken: the text " + problem + ".";
}

std::string headerDiscountRefusal(std::string_view typed, std::string_view problem) {
    return "The quote's discount \"" + std::string(typed) + "\" was not taken: " + std::string(problem) + ".";
}

std::string headerDateRefusal(std::string_view typed) {
    if (typed.empty()) return "The date was not taken: a quote always has a date.";
    return "The date \"" + displayable(typed, kLongestTypedShown) +
           "\" was not taken: it is no date of the calendar written YYYY-MM-DD.";
}

std::string headerValidityRefusal(std::string_view typed) {
    const std::string why =
        " was not taken: a quote is valid for 0 to " + std::to_string(kMostValidityDays) + " days.";
    if (typed.empty()) return "The validity" + why;
    return "The validity \"" + displayable(typed, kLongestTypedShown) + "\"" + why;
}

std::string importRefusalMessage(std::string_view fileName, std::string_view problem) {
    return "The file \"" + displayable(fileName, kLongestFileNameShown) +
           "\" was not imported: " + std::string(problem) + ".";
}

std::string lineChangeTip(std::string_view change) {
    return "Changed since it was priced: " + std::string(change);
}

}  // namespace tarvek
