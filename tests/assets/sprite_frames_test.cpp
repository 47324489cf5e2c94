// The 28 character frames: formats, the drawing area, clean edges against the
// key colour and which frames repeat.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "asset_files.h"
#include "frame_rules.h"

namespace qltest {
namespace {


struct FrameSize {
    int first, last, width, height;
};
const FrameSize kSizes[] = {{1, 8, 120, 120}, {9, 20, 120, 114}, {21, 28, 90, 120}};

TEST(SpriteFrames, BitmapFramesAreUncompressedBottomUp24Bit) {
    for (const FrameSize& s : kSizes) {
        for (int n = s.first; n <= s.last && n <= 20; ++n) {
            SCOPED_TRACE(frameName(n));
            const Bytes b = readAsset(frameName(n));
            ASSERT_GE(b.size(), 54u);
            EXPECT_EQ(b[0], 'B');
            EXPECT_EQ(b[1], 'M');
            EXPECT_EQ(le32(b, 14), 40u);                       // info header
            EXPECT_EQ(le32(b, 18), static_cast<std::uint32_t>(s.width));
            EXPECT_EQ(le32(b, 22), static_cast<std::uint32_t>(s.height));  // positive: bottom-up
            EXPECT_EQ(le16(b, 28), 24u);
            EXPECT_EQ(le32(b, 30), 0u);  // uncompressed
            const std::size_t stride = (static_cast<std::size_t>(s.width) * 3 + 3) / 4 * 4;
            EXPECT_EQ(b.size(), le32(b, 10) + stride * static_cast<std::size_t>(s.height));
        }
    }
}

TEST(SpriteFrames, GifFramesUseOneFullTableWithIndex255Transparent) {
    for (int n = 21; n <= 28; ++n) {
        SCOPED_TRACE(frameName(n));
        const Bytes b = readAsset(frameName(n));
        ASSERT_GT(b.size(), 13u + 768u + 8u + 10u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
        EXPECT_EQ(le16(b, 6), 90u);
        EXPECT_EQ(le16(b, 8), 120u);
        EXPECT_EQ(b[10] & 0x80, 0x80);  // global table
        EXPECT_EQ(b[10] & 0x07, 7);     // of 256 entries
        std::size_t at = 13 + 768;
        // Graphic Control Extension with the transparency flag and index 255.
        ASSERT_EQ(b[at], 0x21);
        ASSERT_EQ(b[at + 1], 0xF9);
        EXPECT_EQ(b[at + 3] & 1, 1);
        EXPECT_EQ(b[at + 6], 255);
        at += 8;
        ASSERT_EQ(b[at], 0x2C);
        EXPECT_EQ(b[at + 9] & 0xC0, 0);  // no local table, not interlaced
        // Exactly one image: after its data only the trailer follows.
        at += 10 + 1;
        while (at < b.size() && b[at] != 0) at += b[at] + 1u;
        ASSERT_LT(at + 1, b.size());
        EXPECT_EQ(b.size(), at + 2);
        EXPECT_EQ(b[at + 1], 0x3B);

        // A drawn pixel shows its palette entry, so no entry in use for
        // drawing is the key colour; the ground uses index 255 only.
        const ql::Image img = ql::decodeImage(b);
        int ground = 0, pureBlue = 0;
        for (std::uint32_t p : img.pixels) {
            if ((p >> 24) == 0) ++ground;
            else if ((p & 0xFFFFFFu) == 0x0000FFu) ++pureBlue;
        }
        EXPECT_GT(ground, 0);
        EXPECT_EQ(pureBlue, 0);
    }
}

TEST(SpriteFrames, DecodeToTheirListedSizes) {
    for (const FrameSize& s : kSizes)
        for (int n = s.first; n <= s.last; ++n) {
            const ql::Image img = decodeAsset(frameName(n));
            EXPECT_EQ(img.width, s.width) << frameName(n);
            EXPECT_EQ(img.height, s.height) << frameName(n);
        }
}

TEST(SpriteFrames, DrawingStaysInsideColumns0To94AndRows0To116) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image img = decodeAsset(frameName(n));
        int drawn = 0, outside = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                if (!isGround(img, x, y)) {
                    ++drawn;
                    if (x > 94 || y > 116) ++outside;
                }
        EXPECT_EQ(outside, 0) << frameName(n);
        EXPECT_GT(drawn, 4000) << frameName(n) << " looks empty";
    }
}

// A pure-blue pixel inside the drawing would be a hole in the character; all
// ground must be reachable from the frame's border.
TEST(SpriteFrames, GroundIsOnlyAroundTheDrawingNeverInsideIt) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image img = decodeAsset(frameName(n));
        const int holes = groundHoles(img);
        EXPECT_EQ(holes, 0) << frameName(n);
    }
}

// The window keys out exactly one colour, so a soft edge mixed toward blue
// would show as a blue fringe on the desktop. The rim must be a dark outline
// and nothing touching the ground may lean toward blue.
TEST(SpriteFrames, EdgesAgainstTheGroundAreDarkAndNeverBlueTinted) {
    for (int n = 1; n <= 28; ++n) {
        const ql::Image img = decodeAsset(frameName(n));
        const auto [light, bluish] = edgeFaults(img);
        EXPECT_EQ(light, 0) << frameName(n) << ": rim pixels that are not dark outline";
        EXPECT_EQ(bluish, 0) << frameName(n) << ": blue-tinted pixels next to the ground";
    }
}

TEST(SpriteFrames, HeldPosesRepeatExactlyAndEveryOtherStepChanges) {
    std::vector<Bytes> files(29);
    std::vector<ql::Image> images(29);
    for (std::size_t n = 1; n <= 28; ++n) {
        files[n] = readAsset(frameName(static_cast<int>(n)));
        images[n] = ql::decodeImage(files[n]);
    }
    const std::set<std::size_t> repeatsPrevious = {13, 14, 19, 20, 27};
    for (std::size_t n = 2; n <= 28; ++n) {
        SCOPED_TRACE(frameName(static_cast<int>(n)));
        if (repeatsPrevious.count(n)) {
            EXPECT_EQ(files[n], files[n - 1]);
        } else {
            EXPECT_TRUE(images[n].width != images[n - 1].width || images[n].pixels != images[n - 1].pixels);
        }
    }
    // The walk loops from frame 8 back to frame 1.
    EXPECT_NE(images[8].pixels, images[1].pixels);
}

}  // namespace
}  // namespace qltest
