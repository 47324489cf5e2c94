// The program icon and the hand pointer, read from their directory and DIB
// entries as the system reads them.
#include <gtest/gtest.h>

#include "asset_files.h"

namespace qltest {
namespace {

struct DirEntry {
    int width, height, colours, planesOrHotX, bitsOrHotY;
    std::uint32_t size, offset;
};

std::vector<DirEntry> directory(const Bytes& b, int expectedType) {
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), static_cast<std::uint32_t>(expectedType));
    std::vector<DirEntry> out;
    const std::uint32_t count = le16(b, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * i;
        out.push_back({b.at(e) == 0 ? 256 : b.at(e), b.at(e + 1) == 0 ? 256 : b.at(e + 1), b.at(e + 2),
                       static_cast<int>(le16(b, e + 4)), static_cast<int>(le16(b, e + 6)), le32(b, e + 8),
                       le32(b, e + 12)});
    }
    return out;
}

std::size_t rowBytes(int w, int bits) { return (static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 31) / 32 * 4; }

// The AND-mask bit of pixel (x, y), y counted from the top.
bool maskBit(const Bytes& b, std::size_t maskAt, int w, int h, int x, int y) {
    const std::size_t row = maskAt + rowBytes(w, 1) * static_cast<std::size_t>(h - 1 - y);
    return (b.at(row + static_cast<std::size_t>(x / 8)) >> (7 - x % 8)) & 1;
}

TEST(ProgramIcon, HoldsEveryListedSizeAndDepthAsConsistentDibEntries) {
    const Bytes b = readAsset("quorlin.ico");
    const std::vector<DirEntry> dir = directory(b, 1);
    const std::pair<int, int> expected[] = {{32, 24}, {72, 32}, {64, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32}};
    ASSERT_EQ(dir.size(), std::size(expected));
    for (std::size_t i = 0; i < dir.size(); ++i) {
        const auto [side, bits] = expected[i];
        const DirEntry& d = dir[i];
        SCOPED_TRACE(std::to_string(side) + "x" + std::to_string(side) + " at " + std::to_string(bits) + " bits");
        EXPECT_EQ(d.width, side);
        EXPECT_EQ(d.height, side);
        EXPECT_EQ(d.planesOrHotX, 1);
        EXPECT_EQ(d.bitsOrHotY, bits);
        ASSERT_LE(static_cast<std::size_t>(d.offset) + d.size, b.size());
        const std::size_t h = d.offset;
        EXPECT_EQ(le32(b, h), 40u);
        EXPECT_EQ(le32(b, h + 4), static_cast<std::uint32_t>(side));
        EXPECT_EQ(le32(b, h + 8), static_cast<std::uint32_t>(side * 2));  // colour rows plus mask rows
        EXPECT_EQ(le16(b, h + 12), 1u);
        EXPECT_EQ(le16(b, h + 14), static_cast<std::uint32_t>(bits));
        EXPECT_EQ(le32(b, h + 16), 0u);
        const std::size_t rows = static_cast<std::size_t>(side);
        const std::size_t colourBytes = rowBytes(side, bits) * rows, maskBytes = rowBytes(side, 1) * rows;
        ASSERT_EQ(d.size, 40 + colourBytes + maskBytes);

        // Transparent round the head, opaque in the middle, and for 32-bit
        // entries the mask agrees with the alpha channel.
        const std::size_t mask = h + 40 + colourBytes;
        EXPECT_TRUE(maskBit(b, mask, side, side, 0, 0));
        EXPECT_FALSE(maskBit(b, mask, side, side, side / 2, side / 2));
        if (bits == 32) {
            int soft = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const std::size_t px = h + 40 + rowBytes(side, 32) * static_cast<std::size_t>(side - 1 - y) + 4u * static_cast<std::size_t>(x);
                    const int a = b.at(px + 3);
                    EXPECT_EQ(maskBit(b, mask, side, side, x, y), a < 128) << x << "," << y;
                    soft += a > 0 && a < 255;
                }
            EXPECT_GT(soft, 0) << "edges are smoothed by alpha";
        }
    }
}

TEST(HandCursor, IsA32x32TwoColourCursorWithItsHotspotOnTheFingertip) {
    const Bytes b = readAsset("hand.cur");
    const std::vector<DirEntry> dir = directory(b, 2);
    ASSERT_EQ(dir.size(), 1u);
    const DirEntry& d = dir[0];
    EXPECT_EQ(d.width, 32);
    EXPECT_EQ(d.height, 32);
    EXPECT_EQ(d.planesOrHotX, 5);  // hotspot x
    EXPECT_EQ(d.bitsOrHotY, 0);    // hotspot y
    ASSERT_LE(static_cast<std::size_t>(d.offset) + d.size, b.size());
    const std::size_t h = d.offset;
    EXPECT_EQ(le32(b, h), 40u);
    EXPECT_EQ(le32(b, h + 4), 32u);
    EXPECT_EQ(le32(b, h + 8), 64u);
    EXPECT_EQ(le16(b, h + 14), 1u);
    EXPECT_EQ(le32(b, h + 40), 0x000000u);  // palette: black, white
    EXPECT_EQ(le32(b, h + 44), 0xFFFFFFu);
    const std::size_t xorAt = h + 48, andAt = xorAt + rowBytes(32, 1) * 32;
    ASSERT_EQ(d.size, 48 + 2 * rowBytes(32, 1) * 32);

    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && !maskBit(b, andAt, 32, 32, x, y);
    };
    const auto white = [&](int x, int y) { return maskBit(b, xorAt, 32, 32, x, y); };
    // The fingertip is the topmost opaque pixel, right at the hotspot.
    EXPECT_TRUE(opaque(5, 0));
    // White hand inside a closed black outline: no white pixel touches a
    // transparent one, and no transparent pixel is inverted (XOR set).
    int whites = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y)) {
                EXPECT_FALSE(white(x, y)) << x << "," << y;
                continue;
            }
            if (!white(x, y)) continue;
            ++whites;
            EXPECT_TRUE(opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)) << x << "," << y;
        }
    EXPECT_GT(whites, 100);
}

}  // namespace
}  // namespace qltest
