// Clip positions kept in state cells as decimal texts. A cell is matched by
// exact text against "0", "1", ... and never parsed, so any other text matches
// nothing and leaves its clip frozen.
#pragma once

#include <string_view>

#include "platform/runtime/state_cell.h"

namespace ql {

inline constexpr std::string_view kDecimal[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};

// The first k in 0..count-1 whose decimal text the cell holds, or -1.
inline int clipPosition(const StateCell& cell, int count) {
    const std::string& text = cell.Text();
    for (int k = 0; k < count; ++k)
        if (text == kDecimal[k]) return k;
    return -1;
}

// Plays one frame of a clip of `count` frames starting at `firstFrame`: shows
// the frame at the cell's position and moves the cell on, wrapping to "0"
// after the last. Returns the position played, or -1 when the cell matched
// nothing and nothing changed.
template <class ShowFrame>
int playClipStep(StateCell& cell, int count, int firstFrame, ShowFrame&& show) {
    const int k = clipPosition(cell, count);
    if (k < 0) return -1;
    show(firstFrame + k);
    cell.setText(k + 1 < count ? kDecimal[k + 1] : kDecimal[0]);
    return k;
}

}  // namespace ql
