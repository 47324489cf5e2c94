#include "byte_sink.h"
#include "encoders.h"

namespace assetgen {

Bytes encodeBmp24(const Bitmap& img) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(img.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(img.height);
    Bytes b;
    b.reserve(54 + pixelBytes);
    put8(b, 'B');
    put8(b, 'M');
    put32(b, 54 + pixelBytes);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(img.width));
    put32(b, static_cast<std::uint32_t>(img.height));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);  // uncompressed
    put32(b, pixelBytes);
    put32(b, 3780);  // 96 dpi
    put32(b, 3780);
    put32(b, 0);
    put32(b, 0);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            put8(b, c.b);
            put8(b, c.g);
            put8(b, c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(img.width) * 3; pad < stride; ++pad) put8(b, 0);
    }
    return b;
}

}  // namespace assetgen
