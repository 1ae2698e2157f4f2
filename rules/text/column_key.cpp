#include "rules/text/column_key.h"

namespace tarvek {

std::string columnKey(std::string_view name) {
    std::string key;
    for (const char c : name)
        if (c >= 'A' && c <= 'Z')
            key += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key += c;
    return key;
}

std::string countText(std::size_t count) {
    std::string text = std::to_string(count);
    for (std::size_t at = text.size(); at > 3; at -= 3) text.insert(at - 3, 1, ',');
    return text;
}

}  // namespace tarvek
