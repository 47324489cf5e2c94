// The character frames of every scale above 100 %, as the packs hold them:
// the rules of the 100 % frames at each size, and the same drawing as at
// 100 %, only larger.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "asset_files.h"
#include "frame_rules.h"

namespace qltest {
namespace {


struct Bounds {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // inclusive
};

Bounds drawing(const ql::Image& img) {
    Bounds b;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (!isGround(img, x, y)) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
    return b;
}

class ScaledFrames : public ::testing::TestWithParam<int> {
protected:
    int percent() const { return GetParam(); }
    const ql::Image& frame(int n) const { return packedPicture(percent(), frameName(n)).image; }
};

TEST_P(ScaledFrames, HaveTheSizesOfThe100PercentFramesScaled) {
    struct Size {
        int first, last, width, height;
    };
    for (const Size& s : {Size{1, 8, 120, 120}, Size{9, 20, 120, 114}, Size{21, 28, 90, 120}})
        for (int n = s.first; n <= s.last; ++n) {
            EXPECT_EQ(frame(n).width, scaled(s.width, percent())) << frameName(n);
            EXPECT_EQ(frame(n).height, scaled(s.height, percent())) << frameName(n);
        }
}

// Frames 1-20 are keyed out by their exact ground colour, frames 21-28 by
// transparency; a drawn pixel anywhere near the key colour would show as a
// hole or a blue fringe on the desktop.
TEST_P(ScaledFrames, GroundIsTheKeyColourOrTransparentAndNoDrawnPixelIsNearIt) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image& img = frame(n);
        int transparent = 0, key = 0, nearKey = 0;
        for (std::uint32_t p : img.pixels) {
            if ((p >> 24) == 0) {
                ++transparent;
                continue;
            }
            if (p == kKeyPixel) {
                ++key;
                continue;
            }
            const Colour c = colourOf(p);
            if (c.r < 64 && c.g < 64 && c.b > 191) ++nearKey;
        }
        EXPECT_GT(n <= 20 ? key : transparent, 0) << frameName(n);
        EXPECT_EQ(n <= 20 ? transparent : key, 0) << frameName(n);
        EXPECT_EQ(nearKey, 0) << frameName(n);
    }
}

// The drawing sits where the 100 % one does, scaled: its bounds are those
// of the 100 % frame times the scale, to within the half pixel either size
// may round an edge by.
TEST_P(ScaledFrames, DrawingIsThe100PercentDrawingScaledFromTheClientOrigin) {
    const double s = factor(percent()), slack = s / 2 + 1;
    for (int n = 1; n <= 28; ++n) {
        SCOPED_TRACE(frameName(n));
        const Bounds small = drawing(decodeAsset(frameName(n))), big = drawing(frame(n));
        EXPECT_NEAR(big.x0, small.x0 * s, slack);
        EXPECT_NEAR(big.y0, small.y0 * s, slack);
        EXPECT_NEAR(big.x1 + 1, (small.x1 + 1) * s, slack);
        EXPECT_NEAR(big.y1 + 1, (small.y1 + 1) * s, slack);
        EXPECT_LT(big.x1, scaled(95, percent()));
        EXPECT_LT(big.y1, scaled(117, percent()));
    }
}

TEST_P(ScaledFrames, GroundIsOnlyAroundTheDrawingNeverInsideIt) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image& img = frame(n);
        const int holes = groundHoles(img);
        EXPECT_EQ(holes, 0) << frameName(n);
    }
}

TEST_P(ScaledFrames, EdgesAgainstTheGroundAreDarkAndNeverBlueTinted) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image& img = frame(n);
        const auto [light, bluish] = edgeFaults(img);
        EXPECT_EQ(light, 0) << frameName(n) << ": rim pixels that are not dark outline";
        EXPECT_EQ(bluish, 0) << frameName(n) << ": blue-tinted pixels next to the ground";
    }
}

// The held drink (frames 12-14), the held can (18-20) and the butterfly's
// rest (26-27) repeat exactly; every other step changes.
TEST_P(ScaledFrames, HeldPosesRepeatExactlyAndEveryOtherStepChanges) {
    const std::set<int> repeatsPrevious = {13, 14, 19, 20, 27};
    for (int n = 2; n <= 28; ++n) {
        SCOPED_TRACE(frameName(n));
        const ql::Image &a = frame(n - 1), &b = frame(n);
        const bool same = a.width == b.width && a.height == b.height && a.pixels == b.pixels;
        EXPECT_EQ(same, repeatsPrevious.count(n) == 1);
    }
    EXPECT_NE(frame(8).pixels, frame(1).pixels);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledFrames, ::testing::ValuesIn(packedScales()),
                         [](const ::testing::TestParamInfo<int>& i) { return "at" + std::to_string(i.param); });

}  // namespace
}  // namespace qltest
