// The 28 sprite frames of the character window.
#pragma once

#include <vector>

#include "bitmap.h"

namespace assetgen {

// Frames 1-28 at `percent` % in order (index 0 is frame 1). Every pixel has
// coverage 0 (ground) or 255 (drawn), and at 100 % all drawing lies in
// columns 0-94, rows 0-116.
std::vector<Bitmap> spriteFrames(int percent);

}  // namespace assetgen
