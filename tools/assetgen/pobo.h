// Pobo, drawn from one set of proportions in every picture. Design units are
// pixels of the full-size sprite: Pobo stands with the centre of his body on
// x = 47 and the soles of his feet on y = 116, the top of his head near y = 4.
#pragma once

#include <functional>

#include "canvas.h"

namespace assetgen {

namespace palette {
constexpr Rgb kOutline{22, 24, 34};
constexpr Rgb kBody{46, 52, 68};
constexpr Rgb kBodyLight{78, 88, 110};
constexpr Rgb kBodyDark{32, 36, 48};
constexpr Rgb kWhite{252, 252, 250};
constexpr Rgb kWhiteShade{212, 218, 228};
constexpr Rgb kOrange{255, 162, 38};
constexpr Rgb kOrangeDark{222, 106, 22};
constexpr Rgb kOrangeLight{255, 206, 110};
constexpr Rgb kEye{20, 22, 32};
constexpr Rgb kBlush{255, 136, 150};
}  // namespace palette

enum class Eyes { Open, Happy, Closed };

struct Foot {
    double lift = 0;     // up from the ground
    double forward = 0;  // toward the viewer (drawn lower and a bit larger)
    double shift = 0;    // sideways
    double tilt = 0;     // turn as a tangent, > 0 clockwise
};

struct Pose {
    double x = 0, y = 0;       // whole figure offset
    double bob = 0;            // body and head only, down; the feet stay put
    double lean = 0;           // body tilt about the feet, as a tangent; > 0 leans right
    double headTilt = 0;       // extra head tilt about the neck, as a tangent
    double look = 2;           // eyes and beak turn this far to the right
    Pt flipperL{12, 84};       // tips of the flippers (body coordinates)
    Pt flipperR{82, 84};
    bool frontL = false, frontR = false;  // flipper over the belly instead of behind the body
    Foot footL, footR;
    bool seated = false;
    Pt gaze{0, 0};            // eyes shifted within the face, for looking at things
    Eyes eyes = Eyes::Open;
    bool beakOpen = false;
    // Things held in the flippers, painted with the body transform in place:
    // under the front flippers, or over them when `heldOverFlippers`.
    std::function<void(Canvas&)> held;
    bool heldOverFlippers = false;
    // Painted after everything, with the figure's base transform.
    std::function<void(Canvas&)> overlay;
};

// Paints Pobo into `canvas`; `base` maps design units to the canvas.
void drawPobo(Canvas& canvas, const Pose& pose, const Xform& base = Xform{});

// Only the head, for the program icon.
void drawPoboHead(Canvas& canvas, const Xform& base, bool bold);

// Draws `shape` with a dark line of `width` around it.
void outlined(Canvas& c, const std::function<Shape(double grow)>& shape, Rgb fill, double width = 1.1);

}  // namespace assetgen
