// Decoding of the picture files the program ships (uncompressed 24-bit BMP and
// single-image GIF89a). Both the Windows program and the simulated desktop go
// through this one path, so both show exactly the same pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ql {

// Where pixel (x, y) lies in top-down rows `width` pixels wide, and how many
// pixels such rows hold; no argument is negative.
constexpr std::size_t pixelIndex(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}
constexpr std::size_t pixelCount(int width, int height) { return pixelIndex(0, height, width); }

// Top-down pixels, one 0xAARRGGBB word each. Alpha is 255 for drawn pixels and
// 0 for a GIF's transparent index; BMP pixels are always opaque.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // The asset file the picture was loaded from, empty for one made in
    // memory: a backend draws that asset's picture of the display's scale.
    std::string source;

    std::uint32_t at(int x, int y) const { return pixels[pixelIndex(x, y, width)]; }
};

// Throws std::runtime_error naming what is wrong when the bytes are not a
// picture of the supported kinds.
Image decodeImage(const std::uint8_t* data, std::size_t size);

inline Image decodeImage(const std::vector<std::uint8_t>& bytes) { return decodeImage(bytes.data(), bytes.size()); }

}  // namespace ql
