// The program lives in 96-DPI pixels ("logical" pixels) whatever the display's
// scale; a backend maps them to the pixels of the monitor a window is on.
//
// One rounding rule: a length or a place L becomes round(L * dpi / 96), halves
// rounded up (towards +infinity, also for negative places), and back the same
// way. A window's place maps by its corner and its size by the size alone,
// never by subtracting two mapped edges: so a window keeps its physical size
// to the pixel wherever it walks. The whole desktop maps by the window's own
// scale, so logical places are continuous across monitors of one scale.
#pragma once

#include "platform/types.h"

namespace ql {

constexpr int kLogicalDpi = 96;

// Nearest integer to numerator / denominator (denominator > 0), halves up.
constexpr int roundedQuotient(long long numerator, long long denominator) {
    const long long twice = 2 * numerator + denominator;
    const long long d = 2 * denominator;
    return static_cast<int>(twice >= 0 ? twice / d : -((-twice + d - 1) / d));
}

struct DisplayScale {
    int dpi = kLogicalDpi;

    constexpr int toPhysical(int logical) const { return roundedQuotient(static_cast<long long>(logical) * dpi, kLogicalDpi); }
    constexpr int toLogical(int physical) const { return roundedQuotient(static_cast<long long>(physical) * kLogicalDpi, dpi); }

    constexpr Point placeToPhysical(Point p) const { return {toPhysical(p.x), toPhysical(p.y)}; }
    constexpr Point placeToLogical(Point p) const { return {toLogical(p.x), toLogical(p.y)}; }
    constexpr Rect rectToPhysical(Rect r) const {
        const Point corner = placeToPhysical({r.left, r.top});
        return {corner.x, corner.y, corner.x + toPhysical(r.right - r.left), corner.y + toPhysical(r.bottom - r.top)};
    }
    constexpr Rect rectToLogical(Rect r) const {
        const Point corner = placeToLogical({r.left, r.top});
        return {corner.x, corner.y, corner.x + toLogical(r.right - r.left), corner.y + toLogical(r.bottom - r.top)};
    }

    // The picture set drawn at this scale: the largest not above it, in percent.
    constexpr int pictureScale() const;
};

// The scales the pictures are drawn at, in percent, smallest first.
constexpr int kPictureScales[] = {100, 125, 150, 175, 200, 250, 300};

// A length of a 100 % picture in the picture set of `percent`: every picture of
// a set, and every place drawn in it, is this long (halves rounded up).
constexpr int pictureLength(int length100, int percent) { return roundedQuotient(static_cast<long long>(length100) * percent, 100); }

// The program measures an owner-drawn menu item from its 100 % picture; the
// item is drawn from the set of `percent`, so it is made that set's length.
inline void measuredAtPictureScale(MeasureItemRecord& measured, int percent) {
    measured.itemWidth = static_cast<std::uint32_t>(pictureLength(static_cast<int>(measured.itemWidth), percent));
    measured.itemHeight = static_cast<std::uint32_t>(pictureLength(static_cast<int>(measured.itemHeight), percent));
}

constexpr int DisplayScale::pictureScale() const {
    int chosen = kPictureScales[0];
    for (int percent : kPictureScales)
        if (static_cast<long long>(percent) * kLogicalDpi <= static_cast<long long>(dpi) * 100) chosen = percent;
    return chosen;
}

}  // namespace ql
