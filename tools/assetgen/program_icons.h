// The program icon (Pobo's head) and the hand pointer of the About window.
#pragma once

#include "encoders.h"

namespace assetgen {

// 32x32 at 24 bits, then 72, 64, 48, 32, 24 and 16 square at 32 bits.
Bytes programIcon();

// 32x32 two-colour hand, index finger up, hotspot at the fingertip (5, 0).
Bytes handCursor();

// The cursor as a picture (white, black, transparent), for the contact sheet.
Bitmap handPicture();

// The head at one size with soft alpha, for the icon and the contact sheet.
Bitmap headPicture(int size);

}  // namespace assetgen
