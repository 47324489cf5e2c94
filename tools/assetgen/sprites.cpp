#include "sprites.h"

#include <algorithm>

#include "platform/picture_pack.h"
#include "pobo.h"
#include "props.h"

namespace assetgen {
namespace {

// Sizes and `base` are in 100 % pixels; the whole drawing is scaled as one.
Bitmap render(int percent, int w, int h, const Pose& pose, const Xform& base = Xform{}) {
    Canvas c(ql::pictureLength(w, percent), ql::pictureLength(h, percent));
    drawPobo(c, pose, base.then(Xform::scale(percent / 100.0)));
    return c.sprite(palette::kOutline);
}

// A waddle rocks the body from foot to foot; the flippers trail the rock by
// one frame, which keeps all eight poses distinct.
std::vector<Bitmap> walkFrames(int percent) {
    constexpr double kLean[8] = {0, 0.05, 0.085, 0.05, 0, -0.05, -0.085, -0.05};
    std::vector<Bitmap> out;
    for (int i = 0; i < 8; ++i) {
        const double lean = kLean[i];
        const double lag = kLean[(i + 7) % 8];
        Pose p;
        p.lean = lean;
        p.headTilt = -lean * 0.4;
        p.bob = std::max(lean, -lean) > 0.07 ? 1 : 0;
        const double rockR = std::max(0.0, lean + lag) / 0.17;  // 0..1, leaning onto the right foot
        const double rockL = std::max(0.0, -(lean + lag)) / 0.17;
        p.footL.lift = 6 * rockR;
        p.footL.shift = -2 * rockR;
        p.footL.tilt = 0.22 * rockR;
        p.footR.lift = 6 * rockL;
        p.footR.shift = 2 * rockL;
        p.footR.tilt = -0.22 * rockL;
        const double outL = std::max(0.0, lag) / 0.085, outR = std::max(0.0, -lag) / 0.085;
        p.flipperL = {12 - 6 * outL, 84 - 9 * outL};
        p.flipperR = {82 + 6 * outR, 84 - 9 * outR};
        out.push_back(render(percent, 120, 120, p));
    }
    return out;
}

struct CanPose {
    Pt base;       // where the can's base sits, body coordinates
    double co, si;  // its turn, as an unnormalised cosine and sine
    Eyes eyes;
    bool beakOpen;
    double headTilt;
};

Pt turn(Pt v, double co, double si) {
    const Xform r = Xform::rotate({0, 0}, co, si);
    return r.apply(v);
}

Bitmap drinkFrame(int percent, const CanPose& k) {
    Pose p;
    p.seated = true;
    p.look = 1;
    p.eyes = k.eyes;
    p.beakOpen = k.beakOpen;
    p.headTilt = k.headTilt;
    p.flipperL = {11, 92};
    const Pt grip = turn({5, -9}, k.co, k.si);
    p.flipperR = {k.base.x + grip.x, k.base.y + grip.y};
    p.frontR = true;
    p.heldOverFlippers = true;
    p.held = [k](Canvas& c) {
        const Xform body = c.transform;
        c.transform = Xform::scale(1.15).then(Xform::rotate({0, 0}, k.co, k.si)).then(Xform::translate(k.base.x, k.base.y)).then(body);
        drawCan(c);
    };
    return render(percent, 120, 114, p);
}

std::vector<Bitmap> drinkFrames(int percent) {
    const CanPose lift1{{64, 92}, 1, -0.27, Eyes::Open, false, 0};
    const CanPose lift2{{66, 78}, 1, -1, Eyes::Open, false, -0.02};
    const CanPose lift3{{67, 62}, 0.17, -1, Eyes::Open, true, -0.04};
    const CanPose drink{{63, 37}, -0.77, -0.64, Eyes::Closed, true, -0.08};
    const CanPose lower1{{67, 63}, 0.27, -1, Eyes::Happy, false, -0.04};
    const CanPose lower2{{66, 79}, 1, -0.84, Eyes::Happy, false, -0.02};
    const CanPose lower3{{64, 93}, 1, -0.21, Eyes::Open, false, 0};
    const CanPose hold{{63, 101}, 1, 0, Eyes::Open, false, 0};
    std::vector<Bitmap> out;
    for (const CanPose& k : {lift1, lift2, lift3}) out.push_back(drinkFrame(percent, k));
    const Bitmap drinking = drinkFrame(percent, drink);
    out.insert(out.end(), 3, drinking);
    for (const CanPose& k : {lower1, lower2, lower3}) out.push_back(drinkFrame(percent, k));
    const Bitmap holding = drinkFrame(percent, hold);
    out.insert(out.end(), 3, holding);
    return out;
}

struct Flutter {
    Pt at;
    double open;
    Pt gaze;  // Pobo's eyes follow it
};

Bitmap messengerFrame(int percent, const Flutter* f) {
    Pose p;
    p.look = 0.5;
    if (f) p.gaze = f->gaze;
    p.flipperL = {27, 88};
    p.flipperR = {67, 88};
    p.frontL = p.frontR = true;
    p.held = [](Canvas& c) {
        const Xform body = c.transform;
        c.transform = Xform::translate(47, 84).then(body);
        drawGlassLetter(c);
    };
    if (f) {
        const Flutter k = *f;
        p.overlay = [k](Canvas& c) {
            const Xform figure = c.transform;
            c.transform = Xform::scale(1.2).then(Xform::translate(k.at.x, k.at.y)).then(figure);
            drawButterfly(c, k.open);
        };
    }
    return render(percent, 90, 120, p, Xform::translate(-3, 0));
}

std::vector<Bitmap> messengerFrames(int percent) {
    const Flutter path[7] = {{{12, 42}, 1, {-2, 0}},    {{13, 21}, 0.3, {-2, -1}}, {{28, 10}, 1, {-1, -2}},
                             {{64, 10}, 0.3, {1, -2}},  {{81, 22}, 1, {2, -1}},    {{83, 38}, 0.6, {2, 0}},
                             {{83, 38}, 0.6, {2, 0}}};
    std::vector<Bitmap> out;
    for (const Flutter& f : path) out.push_back(messengerFrame(percent, &f));
    out.push_back(messengerFrame(percent, nullptr));
    return out;
}

}  // namespace

std::vector<Bitmap> spriteFrames(int percent) {
    std::vector<Bitmap> all = walkFrames(percent);
    for (Bitmap& b : drinkFrames(percent)) all.push_back(std::move(b));
    for (Bitmap& b : messengerFrames(percent)) all.push_back(std::move(b));
    return all;
}

}  // namespace assetgen
