// What opening a link says: where two configurations give the number, which one is shown (the
// connections that tell them apart, as the catalogue's lists name them) and a link to the
// other; where the link asks for a rank the number does not have, that it has none.
#include "rules/part_numbers/link_answer.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvek {
namespace {

// The catalogue's reading of A310-MX3-4A-M8M8X that the number alone sets (tarvek-catalog --decode).
constexpr const char* kFirst =
    "configuration 1 of 2: Connection 1 \u201cM - Male Face Seal, 1/4 inch Hi Flo\u201d, Connection 2 "
    "\u201c8 - "
    "Tube Stub, 1/2 inch\u201d, Connection 3 \u201cM8 - Male Face Seal, 1/2 inch\u201d";

TEST(LinkAnswer, TwoConfigurationsGiveTheNumber) {
    for (const char* link : {"A310-MX3-4A-M8M8X", "a310-mx3-4a-m8m8x~1"}) {
        const LinkAnswer answer = linkAnswer(openConfigurationLink(link));
        EXPECT_EQ(answer.text,
                  std::string("2 configurations give A310-MX3-4A-M8M8X; this is ") + kFirst + ".")
            << link;
        ASSERT_EQ(answer.others.size(), 1u) << link;
        EXPECT_EQ(answer.others[0].link, "A310-MX3-4A-M8M8X~2");
        // The other reading begins with the 1/2 inch male face seal.
        EXPECT_EQ(answer.others[0].text.rfind("Show configuration 2 of 2: Connection 1 \u201cM8 - ", 0), 0u)
            << answer.others[0].text;
    }
    const LinkAnswer second = linkAnswer(openConfigurationLink("A310-MX3-4A-M8M8X~2"));
    EXPECT_EQ(second.text.rfind("2 configurations give A310-MX3-4A-M8M8X; this is configuration 2 of 2: "
                                "Connection 1 \u201cM8 - ",
                                0),
              0u)
        << second.text;
    ASSERT_EQ(second.others.size(), 1u);
    EXPECT_EQ(second.others[0].link, "A310-MX3-4A-M8M8X");
    EXPECT_EQ(second.others[0].text, std::string("Show ") + kFirst);
}

TEST(LinkAnswer, ARankTheNumberDoesNotHaveIsNamed) {
    for (const char* rank : {"0", "3", "999999999"}) {
        const LinkAnswer answer = linkAnswer(openConfigurationLink(std::string("A310-MX3-4A-M8M8X~") + rank));
        EXPECT_EQ(answer.text, std::string("A310-MX3-4A-M8M8X has no configuration ~") + rank +
                                   ": 2 configurations give it; this is " + kFirst + ".");
        ASSERT_EQ(answer.others.size(), 1u);
        EXPECT_EQ(answer.others[0].link, "A310-MX3-4A-M8M8X~2");
    }
    const LinkAnswer single = linkAnswer(openConfigurationLink("A310-MX2-2A-MXFX~2"));
    EXPECT_EQ(single.text,
              "A310-MX2-2A-MXFX has no configuration ~2: one configuration gives it, and it is shown.");
    EXPECT_TRUE(single.others.empty());
}

TEST(LinkAnswer, ANumberOneConfigurationGivesSaysNothing) {
    for (const char* link : {"A310-MX2-2A-MXFX", "A310-MX2-2A-MXFX~1", "J310-MX2-2A-MXFX-VS-BK-LS"}) {
        const LinkAnswer answer = linkAnswer(openConfigurationLink(link));
        EXPECT_EQ(answer.text, "") << link;
        EXPECT_TRUE(answer.others.empty()) << link;
    }
}

}  // namespace
}  // namespace tarvek
