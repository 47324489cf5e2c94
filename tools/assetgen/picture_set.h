// Every picture of one display scale, each named by the 100 % file it
// stands for, as a picture pack holds them.
#pragma once

#include <vector>

#include "platform/picture_pack.h"

namespace assetgen {

std::vector<ql::PackedPicture> pictureSet(int percent);

}  // namespace assetgen
