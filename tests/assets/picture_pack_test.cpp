// The picture pack decoder, against the generator's encoder and against
// damaged packs: every fault is an error, never a read out of bounds.
#include <gtest/gtest.h>

#include <stdexcept>

#include "asset_files.h"
#include "picture_pack_encoder.h"

namespace qltest {
namespace {

ql::PackedPicture picture(std::string name, int w, int h, std::uint32_t (*colour)(int, int), int hx = 0, int hy = 0) {
    ql::PackedPicture p{std::move(name), {w, h, {}, {}}, hx, hy};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.image.pixels.push_back(colour(x, y));
    return p;
}

// Flat areas, vertical stripes, noise and more than 256 colours, so every
// kind of run and both index widths occur.
std::vector<ql::PackedPicture> samples() {
    return {
        picture("flat.bmp", 7, 3, [](int, int) { return 0xFF0000FFu; }),
        picture("stripes.bmp", 9, 5, [](int x, int) { return x % 3 ? 0xFF102030u : 0x000000FFu; }),
        picture("noise.gif", 13, 4, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>((x * 7919 + y * 104729) % 23); }),
        picture("many.bmp", 40, 9, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(x * 9 + y); }),
        picture("hand.cur", 3, 2, [](int x, int) { return x == 1 ? 0xFFFFFFFFu : 0u; }, 2, 1),
    };
}

TEST(PicturePack, DecodesWhatTheGeneratorEncodes) {
    const std::vector<ql::PackedPicture> in = samples();
    const Bytes bytes = assetgen::encodePicturePack(in);
    const std::vector<ql::PackedPicture> out = ql::decodePicturePack(bytes);
    ASSERT_EQ(out.size(), in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        SCOPED_TRACE(in[i].name);
        EXPECT_EQ(out[i].name, in[i].name);
        EXPECT_EQ(out[i].image.width, in[i].image.width);
        EXPECT_EQ(out[i].image.height, in[i].image.height);
        EXPECT_EQ(out[i].image.pixels, in[i].image.pixels);
        EXPECT_EQ(out[i].hotspotX, in[i].hotspotX);
        EXPECT_EQ(out[i].hotspotY, in[i].hotspotY);
    }
    EXPECT_TRUE(ql::decodePicturePack(assetgen::encodePicturePack({})).empty());
}

TEST(PicturePack, EveryShortenedPackIsRejected) {
    const Bytes bytes = assetgen::encodePicturePack(samples());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        // A copy of exactly n bytes, so a read past the end is a read outside it.
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_THROW(ql::decodePicturePack(cut.data(), cut.size()), std::runtime_error) << n << " bytes";
    }
}

// A pack of one 2 x 2 picture with two colours, laid out by hand so each
// field can be damaged on its own.
Bytes handMade(const Bytes& runs, std::uint32_t secondColour = 0xFFFFFFFFu) {
    Bytes b = {'Q', 'L', 'P', 'K', 1, 0, 1, 0, 5, 'a', '.', 'b', 'm', 'p', 2, 0, 2, 0, 0, 0, 0, 0, 2, 0};
    for (std::uint32_t c : {0xFF000000u, secondColour})
        for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(c >> (8 * k)));
    b.insert(b.end(), runs.begin(), runs.end());
    return b;
}

TEST(PicturePack, HandMadePackDecodesRunByRun) {
    // Two literal pixels (n = 1*3+1), then one row copied from above (n = 1*3+2).
    const std::vector<ql::PackedPicture> p = ql::decodePicturePack(handMade({4, 0, 1, 5}));
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].name, "a.bmp");
    EXPECT_EQ(p[0].image.pixels, (std::vector<std::uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu}));
}

struct Damage {
    const char* what;
    Bytes bytes;
};
void PrintTo(const Damage& d, std::ostream* os) { *os << d.what; }

class DamagedPack : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPack, IsRejected) {
    const Bytes& b = GetParam().bytes;
    EXPECT_THROW(ql::decodePicturePack(b.data(), b.size()), std::runtime_error);
}

Bytes with(Bytes b, std::size_t at, std::uint8_t v) {
    b.at(at) = v;
    return b;
}

const Bytes kGood = handMade({4, 0, 1, 5});
INSTANTIATE_TEST_SUITE_P(
    All, DamagedPack,
    ::testing::Values(Damage{"magic", with(kGood, 0, 'X')}, Damage{"version", with(kGood, 4, 2)},
                      Damage{"more entries than present", with(kGood, 6, 2)}, Damage{"empty name", with(kGood, 8, 0)},
                      Damage{"zero width", with(kGood, 14, 0)}, Damage{"hotspot outside", with(kGood, 18, 2)},
                      Damage{"no colours", with(kGood, 22, 0)},
                      Damage{"partly transparent colour", handMade({4, 0, 1, 5}, 0x80FFFFFFu)},
                      Damage{"run past the last pixel", handMade({4, 0, 1, 8})},
                      Damage{"one run over the whole picture and more", handMade({12, 0})},
                      Damage{"colour it lacks", handMade({4, 0, 2, 5})},
                      Damage{"copy above the top row", handMade({2, 4, 0, 1})},
                      Damage{"overlong run length", handMade({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01})},
                      Damage{"bytes after the last picture", handMade({4, 0, 1, 5, 0})}),
    [](const ::testing::TestParamInfo<Damage>& i) {
        std::string n = i.param.what;
        for (char& c : n)
            if (c == ' ') c = '_';
        return n;
    });

}  // namespace
}  // namespace qltest
