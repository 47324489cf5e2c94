// The two pictures of the About window.
#pragma once

#include "bitmap.h"

namespace assetgen {

// At `percent` %; the sizes given are those at 100 %.
Bitmap aboutPobo(int percent);   // 90 x 140 on white: Pobo holding up a "Hi!" sign
Bitmap aboutClose(int percent);  // 21 x 21 close button

}  // namespace assetgen
