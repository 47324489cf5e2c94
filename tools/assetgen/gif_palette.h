// One 256-colour table shared by a set of sprite frames: entries 0-254 hold
// the drawn colours (reduced by median cut when there are more), entry 255 is
// the transparent ground and holds the key colour.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "bitmap.h"

namespace assetgen {

constexpr int kTransparentIndex = 255;

struct IndexedFrames {
    std::array<Rgb, 256> palette{};
    std::vector<std::vector<std::uint8_t>> frames;
};

IndexedFrames indexFrames(const std::vector<Bitmap>& frames);

}  // namespace assetgen
