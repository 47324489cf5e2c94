// The program icon (Pobo's head) and the hand pointer of the About window.
#pragma once

#include "encoders.h"

namespace assetgen {

// 32x32 at 24 bits, then 72, 64, 48, 32, 24 and 16 square at 32 bits.
Bytes programIcon();

// 32x32 two-colour hand, index finger up, hotspot at the fingertip (5, 0).
Bytes handCursor();

// The hand at `percent` % as a picture (white, black, transparent), with the
// hotspot on the top pixel of the fingertip: 32x32 with (5, 0) at 100 %.
struct Cursor {
    Bitmap picture;
    int hotspotX = 0, hotspotY = 0;
};
Cursor handAt(int percent);

// The head at one size with soft alpha, for the icon and the contact sheet.
Bitmap headPicture(int size);

}  // namespace assetgen
