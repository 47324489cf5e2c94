// Little- and big-endian appends shared by the encoders.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

inline void put8(std::vector<std::uint8_t>& b, unsigned v) { b.push_back(static_cast<std::uint8_t>(v)); }
inline void put16(std::vector<std::uint8_t>& b, unsigned v) {
    put8(b, v & 0xFF);
    put8(b, (v >> 8) & 0xFF);
}
inline void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace assetgen
