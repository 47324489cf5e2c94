#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace assetgen {

Shape ellipse(double cx, double cy, double rx, double ry) {
    return {{cx - rx, cy - ry, cx + rx, cy + ry}, [=](double x, double y) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            }};
}

Shape circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Shape rotatedEllipse(double cx, double cy, double rx, double ry, double ax, double ay) {
    const double len = std::sqrt(ax * ax + ay * ay);
    const double ux = ax / len, uy = ay / len;
    const double m = std::max(rx, ry);
    return {{cx - m, cy - m, cx + m, cy + m}, [=](double x, double y) {
                const double px = x - cx, py = y - cy;
                const double u = (px * ux + py * uy) / rx, v = (py * ux - px * uy) / ry;
                return u * u + v * v <= 1.0;
            }};
}

Shape capsule(Pt a, Pt b, double ra, double rb) {
    const double m = std::max(ra, rb);
    const Box box{std::min(a.x, b.x) - m, std::min(a.y, b.y) - m, std::max(a.x, b.x) + m, std::max(a.y, b.y) + m};
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    return {box, [=](double x, double y) {
                double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
                t = std::clamp(t, 0.0, 1.0);
                const double ex = x - (a.x + dx * t), ey = y - (a.y + dy * t);
                const double r = ra + (rb - ra) * t;
                return ex * ex + ey * ey <= r * r;
            }};
}

Shape polygon(std::vector<Pt> pts) {
    Box box{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const Pt& p : pts) {
        box.x0 = std::min(box.x0, p.x);
        box.y0 = std::min(box.y0, p.y);
        box.x1 = std::max(box.x1, p.x);
        box.y1 = std::max(box.y1, p.y);
    }
    return {box, [pts = std::move(pts)](double x, double y) {
                bool in = false;
                for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const Pt& p = pts[i];
                    const Pt& q = pts[j];
                    if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) in = !in;
                }
                return in;
            }};
}

Shape rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0, x1, y1}, [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }};
}

Shape roundRect(double x0, double y0, double x1, double y1, double r) {
    return {{x0, y0, x1, y1}, [=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
                const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
                return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
            }};
}

Shape polyline(const std::vector<Pt>& pts, double radius) {
    Shape s = capsule(pts[0], pts.size() > 1 ? pts[1] : pts[0], radius, radius);
    for (std::size_t i = 2; i < pts.size(); ++i) s = unite(std::move(s), capsule(pts[i - 1], pts[i], radius, radius));
    return s;
}

Shape unite(Shape a, Shape b) {
    const Box box{std::min(a.box.x0, b.box.x0), std::min(a.box.y0, b.box.y0), std::max(a.box.x1, b.box.x1),
                  std::max(a.box.y1, b.box.y1)};
    return {box, [fa = std::move(a.inside), fb = std::move(b.inside)](double x, double y) { return fa(x, y) || fb(x, y); }};
}

Shape intersect(Shape a, Shape b) {
    const Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
                  std::min(a.box.y1, b.box.y1)};
    return {box, [fa = std::move(a.inside), fb = std::move(b.inside)](double x, double y) { return fa(x, y) && fb(x, y); }};
}

Shape subtract(Shape a, Shape b) {
    const Box box = a.box;
    return {box, [fa = std::move(a.inside), fb = std::move(b.inside)](double x, double y) { return fa(x, y) && !fb(x, y); }};
}

}  // namespace assetgen
