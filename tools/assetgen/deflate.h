// A small zlib stream writer: greedy LZ77 matching coded with the fixed
// Huffman tables. Plenty for pictures with large flat areas.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<std::uint8_t> zlibCompress(const std::vector<std::uint8_t>& data);

}  // namespace assetgen
