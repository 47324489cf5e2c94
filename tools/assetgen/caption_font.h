// Menu captions above 100 %, set in a scalable font. The glyphs are hinted
// and rendered one bit deep, so the captions stay as crisp black as the
// pixel font's at 100 %.
#pragma once

#include <string_view>

#include "bitmap.h"

namespace assetgen {

struct CaptionPlace {
    int x;        // first column of ink
    int capTop;   // top row of the capitals
    int capHeight;
    int rightEnd;  // the ink must stay left of this column
};

// Throws std::runtime_error when the font is missing or the caption does not
// fit before `rightEnd`.
void drawCaption(Bitmap& img, const CaptionPlace& place, std::string_view text, Rgb colour);

}  // namespace assetgen
