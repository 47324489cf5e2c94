// A list of pictures indexed from 1, read from the program's asset files.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/runtime/load_picture.h"

namespace ql {

class ImageList {
public:
    void add(System& system, const char* assetName) { images_.push_back(LoadPicture(system, assetName)); }
    int Count() const { return static_cast<int>(images_.size()); }
    const Image& ListImage(int index) const { return images_.at(static_cast<std::size_t>(index - 1)); }

private:
    std::vector<Image> images_;
};

}  // namespace ql
