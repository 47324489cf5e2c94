// The popup menu's item pictures, checked pixel for pixel where they are
// described exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "asset_files.h"
#include "menu_layout.h"

namespace qltest {
namespace {

const Colour kGround = kMenuGround, kFrame = kMenuFrame, kFill = kMenuFill, kSeparator = kMenuSeparator;
const Colour kBlack{0, 0, 0};

// #BED5F5 at columns 0 and 1 running evenly to #84ABE2 at column 22.
Colour stripAt(int x) {
    const double t = x <= 1 ? 0.0 : (x - 1) / 21.0;
    const auto ch = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return {ch(0xBE, 0x84), ch(0xD5, 0xAB), ch(0xF5, 0xE2)};
}

class MenuPictureTest : public ::testing::TestWithParam<MenuPicture> {
protected:
    void SetUp() override {
        const Bytes b = readAsset(GetParam().name);
        ASSERT_GE(b.size(), 54u);
        ASSERT_EQ(le16(b, 28), 24u);
        ASSERT_EQ(le32(b, 30), 0u);
        img = ql::decodeImage(b);
    }
    Colour at(int x, int y) const { return colourOf(img.at(x, y)); }
    Box frame() const { return {29, GetParam().frameTop, 129, GetParam().frameTop + 17}; }
    ql::Image img;
};

TEST_P(MenuPictureTest, Is142WideAtItsHeight) {
    EXPECT_EQ(img.width, 142);
    EXPECT_EQ(img.height, GetParam().height);
}

TEST_P(MenuPictureTest, StripIsTheGradientOutsideItsIcon) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x <= 22; ++x)
            if (!GetParam().icon.contains(x, y)) {
                ASSERT_EQ(at(x, y), stripAt(x)) << "at " << x << "," << y;
            }
}

TEST_P(MenuPictureTest, IconAreaActuallyHoldsAnIcon) {
    const Box icon = GetParam().icon;
    if (icon.x0 < 0) GTEST_SKIP() << "empty strip";
    int differing = 0;
    for (int y = icon.y0; y <= icon.y1; ++y)
        for (int x = icon.x0; x <= icon.x1; ++x) differing += at(x, y) == stripAt(x) ? 0 : 1;
    EXPECT_GT(differing, 40);
}

// Right of the strip every pixel is ground, frame, fill or separator, except
// black caption pixels inside the frame's area.
TEST_P(MenuPictureTest, GroundFrameFillAndSeparatorAreWhereDescribed) {
    const Box f = frame();
    const Box inner{f.x0 + 1, f.y0 + 1, f.x1 - 1, f.y1 - 1};
    for (int y = 0; y < img.height; ++y)
        for (int x = 23; x < 142; ++x) {
            const Colour c = at(x, y);
            if (c == kBlack && inner.contains(x, y)) continue;
            Colour want = kGround;
            if (GetParam().separator && y == 26 && x >= 34) want = kSeparator;
            if (GetParam().over && f.contains(x, y))
                want = (x == f.x0 || x == f.x1 || y == f.y0 || y == f.y1) ? kFrame : kFill;
            ASSERT_EQ(c, want) << "at " << x << "," << y;
        }
}

TEST_P(MenuPictureTest, CaptionIsUnsmoothedBlackAtItsColumnAndRows) {
    const MenuPicture& m = GetParam();
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
    int firstTop = 1000, firstBottom = -1;
    for (int y = 0; y < img.height; ++y)
        for (int x = 23; x < 142; ++x) {
            const Colour c = at(x, y);
            if (!(c == kBlack)) continue;  // anything else is ground, checked above
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            if (x <= m.captionX + 4) {  // the first capital
                firstTop = std::min(firstTop, y);
                firstBottom = std::max(firstBottom, y);
            }
        }
    EXPECT_EQ(minX, m.captionX);
    EXPECT_EQ(firstTop, m.capTop);
    EXPECT_EQ(firstBottom, m.capTop + 7);  // capitals 8 pixels tall
    EXPECT_EQ(minY, m.capTop);             // nothing rises above the capitals
    EXPECT_LE(maxY, m.capTop + 9);         // descenders at most two rows
    EXPECT_LT(maxX, 128) << "caption runs into the highlight frame";
}

TEST_P(MenuPictureTest, TickedBoxOnlyInTheOnPictures) {
    const MenuPicture& m = GetParam();
    if (!m.ticked) {
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x <= 22; ++x)
                if (!m.icon.contains(x, y)) {
                    ASSERT_FALSE(at(x, y) == hex(0x000080));
                }
        return;
    }
    int minX = 100, maxX = -1, minY = 100, maxY = -1;
    std::vector<int> perColumn(23, 0);
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x) {
            const Colour c = at(x, y);
            if (x == 1 || y == 1 || x == 20 || y == 20) {
                ASSERT_EQ(c, hex(0x000080)) << "box frame at " << x << "," << y;
            } else if (c == kBlack) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                ++perColumn[static_cast<std::size_t>(x)];
            } else {
                ASSERT_EQ(c, hex(0xFFC06F)) << "box fill at " << x << "," << y;
            }
        }
    // 7 by 6 pixels, through (7,10), (9,13) and (13,8), two pixels thick.
    EXPECT_EQ(minX, 7);
    EXPECT_EQ(maxX, 13);
    EXPECT_EQ(minY, 8);
    EXPECT_EQ(maxY, 13);
    EXPECT_EQ(at(7, 10), kBlack);
    EXPECT_EQ(at(9, 13), kBlack);
    EXPECT_EQ(at(13, 8), kBlack);
    for (int x = 7; x <= 13; ++x) EXPECT_EQ(perColumn[static_cast<std::size_t>(x)], 2) << "column " << x;
    // The stroke bottoms out at column 9.
    for (int x = 7; x <= 13; ++x)
        if (x != 9) {
            EXPECT_FALSE(at(x, 13) == kBlack) << "column " << x;
        }
}

INSTANTIATE_TEST_SUITE_P(All, MenuPictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<MenuPicture>& i) {
                             std::string n = i.param.name;
                             return n.substr(5, n.size() - 9);
                         });

}  // namespace
}  // namespace qltest
