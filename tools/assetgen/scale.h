// One display scale, for pictures laid out on a pixel grid: positions and
// lengths in 100 % pixels map to whole pixels by the pack's size rule, so
// every scaled set lines up with the others the way the 100 % set does.
#pragma once

#include <algorithm>

#include "canvas.h"
#include "platform/picture_pack.h"

namespace assetgen {

struct Scale {
    int percent = 100;

    int operator()(int at100) const { return ql::pictureLength(at100, percent); }
    // A one-pixel line at this scale: as thick as a pixel grows, never thinner.
    int line() const { return std::max(1, (*this)(1)); }
    Xform xform() const { return Xform::scale(percent / 100.0); }
};

}  // namespace assetgen
