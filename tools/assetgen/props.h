// The things Pobo holds or that fly around him, each in its own little
// coordinate system so a pose can place, turn and scale it.
#pragma once

#include "canvas.h"

namespace assetgen {

// A drink can standing upright, its base centred on (0, 0), 17 units tall.
void drawCan(Canvas& c);

// A light-blue see-through letter centred on (0, 0), 50 x 28 units. It tints
// what is under it, so it must lie over painted parts only.
void drawGlassLetter(Canvas& c);

// A butterfly centred on (0, 0), about 11 x 9 units; `open` 0..1 spreads the wings.
void drawButterfly(Canvas& c, double open);

// A cardboard sign on a stick: board centred on (0, 0), the stick hanging
// from under the board at x = stickX down to y = stickEnd.
void drawSign(Canvas& c, double stickX, double stickEnd);

}  // namespace assetgen
