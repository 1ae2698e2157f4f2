#include "rules/numbers/float_chars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace tarvek {
namespace {

std::string written(double value, std::chars_format format, int precision) {
    char buffer[400];
    return std::string(buffer, writeFloat(buffer, buffer + sizeof buffer, value, format, precision));
}

std::string printed(double value, std::chars_format format, int precision) {
    char buffer[400];
    return std::string(buffer, printfFloat(buffer, buffer + sizeof buffer, value, format, precision));
}

// Where the standard library has std::to_chars (GCC's), the printf form the WebAssembly build
// uses must give the same bytes for every kind of double: whole prices, cents, values near
// the powers of ten where %g changes form, and random bit patterns over the whole range.
TEST(FloatChars, PrintfGivesWhatToCharsGives) {
    std::mt19937_64 random(20130205);
    struct Form {
        std::chars_format format;
        int precision;
    };
    const Form forms[] = {{std::chars_format::general, 15},   {std::chars_format::general, 7},
                          {std::chars_format::general, 3},    {std::chars_format::general, 17},
                          {std::chars_format::fixed, 0},      {std::chars_format::fixed, 2},
                          {std::chars_format::fixed, 15},     {std::chars_format::scientific, 2},
                          {std::chars_format::scientific, 14}};
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        switch (i % 4) {
            case 0:
                value = double(random() % 10000000) / 100;  // a price in cents
                break;
            case 1:
                value = std::ldexp(double(random() % 1000000) + 0.5, int(random() % 120) - 60);
                break;
            case 2:
                value = 9.99999999999999 * std::pow(10.0, int(random() % 40) - 20);
                break;
            default: {
                const std::uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);  // libc++ 14 has no std::bit_cast
                if (!std::isfinite(value)) continue;
            }
        }
        if (random() % 2) value = -value;
        for (const Form& f : forms) {
            if (f.format == std::chars_format::fixed && std::fabs(value) > 1e30) continue;
            ASSERT_EQ(printed(value, f.format, f.precision), written(value, f.format, f.precision))
                << value << " precision " << f.precision;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100000);
}

// The number texts' own examples: the catalogue writes these, whatever the standard library.
TEST(FloatChars, WritesTheFormsOfPrintf) {
    struct Case {
        double value;
        std::chars_format format;
        int precision;
        const char* text;
    };
    const Case cases[] = {
        {166.5, std::chars_format::general, 15, "166.5"},
        {1e15, std::chars_format::general, 15, "1e+15"},
        {1e-5, std::chars_format::general, 15, "1e-05"},
        {0.1 + 0.2, std::chars_format::general, 15, "0.3"},
        {0.1 + 0.2, std::chars_format::general, 17, "0.30000000000000004"},
        {2.5, std::chars_format::fixed, 0, "2"},  // ties to even, as printf rounds
        {1922.9f, std::chars_format::general, 7, "1922.9"},
        {64.525, std::chars_format::fixed, 2, "64.53"},  // 64.525 lies above the tie
        {1234.5, std::chars_format::scientific, 2, "1.23e+03"},
    };
    for (const Case& c : cases) EXPECT_EQ(written(c.value, c.format, c.precision), c.text) << c.text;
}

TEST(FloatChars, TooSmallABufferWritesNothing) {
    char buffer[4];
    EXPECT_EQ(writeFloat(buffer, buffer + sizeof buffer, 123456.0, std::chars_format::fixed, 2), buffer);
    EXPECT_EQ(printfFloat(buffer, buffer + sizeof buffer, 123456.0, std::chars_format::fixed, 2), buffer);
}

// Reading is correctly rounded, as strtod in the C locale is: the same double for random
// decimal texts of every length and exponent.
TEST(FloatChars, ReadsAsStrtodReads) {
    std::mt19937_64 random(130205);
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + int(random() % 25);
        for (int d = 0; d < digits; ++d) text += char('0' + random() % 10);
        if (random() % 2) text.insert(text.size() - std::size_t(random() % std::size_t(digits)), ".");
        if (random() % 2) text += "e" + std::to_string(int(random() % 600) - 300);
        double value = -1;
        const double expected = std::strtod(text.c_str(), nullptr);
        if (std::isinf(expected) || (expected == 0 && text.find_first_of("123456789") < text.find('e'))) {
            EXPECT_FALSE(readDouble(text, value)) << text;
            continue;
        }
        ASSERT_TRUE(readDouble(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST(FloatChars, ReadsOnlyAWholeNumber) {
    double value = 7;
    for (const char* text : {"", "-", ".", "1x", "1e", "0x10", " 1", "1 ", "inf", "nan", "1e400", "1e-400"})
        EXPECT_FALSE(readDouble(text, value)) << '"' << text << '"';
    EXPECT_EQ(value, 7);
    for (const auto& [text, expected] : {std::pair{"0", 0.0},
                                         {".5", 0.5},
                                         {"5.", 5.0},
                                         {"-0.0e5", -0.0},
                                         {"1e-310", 1e-310},
                                         {"1.7976931348623157e308", 1.7976931348623157e308}}) {
        ASSERT_TRUE(readDouble(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

}  // namespace
}  // namespace tarvek
