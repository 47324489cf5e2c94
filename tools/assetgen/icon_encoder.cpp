#include "byte_sink.h"
#include "encoders.h"

namespace assetgen {
namespace {

// BITMAPINFOHEADER of an icon or cursor entry: the height counts the colour
// bitmap and the AND mask together.
void putInfoHeader(Bytes& b, int w, int h, int bits, std::uint32_t imageBytes, int paletteEntries) {
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(w));
    put32(b, static_cast<std::uint32_t>(h * 2));
    put16(b, 1);
    put16(b, static_cast<unsigned>(bits));
    put32(b, 0);
    put32(b, imageBytes);
    put32(b, 0);
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(paletteEntries));
    put32(b, 0);
}

std::uint32_t rowBytes(int w, int bits) { return ((static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(bits) + 31) / 32) * 4; }

// Bottom-up 1-bit rows, set bits where `bit(x, y)` is true.
template <typename F>
void putBitRows(Bytes& b, int w, int h, F bit) {
    const std::uint32_t stride = rowBytes(w, 1);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < w; ++x)
            if (bit(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

Bytes iconDib(const IconImage& icon) {
    const Bitmap& img = icon.image;
    const int bits = icon.bitsPerPixel;
    const std::uint32_t colourBytes = rowBytes(img.width, bits) * static_cast<std::uint32_t>(img.height);
    const std::uint32_t maskBytes = rowBytes(img.width, 1) * static_cast<std::uint32_t>(img.height);
    Bytes b;
    putInfoHeader(b, img.width, img.height, bits, colourBytes + maskBytes, 0);
    const auto opaque = [&](int x, int y) { return img.alpha[img.index(x, y)] >= 128; };
    for (int y = img.height - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < img.width; ++x) {
            const std::uint8_t a = img.alpha[img.index(x, y)];
            Rgb c = img.at(x, y);
            if (bits == 24 && !opaque(x, y)) c = Rgb{};
            if (bits == 32 && a == 0) c = Rgb{};
            put8(b, c.b);
            put8(b, c.g);
            put8(b, c.r);
            written += 3;
            if (bits == 32) {
                put8(b, a);
                ++written;
            }
        }
        for (; written < rowBytes(img.width, bits); ++written) put8(b, 0);
    }
    putBitRows(b, img.width, img.height, [&](int x, int y) { return !opaque(x, y); });
    return b;
}

}  // namespace

Bytes encodeIco(const std::vector<IconImage>& images) {
    Bytes b;
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, static_cast<unsigned>(images.size()));
    std::vector<Bytes> dibs;
    for (const IconImage& i : images) dibs.push_back(iconDib(i));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Bitmap& img = images[i].image;
        put8(b, img.width >= 256 ? 0 : static_cast<unsigned>(img.width));
        put8(b, img.height >= 256 ? 0 : static_cast<unsigned>(img.height));
        put8(b, 0);  // no palette
        put8(b, 0);
        put16(b, 1);  // planes
        put16(b, static_cast<unsigned>(images[i].bitsPerPixel));
        put32(b, static_cast<std::uint32_t>(dibs[i].size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const Bytes& d : dibs) b.insert(b.end(), d.begin(), d.end());
    return b;
}

Bytes encodeCur(int w, int h, const std::vector<bool>& opaque, const std::vector<bool>& white, int hotX, int hotY) {
    const auto at = [w](int x, int y) { return ql::pixelIndex(x, y, w); };
    Bytes dib;
    const std::uint32_t imageBytes = 2 * rowBytes(w, 1) * static_cast<std::uint32_t>(h);
    putInfoHeader(dib, w, h, 1, imageBytes, 2);
    put32(dib, 0x00000000);  // index 0 black
    put32(dib, 0x00FFFFFF);  // index 1 white
    putBitRows(dib, w, h, [&](int x, int y) { return opaque[at(x, y)] && white[at(x, y)]; });
    putBitRows(dib, w, h, [&](int x, int y) { return !opaque[at(x, y)]; });

    Bytes b;
    put16(b, 0);
    put16(b, 2);  // cursor
    put16(b, 1);
    put8(b, static_cast<unsigned>(w));
    put8(b, static_cast<unsigned>(h));
    put8(b, 2);  // colours
    put8(b, 0);
    put16(b, static_cast<unsigned>(hotX));
    put16(b, static_cast<unsigned>(hotY));
    put32(b, static_cast<std::uint32_t>(dib.size()));
    put32(b, 6 + 16);
    b.insert(b.end(), dib.begin(), dib.end());
    return b;
}

}  // namespace assetgen
