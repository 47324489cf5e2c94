// The generator's in-memory picture: straight (not premultiplied) colour plus
// coverage, top-down. Sprites only ever hold coverage 0 or 255; soft coverage
// is kept for the pictures that are shown against a known ground (the About
// picture on white, the alpha icons).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image_codec.h"

namespace assetgen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb rgbHex(std::uint32_t v) {
    return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

constexpr Rgb kKeyBlue{0, 0, 255};

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> px;
    std::vector<std::uint8_t> alpha;

    Bitmap() = default;
    Bitmap(int w, int h, Rgb fill = Rgb{}, std::uint8_t a = 255)
        : width(w), height(h), px(ql::pixelCount(w, h), fill), alpha(ql::pixelCount(w, h), a) {}

    std::size_t index(int x, int y) const { return ql::pixelIndex(x, y, width); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb& at(int x, int y) { return px[index(x, y)]; }
    const Rgb& at(int x, int y) const { return px[index(x, y)]; }
    void set(int x, int y, Rgb c) {
        if (inside(x, y)) {
            px[index(x, y)] = c;
            alpha[index(x, y)] = 255;
        }
    }
};

// Opaque copy with every uncovered pixel replaced by `ground`; partly covered
// pixels are mixed with it.
Bitmap flatten(const Bitmap& src, Rgb ground);

// Copies `src` into `dst` at (x, y), mixing by coverage.
void blit(Bitmap& dst, const Bitmap& src, int x, int y);

// Nearest-neighbour enlargement.
Bitmap enlarge(const Bitmap& src, int factor);

}  // namespace assetgen
