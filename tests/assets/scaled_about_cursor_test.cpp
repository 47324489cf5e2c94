// The About pictures and the hand pointer at every scale above 100 %, and
// what each pack holds.
#include <gtest/gtest.h>

#include <cmath>

#include "asset_files.h"

namespace qltest {
namespace {

class ScaledSet : public ::testing::TestWithParam<int> {
protected:
    int percent() const { return GetParam(); }
    int sc(int at100) const { return scaled(at100, percent()); }
    const ql::PackedPicture& picture(const std::string& name) const { return packedPicture(percent(), name); }
};

// Every picture the program shows, once, under its 100 % file's name, and
// only the pointer with a hotspot.
TEST_P(ScaledSet, HoldsEveryPictureOnceUnderIts100PercentName) {
    std::vector<std::string> want, got;
    for (const std::string& n : allAssetNames())
        if (n.find(".qlp") == std::string::npos && n != "quorlin.ico") want.push_back(n);
    for (const ql::PackedPicture& p : picturePack(percent())) {
        got.push_back(p.name);
        if (p.name != "hand.cur") {
            EXPECT_EQ(p.hotspotX, 0) << p.name;
            EXPECT_EQ(p.hotspotY, 0) << p.name;
        }
    }
    EXPECT_EQ(got, want);
}

TEST_P(ScaledSet, AboutPoboIsScaledOnWhite) {
    const ql::Image& img = picture("about_pobo.bmp").image;
    ASSERT_EQ(img.width, sc(90));
    ASSERT_EQ(img.height, sc(140));
    const Colour white{255, 255, 255};
    int drawn = 0;
    for (std::uint32_t p : img.pixels) {
        EXPECT_EQ(p >> 24, 255u);
        drawn += colourOf(p) == white ? 0 : 1;
    }
    EXPECT_EQ(colourOf(img.at(0, 0)), white);
    EXPECT_EQ(colourOf(img.at(0, img.height - 1)), white);
    EXPECT_EQ(colourOf(img.at(img.width - 1, 0)), white);
    EXPECT_GT(drawn, 3000 * factor(percent()) * factor(percent()));
}

TEST_P(ScaledSet, CloseButtonIsAScaledWhiteCrossOnOrangeRed) {
    const ql::Image& img = picture("about_close.bmp").image;
    ASSERT_EQ(img.width, sc(21));
    ASSERT_EQ(img.height, sc(21));
    EXPECT_EQ(colourOf(img.at(img.width / 2, img.height / 2)), (Colour{255, 255, 255}));
    for (const auto& [x, y] : {std::pair{10, 3}, {3, 10}, {17, 10}, {10, 17}}) {
        const Colour c = colourOf(img.at(sc(x), sc(y)));
        EXPECT_TRUE(c.r > 200 && c.g > 50 && c.g < 140 && c.b < 80) << x << "," << y;
    }
}

// Black outline, white inside, transparent round it; the hotspot is on the
// outline at the top of the fingertip, which at 100 % spans columns 5-6.
TEST_P(ScaledSet, HandIsTwoColourWithItsHotspotOnTheFingertip) {
    const ql::PackedPicture& hand = picture("hand.cur");
    const ql::Image& img = hand.image;
    ASSERT_EQ(img.width, sc(32));
    ASSERT_EQ(img.height, sc(32));
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < img.width && y < img.height && (img.at(x, y) >> 24) == 255;
    };
    int whites = 0, top = -1;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const std::uint32_t p = img.at(x, y);
            if (!opaque(x, y)) continue;
            if (top < 0) top = y;
            ASSERT_TRUE(p == 0xFF000000u || p == 0xFFFFFFFFu) << x << "," << y;
            if (p == 0xFF000000u) continue;
            ++whites;
            EXPECT_TRUE(opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)) << x << "," << y;
        }
    EXPECT_GT(whites, 100 * factor(percent()) * factor(percent()));
    EXPECT_EQ(hand.hotspotY, top);
    EXPECT_LE(top, sc(1));
    EXPECT_EQ(img.at(hand.hotspotX, hand.hotspotY), 0xFF000000u);
    EXPECT_NEAR(hand.hotspotX + 0.5, 6 * factor(percent()), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledSet, ::testing::ValuesIn(packedScales()),
                         [](const ::testing::TestParamInfo<int>& i) { return "at" + std::to_string(i.param); });

}  // namespace
}  // namespace qltest
