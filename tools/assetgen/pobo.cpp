#include "pobo.h"

namespace assetgen {

using namespace palette;

void outlined(Canvas& c, const std::function<Shape(double)>& shape, Rgb fill, double width) {
    c.fill(shape(width), kOutline);
    c.fill(shape(0), fill);
}

namespace {

// Where the parts sit; seated Pobo is lower and rounder.
struct Layout {
    Pt body;
    double bodyRx, bodyRy;
    Pt head;
    Pt belly;
    double bellyRx, bellyRy;
    double footY;
};

Layout layoutFor(bool seated) {
    if (seated) return {{47, 82}, 36, 31, {47, 41}, {47, 86}, 27, 25, 104.5};
    return {{47, 76}, 33, 37, {47, 35}, {47, 81}, 24, 29, 111};
}

Shape headShape(Pt h, double g) {
    Shape s = ellipse(h.x, h.y, 28 + g, 26 + g);
    // A little tuft of feathers on the crown.
    s = unite(std::move(s), capsule({h.x - 3, h.y - 23}, {h.x - 6, h.y - 31}, 2.4 + g, 1.1 + g));
    s = unite(std::move(s), capsule({h.x + 1, h.y - 23}, {h.x + 4, h.y - 33}, 2.4 + g, 1.1 + g));
    return s;
}

Shape faceShape(Pt h, double look) {
    const double lx = look * 0.5;
    Shape s = ellipse(h.x - 9 + lx, h.y - 1, 12, 13);
    s = unite(std::move(s), ellipse(h.x + 10 + lx, h.y - 1, 12, 13));
    s = unite(std::move(s), ellipse(h.x + look * 0.4, h.y + 11, 20, 13));
    return s;
}

void drawEye(Canvas& c, Pt e, Eyes eyes, double k) {
    switch (eyes) {
        case Eyes::Open:
            c.fill(ellipse(e.x, e.y, 5.2 * k, 7.2 * k), kEye);
            c.fill(circle(e.x + 1.7 * k, e.y - 2.6 * k, 2.2 * k), kWhite);
            c.fill(circle(e.x - 1.6 * k, e.y + 3.2 * k, 1.0 * k), kWhite);
            break;
        case Eyes::Happy:
            c.fill(polyline({{e.x - 4.5, e.y + 1.5}, {e.x, e.y - 3}, {e.x + 4.5, e.y + 1.5}}, 1.4), kEye);
            break;
        case Eyes::Closed:
            c.fill(polyline({{e.x - 4.5, e.y}, {e.x - 1.5, e.y + 2}, {e.x + 1.5, e.y + 2}, {e.x + 4.5, e.y}}, 1.3),
                   kEye);
            break;
    }
}

void drawFlipper(Canvas& c, Pt shoulder, Pt tip) {
    outlined(c, [&](double g) { return capsule(shoulder, tip, 7.5 + g, 3.2 + g); }, kBody);
    // Light along the leading edge.
    c.tint(intersect(capsule(shoulder, tip, 7.5, 3.2), capsule({shoulder.x, shoulder.y - 3}, {tip.x, tip.y - 2}, 4, 1.5)),
           kBodyLight, 0.45);
}

// A foot in its own coordinates: centred on (0, 0), toes along the front edge.
void drawFoot(Canvas& c, const Xform& place) {
    const Xform outer = c.transform;
    c.transform = place.then(outer);
    const auto shape = [](double g) {
        Shape s = ellipse(0, 0, 10 + g, 4.4 + g);
        for (int t = -1; t <= 1; ++t) s = unite(std::move(s), circle(t * 6.0, t == 0 ? 2.2 : 1.5, 2.7 + g));
        return s;
    };
    outlined(c, shape, kOrange);
    c.tint(subtract(shape(0), ellipse(0, -2.5, 12, 5)), kOrangeDark, 0.8);
    c.tint(intersect(shape(0), ellipse(-2, -2.5, 5, 1.6)), kOrangeLight, 0.7);
    c.transform = outer;
}

// The dark head with its sheen; the outline is painted by the caller.
void paintHead(Canvas& c, Pt h) {
    c.fill(headShape(h, 0), kBody);
    c.tint(intersect(headShape(h, 0), ellipse(h.x - 11, h.y - 17, 9, 5)), kBodyLight, 0.5);
    c.tint(subtract(ellipse(h.x, h.y, 28, 26), ellipse(h.x + 2, h.y + 2, 28, 26)), kBodyLight, 0.6);
}

struct Face {
    double look = 0;
    Pt gaze{0, 0};
    Eyes eyes = Eyes::Open;
    bool beakOpen = false;
    double eyeScale = 1;
    double line = 1.1;  // outline width round the beak
};

void paintFace(Canvas& c, Pt h, const Face& f) {
    const Shape face = faceShape(h, f.look);
    c.fill(face, kWhite);
    const double lx = f.look;
    c.tint(intersect(face, ellipse(h.x - 17 + lx * 0.6, h.y + 10, 4.5, 2.8)), kBlush, 0.55);
    c.tint(intersect(face, ellipse(h.x + 18 + lx * 0.6, h.y + 10, 4.5, 2.8)), kBlush, 0.55);
    drawEye(c, {h.x - 8.5 + lx + f.gaze.x, h.y + f.gaze.y}, f.eyes, f.eyeScale);
    drawEye(c, {h.x + 9.0 + lx + f.gaze.x, h.y + f.gaze.y}, f.eyes, f.eyeScale);

    const double bx = h.x + lx * 1.3;
    const double by = h.y + 10;
    if (f.beakOpen) {
        outlined(c, [&](double g) { return ellipse(bx, by + 4, 5 + g, 3.6 + g); }, Rgb{150, 40, 40}, f.line);
        outlined(c, [&](double g) { return ellipse(bx, by + 6.2, 4.6 + g, 2 + g); }, kOrangeDark, f.line);
    } else {
        outlined(c, [&](double g) { return ellipse(bx, by + 2.6, 5 + g, 2.6 + g); }, kOrangeDark, f.line);
    }
    outlined(c, [&](double g) { return ellipse(bx, by, 7 + g, 3.8 + g); }, kOrange, f.line);
    c.fill(ellipse(bx - 2, by - 1.2, 2.6, 1.2), kOrangeLight);
}

}  // namespace

void drawPoboHead(Canvas& c, const Xform& base, bool bold) {
    const Pt h{47, 35};
    c.transform = base;
    c.fill(headShape(h, bold ? 1.8 : 1.1), kOutline);
    paintHead(c, h);
    Face f;
    if (bold) {
        f.eyeScale = 1.25;
        f.line = 1.6;
    }
    paintFace(c, h, f);
}

void drawPobo(Canvas& c, const Pose& p, const Xform& base) {
    const Layout L = layoutFor(p.seated);
    const Xform figure = Xform::translate(p.x, p.y).then(base);
    const Xform body = Xform::rotate({47, 114}, 1, p.lean).then(Xform::translate(0, p.bob)).then(figure);
    const Xform head = Xform::rotate({L.head.x, L.head.y + 22}, 1, p.headTilt).then(body);
    const Pt shoulderL{L.body.x - 25, L.body.y - 16}, shoulderR{L.body.x + 25, L.body.y - 16};
    const bool frontL = p.frontL, frontR = p.frontR;

    c.transform = body;
    if (!frontL) drawFlipper(c, shoulderL, p.flipperL);
    if (!frontR) drawFlipper(c, shoulderR, p.flipperR);

    // Body and head share one outline so Pobo reads as one round shape.
    const auto bodyShape = [&](double g) { return ellipse(L.body.x, L.body.y, L.bodyRx + g, L.bodyRy + g); };
    c.fill(bodyShape(1.1), kOutline);
    c.transform = head;
    c.fill(headShape(L.head, 1.1), kOutline);
    c.transform = body;
    c.fill(bodyShape(0), kBody);
    c.tint(subtract(bodyShape(0), ellipse(L.body.x - 5, L.body.y - 4, L.bodyRx, L.bodyRy + 4)), kBodyDark, 0.7);
    c.tint(intersect(bodyShape(0), ellipse(L.body.x - 21, L.body.y - 8, 8, 14)), kBodyLight, 0.35);
    // A thin rim of light down the left side keeps the dark body readable
    // on dark desktops.
    c.tint(subtract(bodyShape(0), ellipse(L.body.x + 2.2, L.body.y + 1, L.bodyRx, L.bodyRy)), kBodyLight, 0.75);
    c.transform = head;
    paintHead(c, L.head);

    // White front: belly and face patch.
    c.transform = body;
    const Shape belly = ellipse(L.belly.x, L.belly.y, L.bellyRx, L.bellyRy);
    c.fill(belly, kWhite);
    c.tint(subtract(belly, ellipse(L.belly.x - 4, L.belly.y - 5, L.bellyRx, L.bellyRy)), kWhiteShade, 0.8);
    c.transform = head;
    Face f;
    f.look = p.look;
    f.gaze = p.gaze;
    f.eyes = p.eyes;
    f.beakOpen = p.beakOpen;
    paintFace(c, L.head, f);

    // Feet stay on the ground while the body leans over them.
    c.transform = figure;
    const double fy = L.footY;
    const double spread = p.seated ? 17 : 12;
    const Pt fl{L.body.x - spread + p.footL.shift, fy - p.footL.lift + p.footL.forward};
    const Pt fr{L.body.x + spread + p.footR.shift, fy - p.footR.lift + p.footR.forward};
    // Sitting, the feet splay outward with their toes to the viewer.
    const double splay = p.seated ? 0.45 : 0;
    drawFoot(c, Xform::rotate({0, 0}, 1, p.footL.tilt - splay).then(Xform::translate(fl.x, fl.y)));
    drawFoot(c, Xform::rotate({0, 0}, 1, p.footR.tilt + splay).then(Xform::translate(fr.x, fr.y)));

    c.transform = body;
    if (p.held && !p.heldOverFlippers) p.held(c);
    c.transform = body;
    if (frontL) drawFlipper(c, shoulderL, p.flipperL);
    if (frontR) drawFlipper(c, shoulderR, p.flipperR);
    if (p.held && p.heldOverFlippers) p.held(c);

    c.transform = figure;
    if (p.overlay) p.overlay(c);
}

}  // namespace assetgen
