#include "bitmap.h"

namespace assetgen {
namespace {

std::uint8_t mix(std::uint8_t under, std::uint8_t over, int a) {
    return static_cast<std::uint8_t>((under * (255 - a) + over * a + 127) / 255);
}

}  // namespace

Bitmap flatten(const Bitmap& src, Rgb ground) {
    Bitmap out(src.width, src.height, ground);
    blit(out, src, 0, 0);
    return out;
}

void blit(Bitmap& dst, const Bitmap& src, int x0, int y0) {
    for (int y = 0; y < src.height; ++y) {
        for (int x = 0; x < src.width; ++x) {
            if (!dst.inside(x0 + x, y0 + y)) continue;
            const int a = src.alpha[src.index(x, y)];
            if (a == 0) continue;
            const Rgb s = src.at(x, y);
            Rgb& d = dst.at(x0 + x, y0 + y);
            d = Rgb{mix(d.r, s.r, a), mix(d.g, s.g, a), mix(d.b, s.b, a)};
            dst.alpha[dst.index(x0 + x, y0 + y)] = 255;
        }
    }
}

Bitmap enlarge(const Bitmap& src, int factor) {
    Bitmap out(src.width * factor, src.height * factor);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            out.px[out.index(x, y)] = src.at(x / factor, y / factor);
            out.alpha[out.index(x, y)] = src.alpha[src.index(x / factor, y / factor)];
        }
    return out;
}

}  // namespace assetgen
