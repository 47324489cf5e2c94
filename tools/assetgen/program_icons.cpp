#include "program_icons.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "pobo.h"
#include "scale.h"

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

// The hand of the pixel picture above as shapes, for the other scales: the
// white inside in 100 % pixels, its outline a pixel's width round it.
Shape handInside() {
    Shape s = capsule({6, 2}, {6, 10}, 1, 1);                  // index finger
    s = unite(std::move(s), capsule({9, 7}, {9, 11}, 1, 1));    // the three fingers curled
    s = unite(std::move(s), capsule({12, 8}, {12, 11}, 1, 1));
    s = unite(std::move(s), capsule({15, 9}, {15, 12}, 1, 1));
    s = unite(std::move(s), capsule({2, 10}, {4.5, 13.5}, 1, 1));  // thumb
    return unite(std::move(s), polygon({{4.5, 9}, {16, 9.5}, {17, 12}, {17, 16}, {15, 18.5}, {15, 21},
                                        {6, 21}, {6, 19}, {4, 16}, {2.5, 12.5}}));
}

// Everything within `r` of `s`, to a sixteenth of a turn. The directions
// come from square roots alone, which round alike everywhere.
Shape grown(Shape s, double r) {
    const double c = std::sqrt(2 + std::sqrt(2.0)) / 2, n = std::sqrt(2 - std::sqrt(2.0)) / 2, h = std::sqrt(0.5);
    const std::pair<double, double> quarter[4] = {{1, 0}, {c, n}, {h, h}, {n, c}};
    std::vector<Pt> steps;
    for (const auto& [u, v] : quarter)
        for (const Pt p : {Pt{u, v}, Pt{-v, u}, Pt{-u, -v}, Pt{v, -u}}) steps.push_back({p.x * r, p.y * r});
    const Box box{s.box.x0 - r, s.box.y0 - r, s.box.x1 + r, s.box.y1 + r};
    return {box, [in = std::move(s.inside), steps](double x, double y) {
                if (in(x, y)) return true;
                for (const Pt& d : steps)
                    if (in(x + d.x, y + d.y)) return true;
                return false;
            }};
}

Cursor drawnHand(const Scale& sc) {
    Canvas c(sc(kSide), sc(kSide));
    c.transform = sc.xform();
    c.fill(grown(handInside(), 1), Rgb{});
    c.fill(handInside(), Rgb{255, 255, 255});
    // Two colours only: what the smoothing left grey goes to the nearer one.
    Cursor out{c.sprite(Rgb{}), 0, 0};
    for (Rgb& px : out.picture.px) px = px.r >= 128 ? Rgb{255, 255, 255} : Rgb{};
    return out;
}

// The fingertip is the top row's first run of pixels; the hotspot is its
// middle, the left one of two.
void placeHotspot(Cursor& c) {
    const Bitmap& b = c.picture;
    for (int y = 0; y < b.height; ++y) {
        int x = 0;
        while (x < b.width && b.alpha[b.index(x, y)] == 0) ++x;
        if (x == b.width) continue;
        int end = x;
        while (end < b.width && b.alpha[b.index(end, y)] != 0) ++end;
        c.hotspotX = (x + end - 1) / 2;
        c.hotspotY = y;
        return;
    }
}

}  // namespace

Cursor handAt(int percent) {
    Cursor out;
    if (percent == 100) {
        out.picture = Bitmap(kSide, kSide, Rgb{}, 0);
        eachHandPixel([&](int x, int y, char ch) {
            if (ch != '.') out.picture.set(x, y, ch == 'o' ? Rgb{255, 255, 255} : Rgb{0, 0, 0});
        });
    } else {
        out = drawnHand(Scale{percent});
    }
    placeHotspot(out);
    return out;
}

Bytes handCursor() {
    const Cursor hand = handAt(100);
    const Bitmap& b = hand.picture;
    std::vector<bool> opaque(b.px.size()), white(b.px.size());
    for (std::size_t i = 0; i < b.px.size(); ++i) {
        opaque[i] = b.alpha[i] != 0;
        white[i] = opaque[i] && b.px[i].r != 0;
    }
    return encodeCur(b.width, b.height, opaque, white, hand.hotspotX, hand.hotspotY);
}

}  // namespace assetgen
