// File encoders for the shipped formats and the contact sheet. All output is a
// pure function of the input, byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "bitmap.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// Uncompressed 24-bit bottom-up BMP of the colour channels (coverage ignored).
Bytes encodeBmp24(const Bitmap& img);

// Single-image GIF89a with a 256-entry global table; `transparent` (0-255) is
// flagged in a Graphic Control Extension.
Bytes encodeGif(int width, int height, const std::vector<std::uint8_t>& indices, const std::array<Rgb, 256>& palette,
                int transparent);

// 8-bit RGB PNG.
Bytes encodePng(const Bitmap& img);

// One image of an icon file. 24-bit images keep their transparency in the AND
// mask only (coverage >= 128 is opaque); 32-bit images carry coverage as alpha
// and a matching AND mask.
struct IconImage {
    Bitmap image;
    int bitsPerPixel;  // 24 or 32
};
Bytes encodeIco(const std::vector<IconImage>& images);

// A monochrome cursor: `white` and `opaque` are width*height flags, top-down.
// Opaque pixels that are not white are black.
Bytes encodeCur(int width, int height, const std::vector<bool>& opaque, const std::vector<bool>& white, int hotX,
                int hotY);

}  // namespace assetgen
