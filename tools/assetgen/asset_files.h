// Every file the generator ships, by name: the 100 % pictures as plain files,
// each other scale's set as one picture pack.
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
