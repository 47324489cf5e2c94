// The pictures of one display scale above 100 %, packed in one file
// (pictures125.qlp ... pictures300.qlp); the 100 % pictures are the plain
// files. Every picture is drawn afresh at its scale, so a backend shows the
// set of the largest scale not above the window's, unscaled.
//
// A picture W x H at 100 % is pictureLength(W, p) x pictureLength(H, p) at p %:
// W * p / 100 rounded to the nearest integer, halves up. Positions inside the
// pictures are scaled by the same rounding.
//
// Layout, little-endian:
//   "QLPK", u16 version (1), u16 entry count, then per entry:
//   u8 name length, the name of the 100 % file it stands for ("frame01.bmp",
//   "hand.cur", ...), u16 width, height, hotspot x, hotspot y, u16 colour
//   count, the colours as u32 0xAARRGGBB (alpha 255 or 0), then the pixels,
//   top-down rows, as runs. A run starts with a varint n (7 bits a byte, low
//   group first) and covers n / 3 + 1 pixels: by n % 3, 0 is one colour index
//   repeated, 1 is that many indices in turn, 2 copies the pixels one row up.
//   An index is one byte when there are at most 256 colours, else two. Runs
//   continue across rows and end exactly at the last pixel; nothing follows
//   the last entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_scale.h"
#include "platform/image_codec.h"

namespace ql {

// "pictures125.qlp" for 125.
inline std::string picturePackName(int percent) { return "pictures" + std::to_string(percent) + ".qlp"; }

constexpr char kPictureMagic[4] = {'Q', 'L', 'P', 'K'};
constexpr int kPictureVersion = 1;

struct PackedPicture {
    std::string name;
    Image image;
    int hotspotX = 0, hotspotY = 0;
};

// Throws std::runtime_error naming what is wrong for any malformed data; never
// reads out of bounds.
std::vector<PackedPicture> decodePicturePack(const std::uint8_t* data, std::size_t size);

// Where each picture of a pack starts, for decoding one picture when it is
// first needed; the whole pack is checked as by decodePicturePack.
struct PackEntry {
    std::string name;
    std::size_t offset = 0;
};
std::vector<PackEntry> indexPicturePack(const std::uint8_t* data, std::size_t size);
PackedPicture decodePackEntry(const std::uint8_t* data, std::size_t size, const PackEntry& entry);

inline std::vector<PackedPicture> decodePicturePack(const std::vector<std::uint8_t>& bytes) {
    return decodePicturePack(bytes.data(), bytes.size());
}

}  // namespace ql
