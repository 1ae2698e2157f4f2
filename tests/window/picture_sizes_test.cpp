// A picture decoded for the place it is shown at stays crisp when the place grows in
// device pixels (the window moved to a denser screen): it is decoded again, not enlarged.
#include <gtest/gtest.h>

#include "pictures/picture.h"

namespace {

TEST(PictureSizes, DecodedSmallThenShownLargeIsDecodedAgain) {
    const QString name = QStringLiteral("A310-MX2-2A.jpg");  // 552 x 544 in the runtime folder
    const QSize small(276, 272), large(552, 544);
    const tarvek::Picture full = tarvek::Picture::fromFile(name);
    const tarvek::Picture forSmall = tarvek::Picture::fromFile(name, small);
    ASSERT_FALSE(full.isNull());
    EXPECT_EQ(forSmall.render(small).size(), small);
    EXPECT_EQ(forSmall.render(large), full.render(large));  // not the small one blown up
    EXPECT_NE(forSmall.render(small).scaled(large), full.render(large));
}

}  // namespace
