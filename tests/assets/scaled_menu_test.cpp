// The popup menu's item pictures at every scale above 100 %: the 100 %
// layout with every position and line scaled, and the captions in a
// scalable font at the scaled cap height.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "asset_files.h"
#include "menu_layout.h"

namespace qltest {
namespace {

const Colour kGround = kMenuGround, kFrame = kMenuFrame, kFill = kMenuFill, kSeparator = kMenuSeparator;
const Colour kBlack{0, 0, 0}, kBoxFrame = hex(0x000080), kBoxFill = hex(0xFFC06F);

class ScaledMenuPicture : public ::testing::TestWithParam<std::tuple<int, MenuPicture>> {
protected:
    void SetUp() override { img = &packedPicture(percent(), pic().name).image; }
    int percent() const { return std::get<0>(GetParam()); }
    const MenuPicture& pic() const { return std::get<1>(GetParam()); }
    int sc(int at100) const { return scaled(at100, percent()); }
    int line() const { return std::max(1, sc(1)); }
    Colour at(int x, int y) const { return colourOf(img->at(x, y)); }
    // The 100 % box's pixels at this scale, with a pixel more round it for
    // the smoothing of the icons' edges.
    Box around(const Box& b) const { return {sc(b.x0) - 1, sc(b.y0) - 1, sc(b.x1 + 1), sc(b.y1 + 1)}; }
    Box frame() const { return {sc(29), sc(pic().frameTop), sc(130) - 1, sc(pic().frameTop + 18) - 1}; }
    Box inner() const {
        const Box f = frame();
        return {f.x0 + line(), f.y0 + line(), f.x1 - line(), f.y1 - line()};
    }
    bool onFrame(int x, int y) const { return frame().contains(x, y) && !inner().contains(x, y); }
    const ql::Image* img = nullptr;
};

TEST_P(ScaledMenuPicture, IsThe100PercentSizeScaled) {
    EXPECT_EQ(img->width, sc(142));
    EXPECT_EQ(img->height, sc(pic().height));
}

// The strip (columns 0-22 at 100 %) keeps one colour per column: the first
// colour over the two left columns' width, then even steps to the last
// colour in its right column, each the nearest integer, halves up.
TEST_P(ScaledMenuPicture, StripIsOneColourPerColumnRunningEvenlyFromFirstToLast) {
    const int width = sc(23), flat = sc(2), steps = width - flat;
    const Box icon = pic().icon.x0 < 0 ? kNoIcon : around(pic().icon);
    for (int x = 0; x < width; ++x) {
        const int step = x < flat ? 0 : x - flat + 1;
        const auto ch = [&](int a, int b) { return (2 * (a * steps + (b - a) * step) + steps) / (2 * steps); };
        const Colour want{ch(0xBE, 0x84), ch(0xD5, 0xAB), ch(0xF5, 0xE2)};
        for (int y = 0; y < img->height; ++y)
            if (!icon.contains(x, y)) {
                ASSERT_EQ(at(x, y), want) << "at " << x << "," << y;
            }
    }
    EXPECT_EQ(at(0, 0), hex(0xBED5F5));
    EXPECT_EQ(at(width - 1, 0), hex(0x84ABE2));
    EXPECT_EQ(at(width, 0), kGround);
}

TEST_P(ScaledMenuPicture, IconAreaActuallyHoldsAnIcon) {
    if (pic().icon.x0 < 0) GTEST_SKIP() << "empty strip";
    // The icon's area with a pixel of air, inside the picture.
    const Box icon = around(pic().icon);
    int differing = 0;  // from the plain strip of the top row
    for (int y = std::max(icon.y0, 0); y <= std::min(icon.y1, img->height - 1); ++y)
        for (int x = std::max(icon.x0, 0); x <= std::min(icon.x1, img->width - 1); ++x)
            differing += at(x, y) == at(x, 0) ? 0 : 1;
    EXPECT_GT(differing, 40 * factor(percent()) * factor(percent()));
}

TEST_P(ScaledMenuPicture, GroundFrameFillAndSeparatorAreWhereDescribedScaled) {
    for (int y = 0; y < img->height; ++y)
        for (int x = sc(23); x < img->width; ++x) {
            const Colour c = at(x, y);
            if (c == kBlack && inner().contains(x, y)) continue;
            Colour want = kGround;
            if (pic().separator && y >= sc(26) && y < sc(26) + line() && x >= sc(34)) want = kSeparator;
            if (pic().over && frame().contains(x, y)) want = onFrame(x, y) ? kFrame : kFill;
            ASSERT_EQ(c, want) << "at " << x << "," << y;
        }
}

// The first capital stands exactly the scaled 8 rows from the scaled cap
// top; ascenders may rise a line above it, and descenders reach three rows
// (at 100 %) below the baseline where the pixel font's reach two. All ink
// stays inside the frame.
TEST_P(ScaledMenuPicture, CaptionIsCrispBlackAtItsScaledColumnAndRows) {
    int minX = 1 << 20, maxX = -1, minY = 1 << 20, maxY = -1, firstTop = 1 << 20, firstBottom = -1, ink = 0;
    for (int y = 0; y < img->height; ++y)
        for (int x = sc(23); x < img->width; ++x) {
            if (!(at(x, y) == kBlack)) continue;
            ++ink;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            if (x < sc(pic().captionX + 4)) {
                firstTop = std::min(firstTop, y);
                firstBottom = std::max(firstBottom, y);
            }
        }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(minX, sc(pic().captionX));
    EXPECT_EQ(firstTop, sc(pic().capTop));
    EXPECT_EQ(firstBottom, sc(pic().capTop) + sc(8) - 1);
    EXPECT_GE(minY, sc(pic().capTop) - line());
    EXPECT_LT(maxY, sc(pic().capTop + 11));
    EXPECT_TRUE(inner().contains(minX, minY) && inner().contains(maxX, maxY)) << "caption runs into the frame";
}

TEST_P(ScaledMenuPicture, TickedBoxOnlyInTheOnPicturesWithACrispTick) {
    const Box box{sc(1), sc(1), sc(21) - 1, sc(21) - 1};
    int boxFrame = 0;
    for (int y = 0; y < img->height; ++y)
        for (int x = 0; x < sc(23); ++x) boxFrame += at(x, y) == kBoxFrame ? 1 : 0;
    if (!pic().ticked) {
        EXPECT_EQ(boxFrame, 0);
        return;
    }
    const Box boxInner{box.x0 + line(), box.y0 + line(), box.x1 - line(), box.y1 - line()};
    Box tick{1 << 20, 1 << 20, -1, -1};
    for (int x = box.x0; x <= box.x1; ++x) {
        int runs = 0;
        bool inRun = false;
        for (int y = box.y0; y <= box.y1; ++y) {
            const Colour c = at(x, y);
            const bool black = c == kBlack;
            if (!boxInner.contains(x, y)) {
                ASSERT_EQ(c, kBoxFrame) << "box frame at " << x << "," << y;
            } else if (black) {
                tick = {std::min(tick.x0, x), std::min(tick.y0, y), std::max(tick.x1, x), std::max(tick.y1, y)};
            } else {
                ASSERT_EQ(c, kBoxFill) << "box fill at " << x << "," << y;
            }
            runs += black && !inRun ? 1 : 0;
            inRun = black;
        }
        EXPECT_LE(runs, 1) << "the tick's stroke is one piece in column " << x;
    }
    // At 100 % the tick covers columns 7-13 and rows 8-13.
    const double s = factor(percent()), slack = s / 2 + 1;
    EXPECT_NEAR(tick.x0, 7 * s, slack);
    EXPECT_NEAR(tick.x1 + 1, 14 * s, slack);
    EXPECT_NEAR(tick.y0, 8 * s, slack);
    EXPECT_NEAR(tick.y1 + 1, 14 * s, slack);
}

INSTANTIATE_TEST_SUITE_P(All, ScaledMenuPicture, ::testing::Combine(::testing::ValuesIn(packedScales()), ::testing::ValuesIn(kPictures)),
                         [](const ::testing::TestParamInfo<std::tuple<int, MenuPicture>>& i) {
                             const std::string n = std::get<1>(i.param).name;
                             return n.substr(5, n.size() - 9) + "_at" + std::to_string(std::get<0>(i.param));
                         });

}  // namespace
}  // namespace qltest
