// A crisp bitmap font for the menu captions and the contact-sheet labels:
// capitals 8 pixels tall, x-height 6, descenders 2, one pixel between letters.
#pragma once

#include <string_view>

#include "bitmap.h"

namespace assetgen {

constexpr int kCapHeight = 8;

// Width in pixels of `text` as drawn by drawText.
int textWidth(std::string_view text);

// Draws `text` in `colour` with the capitals' top row at `capTop`. Unknown
// characters draw as a space.
void drawText(Bitmap& img, int x, int capTop, std::string_view text, Rgb colour);

}  // namespace assetgen
