// A paste where one part number is looked up: its numbers line by line (a copied quote
// gives its own), and the words that say how many were left.
#include "rules/part_numbers/pasted_part_numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvek {
namespace {

struct PasteCase {
    const char* what;
    std::string text;
    std::vector<std::string> numbers;
};

TEST(PastedPartNumbers, EveryLineThatHoldsSomethingOrTheQuotesOwnNumber) {
    const std::vector<PasteCase> cases = {
        {"one number", "A310-MX2-2A-MXFX", {"A310-MX2-2A-MXFX"}},
        {"blank lines, Windows line ends, blanks around",
         "A310-MX2-2A-MXFX\n\n  KL-01-KZ\r\nT403-GN1\n",
         {"A310-MX2-2A-MXFX", "KL-01-KZ", "T403-GN1"}},
        {"a no-break space and a tab around a number",
         "\xC2\xA0J310-MX2-2A-MXFX-VS-BK-LS\t\n",
         {"J310-MX2-2A-MXFX-VS-BK-LS"}},
        {"a copied quote: its part number alone",
         "Tarvek quote\nPart Number: A310-MX2-2A-MXFX\nBody Type: MX2",
         {"A310-MX2-2A-MXFX"}},
        {"nothing but blanks", " \n\t\r\n", {}},
        {"nothing", "", {}},
    };
    for (const PasteCase& c : cases) EXPECT_EQ(partNumbersInPaste(c.text), c.numbers) << c.what;
}

TEST(PastedPartNumbers, TheAnswerSaysHowManyLinesWereLeft) {
    EXPECT_EQ(linesLeftOfPaste(0), "");
    EXPECT_EQ(linesLeftOfPaste(1), "1 more line of the paste was left: the field looks up one number.");
    EXPECT_EQ(linesLeftOfPaste(2), "2 more lines of the paste were left: the field looks up one number.");
    EXPECT_EQ(linesLeftOfPaste(99999),
              "99999 more lines of the paste were left: the field looks up one number.");
    EXPECT_EQ(answerToPaste("A310-MX2-2A-MXFX is set.", 0), "A310-MX2-2A-MXFX is set.");
    EXPECT_EQ(answerToPaste("A310-MX2-2A-MXFX is set.", 2),
              "A310-MX2-2A-MXFX is set. 2 more lines of the paste were left: the field looks up one number.");
}

}  // namespace
}  // namespace tarvek
