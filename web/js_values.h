// The JavaScript values every binding file builds from the rules' texts.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace tarvek::web {

inline emscripten::val text(std::string_view s) { return emscripten::val(std::string(s)); }

// An array of the texts `textOf` gives for each item, in order.
template <typename Items, typename Text>
emscripten::val textsOf(const Items& items, Text textOf) {
    emscripten::val list = emscripten::val::array();
    int i = 0;
    for (const auto& item : items) list.set(i++, text(textOf(item)));
    return list;
}

// An array of texts as they are.
template <typename Texts>
emscripten::val textArray(const Texts& texts) {
    return textsOf(texts, [](const auto& t) -> std::string_view { return t; });
}

}  // namespace tarvek::web
