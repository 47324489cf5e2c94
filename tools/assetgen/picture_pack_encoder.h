// Writes the pictures of one scale as a picture pack (platform/picture_pack.h).
#pragma once

#include <vector>

#include "encoders.h"
#include "platform/picture_pack.h"

namespace assetgen {

// Throws std::runtime_error when a picture does not fit the format.
Bytes encodePicturePack(const std::vector<ql::PackedPicture>& pictures);

}  // namespace assetgen
