// The pictures of the display's scale. The program holds its 100 % pictures;
// a backend draws, in their place, the same asset's picture from the set of
// the scale a window is at. Only one set is held, read when its scale is
// first needed and dropped when another scale is; each of its pictures is
// decoded when first drawn (the About window's not before it opens), so the
// set costs the memory of the pictures shown and no more.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture_pack.h"

namespace ql {

class PictureSets {
public:
    // Reads an asset file by name ("pictures200.qlp").
    using Loader = std::function<std::vector<std::uint8_t>(const char*)>;
    explicit PictureSets(Loader load) : load_(std::move(load)) {}

    // The picture to draw for `picture` at `percent`: the set's picture of
    // the same asset; at 100 %, or for a picture made in memory, itself.
    const Image& forScale(const Image& picture, int percent);
    // An entry of the set of `percent` by its asset name, or null.
    const PackedPicture* find(const std::string& name, int percent);

private:
    void hold(int percent);

    Loader load_;
    int held_ = 100;
    std::vector<PackEntry> entries_;  // the pack's bytes are read again for each picture, not kept
    std::vector<std::unique_ptr<PackedPicture>> decoded_;  // by entry, null until drawn
};

}  // namespace ql
