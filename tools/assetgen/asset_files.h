// Every file the generator ships, by name.
#pragma once

#include <string>
#include <vector>

#include "encoders.h"

namespace assetgen {

struct AssetFile {
    std::string name;
    Bytes bytes;
};

std::vector<AssetFile> buildAssets();

}  // namespace assetgen
