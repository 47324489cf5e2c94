// Supersampling painter. Colour is kept premultiplied by coverage so that a
// shape's soft edge over the empty ground never picks up the ground's colour:
// when the picture is finished, colour is divided by coverage again, and the
// key colour never enters a drawn pixel.
#pragma once

#include <vector>

#include "bitmap.h"
#include "shapes.h"

namespace assetgen {

// Maps design coordinates to picture coordinates: X = a*x + b*y + c, Y = d*x + e*y + f.
struct Xform {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;

    Pt apply(Pt p) const { return {a * p.x + b * p.y + c, d * p.x + e * p.y + f}; }
    Xform then(const Xform& o) const;  // this first, then o
    Xform inverse() const;
    static Xform translate(double x, double y) { return {1, 0, x, 0, 1, y}; }
    static Xform scale(double s) { return {s, 0, 0, 0, s, 0}; }
    // Rotation about `pivot` by the angle whose cosine and sine are
    // proportional to (cx, sy).
    static Xform rotate(Pt pivot, double cx, double sy);
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return w_; }
    int height() const { return h_; }

    Xform transform;  // applied to every shape painted

    // Paints `shape` in `colour` at `opacity` (0..1) over what is there.
    void fill(const Shape& shape, Rgb colour, double opacity = 1.0);
    // Recolours what is already painted inside `shape` without adding
    // coverage, so it can tint or shade but never grows the drawing.
    void tint(const Shape& shape, Rgb colour, double opacity);
    void setPixel(int x, int y, Rgb colour);  // exact, no transform

    // Hard-edged sprite: pixels at least half covered become opaque, all
    // others empty; opaque pixels touching an empty one (4-neighbourhood)
    // take `rim`, so the drawing meets the ground with a clean dark line.
    Bitmap sprite(Rgb rim) const;
    // Soft-edged picture keeping coverage as alpha.
    Bitmap soft() const;

private:
    template <typename F>
    void paint(const Shape& shape, F&& each);

    int w_, h_;
    std::vector<double> r_, g_, b_, a_;
};

}  // namespace assetgen
