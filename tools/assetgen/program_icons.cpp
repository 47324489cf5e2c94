#include "program_icons.h"

#include <cstring>

#include "pobo.h"

namespace assetgen {

Bitmap headPicture(int size) {
    Canvas c(size, size);
    // The head spans x 17..77 and y 1..62 in sprite units; fit it with a
    // pixel of air. Small sizes get bolder lines and bigger eyes.
    const double s = (size - 1.5) / 62.0;
    const Xform base = Xform::translate(-47, -32).then(Xform::scale(s)).then(Xform::translate(size / 2.0, size / 2.0 + 0.5));
    drawPoboHead(c, base, size <= 32);
    return c.soft();
}

Bytes programIcon() {
    std::vector<IconImage> images;
    images.push_back({headPicture(32), 24});
    for (int size : {72, 64, 48, 32, 24, 16}) images.push_back({headPicture(size), 32});
    return encodeIco(images);
}

namespace {

// '#' black outline, 'o' white, '.' transparent.
const char* const kHand[] = {
    ".....##...........",
    "....#oo#..........",
    "....#oo#..........",
    "....#oo#..........",
    "....#oo#..........",
    "....#oo###........",
    "....#oo#oo###.....",
    "....#oo#oo#oo##...",
    ".##.#oo#oo#oo#o#..",
    "#oo##oooooooo#oo#.",
    "#ooo#ooooooooooo#.",
    ".#oo#ooooooooooo#.",
    ".#ooooooooooooooo#",
    "..#oooooooooooooo#",
    "..#oooooooooooooo#",
    "...#ooooooooooooo#",
    "...#oooooooooooo#.",
    "....#ooooooooooo#.",
    "....#oooooooooo#..",
    ".....#ooooooooo#..",
    ".....#ooooooooo#..",
    ".....###########..",
};
constexpr int kSide = 32;

template <typename F>
void eachHandPixel(F f) {
    for (std::size_t y = 0; y < sizeof kHand / sizeof kHand[0]; ++y)
        for (std::size_t x = 0; x < std::strlen(kHand[y]); ++x) f(static_cast<int>(x), static_cast<int>(y), kHand[y][x]);
}

}  // namespace

Bitmap handPicture() {
    Bitmap b(kSide, kSide, Rgb{}, 0);
    eachHandPixel([&](int x, int y, char ch) {
        if (ch != '.') b.set(x, y, ch == 'o' ? Rgb{255, 255, 255} : Rgb{0, 0, 0});
    });
    return b;
}

Bytes handCursor() {
    std::vector<bool> opaque(kSide * kSide, false), white(kSide * kSide, false);
    eachHandPixel([&](int x, int y, char ch) {
        opaque[static_cast<std::size_t>(y * kSide + x)] = ch != '.';
        white[static_cast<std::size_t>(y * kSide + x)] = ch == 'o';
    });
    return encodeCur(kSide, kSide, opaque, white, 5, 0);
}

}  // namespace assetgen
