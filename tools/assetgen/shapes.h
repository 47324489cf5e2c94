// Filled shapes as inside-tests on real coordinates, combined by set
// operations. Only +, -, *, / and sqrt are used on doubles, which IEEE 754
// rounds the same way on every conforming platform, so the pictures come out
// bit-identical wherever the generator runs.
#pragma once

#include <functional>
#include <vector>

namespace assetgen {

struct Pt {
    double x = 0, y = 0;
};

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
    Box box;
    std::function<bool(double, double)> inside;
};

Shape ellipse(double cx, double cy, double rx, double ry);
Shape circle(double cx, double cy, double r);
// Ellipse whose first radius lies along (ax, ay).
Shape rotatedEllipse(double cx, double cy, double rx, double ry, double ax, double ay);
// Segment a-b thickened to radius ra at a and rb at b, round-ended.
Shape capsule(Pt a, Pt b, double ra, double rb);
Shape polygon(std::vector<Pt> pts);
Shape rect(double x0, double y0, double x1, double y1);
Shape roundRect(double x0, double y0, double x1, double y1, double r);
// A stroked path of straight pieces with round joins.
Shape polyline(const std::vector<Pt>& pts, double radius);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);

}  // namespace assetgen
