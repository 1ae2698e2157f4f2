#include "rules/part_numbers/find_answer.h"

namespace tarvek {

std::string findAnswer(const PartNumberDecoding& decoding) {
    switch (decoding.status) {
        case PartNumberDecoding::Status::Ok:
            return decoding.configurations.front().state.partNumber + " is set.";
        case PartNumberDecoding::Status::Ambiguous:
            return std::to_string(decoding.configurations.size()) + " configurations give " +
                   decoding.partNumber + "; the one with the fewest choices is set.";
        case PartNumberDecoding::Status::Unknown:
            break;
    }
    return decoding.explanation;
}

}  // namespace tarvek
