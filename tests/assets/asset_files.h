// Reading the shipped pictures for the tests.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/image_codec.h"
#include "platform/picture_pack.h"

namespace qltest {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path);
Bytes readAsset(const std::string& name);
ql::Image decodeAsset(const std::string& name);

// Every file the generator writes.
std::vector<std::string> allAssetNames();

std::string frameName(int n);  // "frame01.bmp" .. "frame28.gif"

// The scales above 100 %, and their committed pictures read through the
// program's decoder; `packedPicture` fails the test when `name` is missing.
std::vector<int> packedScales();
const std::vector<ql::PackedPicture>& picturePack(int percent);
const ql::PackedPicture& packedPicture(int percent, const std::string& name);

// 100 % length `at100` at `percent` %, and that scale as a factor.
inline int scaled(int at100, int percent) { return ql::pictureLength(at100, percent); }
inline double factor(int percent) { return percent / 100.0; }

inline std::uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | (std::uint32_t{b.at(at + 1)} << 8); }
inline std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Colour {
    int r, g, b;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline void PrintTo(const Colour& c, std::ostream* os) { *os << "rgb(" << c.r << "," << c.g << "," << c.b << ")"; }
inline Colour colourOf(std::uint32_t argb) {
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}
inline Colour hex(std::uint32_t v) { return colourOf(v); }

}  // namespace qltest
