// What a form window's client area shows: its background colour everywhere,
// its picture at the client origin, unscaled, with the background showing
// through the picture's transparent pixels. Both backends paint from this, so
// the real and the simulated window show the same pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image_codec.h"
#include "platform/types.h"

namespace ql {

// One 0x00RRGGBB word per pixel, top-down: the layout of a 32-bit top-down DIB.
inline std::uint32_t colorRefToPixel(ColorRef c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Fills `pixels` (already sized width * height) without allocating.
inline void composeWindowPixels(std::vector<std::uint32_t>& pixels, int width, int height, ColorRef background,
                                const Image* picture) {
    const std::uint32_t ground = colorRefToPixel(background);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = pixels.data() + pixelIndex(0, y, width);
        int x = 0;
        // Row by row without a branch per pixel: this runs on every frame change.
        if (picture && y < picture->height) {
            const std::uint32_t* from = picture->pixels.data() + pixelIndex(0, y, picture->width);
            const int covered = width < picture->width ? width : picture->width;
            for (; x < covered; ++x) row[x] = (from[x] >> 24) != 0 ? (from[x] & 0x00FFFFFFu) : ground;
        }
        for (; x < width; ++x) row[x] = ground;
    }
}

}  // namespace ql
