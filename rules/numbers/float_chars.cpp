#include "rules/numbers/float_chars.h"

#include <fast_float/fast_float.h>
#include <locale.h>

#include <cmath>
#include <cstdio>

namespace tarvek {

bool readDouble(std::string_view text, double& value) {
    const char* last = text.data() + text.size();
    double read = 0;
    const auto [end, error] =
        fast_float::from_chars(text.data(), last, read, fast_float::chars_format::general);
    // fast_float gives the infinities and zeros beyond the range (and reads "inf" and "nan")
    // without an error, where std::from_chars reports them; the callers read those otherwise.
    if (error != std::errc() || end != last || !std::isfinite(read)) return false;
    if (read == 0)
        for (const char* c = text.data(); c != last && *c != 'e' && *c != 'E'; ++c)
            if (*c >= '1' && *c <= '9') return false;
    value = read;
    return true;
}

char* printfFloat(char* first, char* last, double value, std::chars_format format, int precision) {
    const char* form = format == std::chars_format::fixed        ? "%.*f"
                       : format == std::chars_format::scientific ? "%.*e"
                                                                 : "%.*g";
    // printf reads the decimal separator from the thread's locale; the C locale's is a period.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t before = uselocale(cLocale);
    const int length = std::snprintf(first, std::size_t(last - first), form, precision, value);
    uselocale(before);
    return length >= 0 && length < last - first ? first + length : first;
}

char* writeFloat(char* first, char* last, double value, std::chars_format format, int precision) {
#if defined(__cpp_lib_to_chars)
    const auto [end, error] = std::to_chars(first, last, value, format, precision);
    return error == std::errc() ? end : first;
#else
    return printfFloat(first, last, value, format, precision);
#endif
}

}  // namespace tarvek
