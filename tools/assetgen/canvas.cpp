#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

constexpr int kSub = 4;  // samples per pixel along each axis

std::uint8_t toByte(double v) {
    const double c = std::clamp(v, 0.0, 255.0);
    return static_cast<std::uint8_t>(c + 0.5);
}

}  // namespace

Xform Xform::then(const Xform& o) const {
    return {o.a * a + o.b * d, o.a * b + o.b * e, o.a * c + o.b * f + o.c,
            o.d * a + o.e * d, o.d * b + o.e * e, o.d * c + o.e * f + o.f};
}

Xform Xform::inverse() const {
    const double det = a * e - b * d;
    const double ia = e / det, ib = -b / det, id = -d / det, ie = a / det;
    return {ia, ib, -(ia * c + ib * f), id, ie, -(id * c + ie * f)};
}

Xform Xform::rotate(Pt p, double cx, double sy) {
    const double len = std::sqrt(cx * cx + sy * sy);
    const double co = cx / len, si = sy / len;
    return Xform::translate(-p.x, -p.y).then(Xform{co, -si, 0, si, co, 0}).then(Xform::translate(p.x, p.y));
}

Canvas::Canvas(int width, int height)
    : w_(width), h_(height),
      r_(ql::pixelCount(width, height), 0.0),
      g_(r_.size(), 0.0), b_(r_.size(), 0.0), a_(r_.size(), 0.0) {}

template <typename F>
void Canvas::paint(const Shape& shape, F&& each) {
    const Xform inv = transform.inverse();
    const Box& b = shape.box;
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (Pt corner : {Pt{b.x0, b.y0}, Pt{b.x1, b.y0}, Pt{b.x0, b.y1}, Pt{b.x1, b.y1}}) {
        const Pt q = transform.apply(corner);
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x);
        y1 = std::max(y1, q.y);
    }
    const int px0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    const int py0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    const int px1 = std::min(w_ - 1, static_cast<int>(std::floor(x1)) + 1);
    const int py1 = std::min(h_ - 1, static_cast<int>(std::floor(y1)) + 1);
    for (int py = py0; py <= py1; ++py) {
        for (int px = px0; px <= px1; ++px) {
            int hits = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const Pt s = inv.apply({px + (sx + 0.5) / kSub, py + (sy + 0.5) / kSub});
                    if (shape.inside(s.x, s.y)) ++hits;
                }
            }
            if (hits > 0) each(ql::pixelIndex(px, py, w_), static_cast<double>(hits) / (kSub * kSub));
        }
    }
}

void Canvas::fill(const Shape& shape, Rgb c, double opacity) {
    paint(shape, [&](std::size_t i, double cov) {
        const double k = cov * opacity;
        r_[i] = c.r * k + r_[i] * (1 - k);
        g_[i] = c.g * k + g_[i] * (1 - k);
        b_[i] = c.b * k + b_[i] * (1 - k);
        a_[i] = k + a_[i] * (1 - k);
    });
}

void Canvas::tint(const Shape& shape, Rgb c, double opacity) {
    paint(shape, [&](std::size_t i, double cov) {
        const double k = cov * opacity;
        r_[i] = c.r * a_[i] * k + r_[i] * (1 - k);
        g_[i] = c.g * a_[i] * k + g_[i] * (1 - k);
        b_[i] = c.b * a_[i] * k + b_[i] * (1 - k);
    });
}

void Canvas::setPixel(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const std::size_t i = ql::pixelIndex(x, y, w_);
    r_[i] = c.r;
    g_[i] = c.g;
    b_[i] = c.b;
    a_[i] = 1.0;
}

Bitmap Canvas::soft() const {
    Bitmap out(w_, h_, Rgb{}, 0);
    for (std::size_t i = 0; i < a_.size(); ++i) {
        if (a_[i] <= 0) continue;
        out.px[i] = Rgb{toByte(r_[i] / a_[i]), toByte(g_[i] / a_[i]), toByte(b_[i] / a_[i])};
        out.alpha[i] = toByte(a_[i] * 255);
    }
    return out;
}

Bitmap Canvas::sprite(Rgb rim) const {
    Bitmap out = soft();
    for (std::uint8_t& a : out.alpha) a = a >= 128 ? 255 : 0;
    Bitmap result = out;
    for (int y = 0; y < h_; ++y) {
        for (int x = 0; x < w_; ++x) {
            if (out.alpha[out.index(x, y)] == 0) {
                result.px[out.index(x, y)] = Rgb{};
                continue;
            }
            const bool edge = x == 0 || y == 0 || x == w_ - 1 || y == h_ - 1 || !out.alpha[out.index(x - 1, y)] ||
                              !out.alpha[out.index(x + 1, y)] || !out.alpha[out.index(x, y - 1)] ||
                              !out.alpha[out.index(x, y + 1)];
            if (edge) result.px[out.index(x, y)] = rim;
        }
    }
    return result;
}

}  // namespace assetgen
