// The picture decoder on small hand-made files, and on damaged ones.
#include <gtest/gtest.h>

#include <stdexcept>

#include "asset_files.h"

namespace qltest {
namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A 3x2 24-bit BMP: rows of 9 bytes padded to 12. Top row red, green, blue;
// bottom row white, black, grey.
Bytes tinyBmp(bool topDown) {
    const std::uint8_t top[] = {0, 0, 255, 0, 255, 0, 255, 0, 0};  // stored B, G, R
    const std::uint8_t bottom[] = {255, 255, 255, 0, 0, 0, 128, 128, 128};
    Bytes b = {'B', 'M'};
    put32(b, 54 + 24);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, 3);
    put32(b, topDown ? static_cast<std::uint32_t>(-2) : 2u);
    put16(b, 1);
    put16(b, 24);
    for (int i = 0; i < 6; ++i) put32(b, 0);
    for (int stored = 0; stored < 2; ++stored) {
        const std::uint8_t* row = (stored == 0) == topDown ? top : bottom;
        b.insert(b.end(), row, row + 9);
        b.insert(b.end(), {0xEE, 0xEE, 0xEE});  // padding, never read as a pixel
    }
    return b;
}

// Packs 3-bit LZW codes least significant bit first.
Bytes packCodes(const std::vector<int>& codes) {
    Bytes out;
    std::uint32_t acc = 0;
    int bits = 0;
    for (int c : codes) {
        acc |= static_cast<std::uint32_t>(c) << bits;
        bits += 3;
        while (bits >= 8) {
            out.push_back(static_cast<std::uint8_t>(acc));
            acc >>= 8;
            bits -= 8;
        }
    }
    if (bits) out.push_back(static_cast<std::uint8_t>(acc));
    return out;
}

// A 3x2 GIF89a with a 4-entry local table (the global one is a decoy) and
// index 3 transparent. With a clear code before every pair of pixels the
// codes stay 3 bits wide.
Bytes tinyGif(std::uint8_t imageFlags = 0x81) {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    put16(b, 3);
    put16(b, 2);
    b.insert(b.end(), {0x81, 0, 0});                                // global table of 4
    for (int i = 0; i < 4; ++i) b.insert(b.end(), {9, 9, 9});       // decoy colours
    b.insert(b.end(), {0x21, 0xF9, 4, 0x01, 0, 0, 3, 0});           // transparent index 3
    b.insert(b.end(), {0x21, 0xFE, 2, 'h', 'i', 0});                // a comment to skip
    b.push_back(0x2C);
    put16(b, 0);
    put16(b, 0);
    put16(b, 3);
    put16(b, 2);
    b.push_back(imageFlags);
    b.insert(b.end(), {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3});  // local table
    b.push_back(2);                                                 // minimum code size
    const Bytes data = packCodes({4, 0, 1, 4, 2, 3, 4, 1, 0, 5});
    b.push_back(static_cast<std::uint8_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    b.insert(b.end(), {0, 0x3B});
    return b;
}

TEST(ImageCodec, DecodesBottomUpAndTopDownBmpTheSame) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        const ql::Image img = ql::decodeImage(tinyBmp(topDown));
        ASSERT_EQ(img.width, 3);
        ASSERT_EQ(img.height, 2);
        const std::vector<std::uint32_t> want = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
        EXPECT_EQ(img.pixels, want);
    }
}

TEST(ImageCodec, DecodesGifWithLocalTableAndTransparentIndex) {
    const ql::Image img = ql::decodeImage(tinyGif());
    ASSERT_EQ(img.width, 3);
    ASSERT_EQ(img.height, 2);
    EXPECT_EQ(img.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(img.pixels[1], 0xFF00FF00u);
    EXPECT_EQ(img.pixels[2], 0xFF0000FFu);
    EXPECT_EQ(img.pixels[3] >> 24, 0u);  // index 3
    EXPECT_EQ(img.pixels[4], 0xFF00FF00u);
    EXPECT_EQ(img.pixels[5], 0xFFFF0000u);
}

TEST(ImageCodec, DecodesTheShippedGifLikeTheRestOfTheProgramExpects) {
    // Long runs exercise code widening up to 12 bits and table resets.
    const ql::Image img = decodeAsset("frame21.gif");
    EXPECT_EQ(img.pixels.front() >> 24, 0u);
    int opaque = 0;
    for (std::uint32_t p : img.pixels) opaque += (p >> 24) == 255;
    EXPECT_GT(opaque, 4000);
}

std::string failureOf(const Bytes& b) {
    try {
        ql::decodeImage(b);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(ImageCodec, RejectsUnsupportedOrBrokenHeadersWithAReason) {
    struct Case {
        const char* what;
        Bytes bytes;
        const char* mentions;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "short"});
    cases.push_back({"not a picture", Bytes{'P', 'K', 3, 4, 0, 0, 0, 0}, "unknown"});
    Bytes b = tinyBmp(false);
    b[28] = 8;
    cases.push_back({"8-bit bmp", b, "24-bit"});
    b = tinyBmp(false);
    b[30] = 1;
    cases.push_back({"compressed bmp", b, "compressed"});
    b = tinyBmp(false);
    b[21] = 0x7F;
    cases.push_back({"huge bmp width", b, "width"});
    b = tinyBmp(false);
    b[22] = 0;
    b[23] = 0;
    b[24] = 0;
    b[25] = 0x80;
    cases.push_back({"most negative bmp height", b, "height"});
    b = tinyBmp(false);
    b[10] = 200;
    cases.push_back({"pixel offset past the end", b, "truncated"});
    cases.push_back({"interlaced gif", tinyGif(0x81 | 0x40), "interlaced"});
    b = tinyGif();
    b[b.size() - 5] ^= 0xFF;
    cases.push_back({"bad lzw code", b, "GIF"});
    for (const Case& c : cases) {
        const std::string why = failureOf(c.bytes);
        EXPECT_NE(why.find(c.mentions), std::string::npos) << c.what << ": \"" << why << "\"";
    }
}

TEST(ImageCodec, EveryTruncationOfAValidFileThrows) {
    for (const Bytes& whole : {tinyBmp(false), tinyGif(), readAsset("frame21.gif"), readAsset("menu_end.bmp")}) {
        // A GIF is complete once its image data ends; only the trailer may go.
        const bool gif = whole[0] == 'G';
        const std::size_t stop = gif ? whole.size() - 1 : whole.size();
        const std::size_t step = whole.size() > 2000 ? 7 : 1;
        for (std::size_t n = 0; n < stop; n += step)
            EXPECT_THROW(ql::decodeImage(whole.data(), n), std::runtime_error) << "prefix of " << n << " bytes";
    }
}

TEST(ImageCodec, CorruptedBytesEitherDecodeOrThrowNeverAnythingElse) {
    const Bytes original = readAsset("frame22.gif");
    std::uint32_t seed = 12345;
    int thrown = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Bytes b = original;
        for (int k = 0; k < 3; ++k) {
            seed = seed * 1103515245u + 12345u;
            b[(seed >> 8) % b.size()] = static_cast<std::uint8_t>(seed >> 24);
        }
        try {
            const ql::Image img = ql::decodeImage(b);
            EXPECT_EQ(img.pixels.size(), ql::pixelCount(img.width, img.height));
        } catch (const std::runtime_error&) {
            ++thrown;
        }
    }
    EXPECT_GT(thrown, 0);
}

}  // namespace
}  // namespace qltest
