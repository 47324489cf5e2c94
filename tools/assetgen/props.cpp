#include "props.h"

#include "pobo.h"

namespace assetgen {

using palette::kOutline;

void drawCan(Canvas& c) {
    const auto can = [](double g) { return roundRect(-5.5 - g, -17 - g, 5.5 + g, 0 + g, 2 + g); };
    const Rgb green{58, 168, 92};
    c.fill(can(1.1), kOutline);
    c.fill(can(0), green);
    // A cream wave round the middle and a little star.
    c.fill(intersect(can(0), subtract(ellipse(-2, -1, 14, 10), ellipse(-4, 2, 14, 10.5))), Rgb{252, 244, 200});
    c.fill(polygon({{1.5, -12.6}, {2.3, -10.6}, {4.3, -10.6}, {2.7, -9.4}, {3.3, -7.4}, {1.5, -8.6}, {-0.3, -7.4},
                    {0.3, -9.4}, {-1.3, -10.6}, {0.7, -10.6}}),
           Rgb{255, 214, 60});
    c.tint(intersect(can(0), rect(2.6, -17, 6, 1)), Rgb{20, 80, 40}, 0.45);
    c.tint(intersect(can(0), rect(-3.8, -16, -2.4, -1)), Rgb{210, 255, 220}, 0.5);
    c.fill(intersect(can(0), rect(-6, -18, 6, -14.6)), Rgb{196, 200, 208});
    c.fill(intersect(can(0), rect(-6, -14.8, 6, -14.0)), Rgb{120, 124, 134});
    c.fill(rect(-1.5, -17, 1.5, -16), Rgb{150, 154, 162});
}

void drawGlassLetter(Canvas& c) {
    const auto sheet = [](double g) { return roundRect(-25 - g, -14 - g, 25 + g, 14 + g, 3 + g); };
    c.fill(sheet(1.0), Rgb{70, 120, 184}, 0.9);
    c.fill(sheet(0), Rgb{168, 214, 255}, 0.6);
    c.fill(intersect(sheet(0), polyline({{-25, -13}, {0, 3}, {25, -13}}, 0.9)), Rgb{236, 246, 255}, 0.85);
    c.fill(intersect(sheet(0), polyline({{-25, 13}, {-7, 0}}, 0.6)), Rgb{236, 246, 255}, 0.5);
    c.fill(intersect(sheet(0), polyline({{25, 13}, {7, 0}}, 0.6)), Rgb{236, 246, 255}, 0.5);
    c.fill(intersect(sheet(0), polygon({{-14, 14}, {-8, 14}, {6, -14}, {0, -14}})), Rgb{255, 255, 255}, 0.3);
}

void drawButterfly(Canvas& c, double open) {
    const double s = 0.55 + 0.45 * open;
    const auto wings = [&](double g) {
        Shape w = rotatedEllipse(-3.3 * s, -1.6, 3.5 * s + g, 2.7 + g, -1, 0.6);
        w = unite(std::move(w), rotatedEllipse(3.3 * s, -1.6, 3.5 * s + g, 2.7 + g, 1, 0.6));
        w = unite(std::move(w), ellipse(-2.5 * s, 2.5, 2.4 * s + g, 2.0 + g));
        w = unite(std::move(w), ellipse(2.5 * s, 2.5, 2.4 * s + g, 2.0 + g));
        return w;
    };
    c.fill(wings(1.0), kOutline);
    c.fill(polyline({{-0.5, -4}, {-2.5, -7}}, 0.55), kOutline);
    c.fill(polyline({{0.5, -4}, {2.5, -7}}, 0.55), kOutline);
    c.fill(rotatedEllipse(-3.3 * s, -1.6, 3.5 * s, 2.7, -1, 0.6), Rgb{238, 62, 74});
    c.fill(rotatedEllipse(3.3 * s, -1.6, 3.5 * s, 2.7, 1, 0.6), Rgb{252, 206, 46});
    c.fill(ellipse(-2.5 * s, 2.5, 2.4 * s, 2.0), Rgb{84, 188, 86});
    c.fill(ellipse(2.5 * s, 2.5, 2.4 * s, 2.0), Rgb{170, 100, 226});
    c.fill(circle(-3.8 * s, -2.0, 0.9), Rgb{255, 240, 220});
    c.fill(circle(3.8 * s, -2.0, 0.9), Rgb{255, 250, 220});
    c.fill(capsule({0, -3.5}, {0, 4}, 1.1, 0.8), kOutline);
}

void drawSign(Canvas& c, double sx, double stickEnd) {
    const Rgb wood{156, 104, 58};
    c.fill(roundRect(sx - 2.6, 10, sx + 2.6, stickEnd + 1, 1.5), kOutline);
    c.fill(roundRect(sx - 1.5, 10, sx + 1.5, stickEnd, 1), wood);
    c.fill(rect(sx - 1.5, 10, sx - 0.5, stickEnd), Rgb{196, 146, 92});
    const auto board = [](double g) { return roundRect(-30 - g, -19 - g, 30 + g, 19 + g, 3 + g); };
    c.fill(board(1.2), kOutline);
    c.fill(board(0), Rgb{240, 218, 164});
    c.tint(subtract(board(0), roundRect(-31, -20, 28.5, 17.5, 3)), Rgb{196, 160, 100}, 0.8);
    c.tint(intersect(board(0), rect(-30, -19, 30, -16.8)), Rgb{255, 240, 200}, 0.6);
    const Rgb ink{212, 44, 40};
    c.fill(polyline({{-19.5, -11}, {-20, -1}, {-20.5, 10}}, 2.3), ink);
    c.fill(polyline({{-7.5, -12}, {-7.8, 0}, {-7.2, 10.5}}, 2.3), ink);
    c.fill(polyline({{-20, -0.5}, {-13, -1.8}, {-7.8, -1.2}}, 2.1), ink);
    c.fill(polyline({{3.5, -2.5}, {3, 4}, {3.4, 10.5}}, 2.3), ink);
    c.fill(circle(4, -8.8, 2.6), ink);
    c.fill(capsule({16, -12.5}, {15, 4.5}, 3.0, 1.7), ink);
    c.fill(circle(15, 10.5, 2.6), ink);
}

}  // namespace assetgen
