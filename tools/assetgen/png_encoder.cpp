#include <array>

#include "byte_sink.h"
#include "deflate.h"
#include "encoders.h"

namespace assetgen {
namespace {

std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) c = table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void chunk(Bytes& out, const char* type, const Bytes& body) {
    put32be(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    for (int i = 0; i < 4; ++i) put8(out, static_cast<unsigned char>(type[i]));
    out.insert(out.end(), body.begin(), body.end());
    put32be(out, crc32(out.data() + start, out.size() - start));
}

}  // namespace

Bytes encodePng(const Bitmap& img) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(img.height) * (img.width * 3 + 1));
    for (int y = 0; y < img.height; ++y) {
        put8(raw, 0);  // no filter
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            put8(raw, c.r);
            put8(raw, c.g);
            put8(raw, c.b);
        }
    }

    const Bytes z = zlibCompress(raw);

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    put32be(ihdr, static_cast<std::uint32_t>(img.width));
    put32be(ihdr, static_cast<std::uint32_t>(img.height));
    for (unsigned v : {8u, 2u, 0u, 0u, 0u}) put8(ihdr, v);  // 8-bit RGB, deflate, no filter, no interlace
    chunk(out, "IHDR", ihdr);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    return out;
}

}  // namespace assetgen
