#include "rules/part_numbers/pasted_part_numbers.h"

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quote.h"

namespace tarvek {

std::vector<std::string> partNumbersInPaste(std::string_view text) {
    std::vector<std::string> numbers;
    const std::string caption = std::string(kPartNumberCaption) + ':';
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = withoutSurroundingBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with(caption))
            return {std::string(withoutSurroundingBlanks(line.substr(caption.size())))};
        if (!line.empty()) numbers.emplace_back(line);
    }
    return numbers;
}

std::string linesLeftOfPaste(std::size_t left) {
    if (left == 0) return {};
    if (left == 1) return "1 more line of the paste was left: the field looks up one number.";
    return std::to_string(left) + " more lines of the paste were left: the field looks up one number.";
}

std::string answerToPaste(std::string_view firstAnswer, std::size_t left) {
    std::string answer(firstAnswer);
    if (left > 0) answer.append(" ").append(linesLeftOfPaste(left));
    return answer;
}

}  // namespace tarvek
