#include "rules/numbers/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <memory>

namespace tarvek {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

const LeadingCase kLeadingCases[] = {
    {"", 0},        {"abc", 0},    {"140.00", 140}, {"7.5", 7.5}, {"45", 45},     {"10%", 10},
    {"1 0", 10},    {"1,5", 1},    {" \t\n12", 12}, {"-70", -70}, {"+3", 3},      {".5", 0.5},
    {"5.", 5},      {"-", 0},      {".", 0},        {"-.", 0},    {"1.2.3", 1.2}, {"1e3", 1000},
    {"1E+2x", 100}, {"2e-1", 0.2}, {"1e", 1},       {"1e+", 1},   {"12abc", 12},  {"- 5", -5},
    {"1 . 5", 1.5}, {"nan", 0},    {"inf", 0},      {"0x10", 0},  {"\r5", 0},     {"€5", 0},
};

void expectLeadingNumbers() {
    for (const auto& c : kLeadingCases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, ReadsTheLeadingNumberOnly) { expectLeadingNumbers(); }

TEST(LeadingNumber, OutOfRangeExponentsGiveInfinityOrZero) {
    EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("1e-400"), 0);
    EXPECT_EQ(leadingNumber(std::string(10000, '9')), std::numeric_limits<double>::infinity());
}

const std::pair<double, const char*> kGeneralCases[] = {
    {0, "0"},
    {-0.0, "0"},
    {185, "185"},
    {166.5, "166.5"},
    {92.4, "92.4"},
    {-70, "-70"},
    {140.00, "140"},
    {0.1 + 0.2, "0.3"},
    {1e15, "1E+15"},
    {123456789012345, "123456789012345"},
    {0.0001, "0.0001"},
    {1e-5, "1E-05"},
    {2.5e-7, "2.5E-07"},
};
const std::pair<float, const char*> kSingleCases[] = {
    {1922.9f, "1922.9"}, {0.999f, "0.999"}, {125.0f, "125"}, {9999999.0f, "9999999"}, {0.472f, "0.472"},
};

template <typename Cases>
void expectNumberTexts(const Cases& cases) {
    for (const auto& [value, text] : cases) EXPECT_EQ(numberText(value), text) << value;
}

TEST(NumberText, GeneralFormWithFifteenDigits) {
    expectNumberTexts(kGeneralCases);
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(numberText(std::nan("")), "");
}

TEST(NumberText, SingleFormWithSevenDigits) { expectNumberTexts(kSingleCases); }

// The rules must not follow the user's locale, whose decimal separator may be a comma. Where
// no such locale is installed the test cannot tell, and says so.
TEST(NumberText, IgnoresTheLocale) {
#if defined(__EMSCRIPTEN__)
    GTEST_SKIP() << "the WebAssembly C library (musl) has no locale with a decimal comma";
#endif
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps makes it)";
    const std::unique_ptr<const char, void (*)(const char*)> back(
        "C", [](const char* c) { std::setlocale(LC_ALL, c); });
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    expectLeadingNumbers();
    expectNumberTexts(kGeneralCases);
    expectNumberTexts(kSingleCases);
    EXPECT_EQ(numberText(0.455f), "0.455");
}

}  // namespace
}  // namespace tarvek
