// The two pictures of the About window.
#pragma once

#include "bitmap.h"

namespace assetgen {

Bitmap aboutPobo();   // 90 x 140 on white: Pobo holding up a "Hi!" sign
Bitmap aboutClose();  // 21 x 21 close button

}  // namespace assetgen
