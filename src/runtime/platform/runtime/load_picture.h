// A picture from one of the program's asset files, remembering which.
#pragma once

#include "platform/image_codec.h"
#include "platform/system.h"

namespace ql {

inline Image LoadPicture(System& system, const char* assetName) {
    Image picture = decodeImage(system.loadAsset(assetName));
    picture.source = assetName;
    return picture;
}

}  // namespace ql
