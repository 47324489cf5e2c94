#include <gtest/gtest.h>

#include "asset_files.h"

namespace qltest {
namespace {

TEST(AboutPictures, PoboWithSignIs90x140OnWhite) {
    const ql::Image img = decodeAsset("about_pobo.bmp");
    ASSERT_EQ(img.width, 90);
    ASSERT_EQ(img.height, 140);
    const Colour white{255, 255, 255};
    int drawn = 0;
    for (std::uint32_t p : img.pixels) drawn += colourOf(p) == white ? 0 : 1;
    EXPECT_EQ(colourOf(img.at(0, 0)), white);
    EXPECT_EQ(colourOf(img.at(0, 139)), white);
    EXPECT_GT(drawn, 3000);
}

TEST(AboutPictures, CloseButtonIsAWhiteCrossOnOrangeRed) {
    const ql::Image img = decodeAsset("about_close.bmp");
    ASSERT_EQ(img.width, 21);
    ASSERT_EQ(img.height, 21);
    EXPECT_EQ(colourOf(img.at(10, 10)), (Colour{255, 255, 255}));  // where the bars cross
    for (const auto& [x, y] : {std::pair{10, 3}, {3, 10}, {17, 10}, {10, 17}}) {
        const Colour c = colourOf(img.at(x, y));
        EXPECT_TRUE(c.r > 200 && c.g > 50 && c.g < 140 && c.b < 80) << x << "," << y;
    }
}

}  // namespace
}  // namespace qltest
