// What a window does with its controls, the same in both backends: the
// pixels of its pictures and shapes, drawn over what composeWindowPixels made
// (label text is drawn by each backend with its own fonts), and where mouse
// input over a control goes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/control_spec.h"
#include "platform/display_scale.h"
#include "platform/system.h"
#include "platform/window_pixels.h"

namespace ql {

// `resolve` turns a system colour into a plain one.
template <class ResolveColour>
void composeControlPixels(std::vector<std::uint32_t>& pixels, int width, int height,
                          const std::vector<ControlSpec>& controls, ResolveColour&& resolve) {
    auto put = [&](int x, int y, std::uint32_t value) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[pixelIndex(x, y, width)] = value;
    };
    for (const ControlSpec& c : controls) {
        if (c.kind == ControlKind::Image && c.picture) {
            const Image& p = *c.picture;
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x) {
                    const std::uint32_t v = p.at(x, y);
                    if ((v >> 24) != 0) put(c.left + x, c.top + y, v & 0x00FFFFFFu);
                }
        } else if (c.kind == ControlKind::Shape && c.width > 0 && c.height > 0) {
            const ColorRef colour = isSystemColour(c.foreColor) ? resolve(c.foreColor) : c.foreColor;
            const std::uint32_t v = colorRefToPixel(colour);
            // An outline of lineWidth pixels inside the shape's rectangle.
            const int right = c.left + c.width, bottom = c.top + c.height;
            for (int y = c.top; y < bottom; ++y)
                for (int x = c.left; x < right; ++x) {
                    const bool edge = x < c.left + c.lineWidth || x >= right - c.lineWidth || y < c.top + c.lineWidth ||
                                      y >= bottom - c.lineWidth;
                    if (edge) put(x, y, v);
                }
        }
    }
}

// The controls as a window at `scale` draws them: places and sizes mapped,
// outlines one logical pixel thick, each picture replaced by `pictureAt(picture)`.
template <class PictureAt>
void controlsAtScale(std::vector<ControlSpec>& drawn, const std::vector<ControlSpec>& logical,
                     const DisplayScale& scale, PictureAt&& pictureAt) {
    drawn = logical;
    for (ControlSpec& c : drawn) {
        c.left = scale.toPhysical(c.left);
        c.top = scale.toPhysical(c.top);
        c.width = scale.toPhysical(c.width);
        c.height = scale.toPhysical(c.height);
        c.lineWidth = scale.toPhysical(c.lineWidth);
        if (c.picture) c.picture = &pictureAt(*c.picture);
    }
}

// The topmost label or picture under a client point, or -1.
inline int controlAt(const std::vector<ControlSpec>& controls, int x, int y) {
    for (int i = static_cast<int>(controls.size()) - 1; i >= 0; --i) {
        const ControlSpec& c = controls[static_cast<std::size_t>(i)];
        if (c.kind == ControlKind::Shape) continue;
        if (x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height) return i;
    }
    return -1;
}

// Mouse input over labels and pictures goes to them, not to the form: a press
// on one, and everything until its release, belongs to that control, and a
// left press released over the same control is its click. Input elsewhere,
// and a drag the form started, stays with the form.
class ControlMouse {
public:
    static constexpr int kForm = -1;   // hand the input to the form
    static constexpr int kTaken = -2;  // a control took it; nothing to do

    // Returns kForm, kTaken, or the index of the control clicked.
    int route(const std::vector<ControlSpec>& controls, MouseAction action, int buttons, int x, int y) {
        const int under = controlAt(controls, x, y);
        switch (action) {
            case MouseAction::Down:
                if (pressed_ < 0 && under < 0) return kForm;
                if (pressed_ < 0 && (buttons & vbLeftButton)) pressed_ = under;
                return kTaken;
            case MouseAction::Move: return pressed_ >= 0 || (buttons == 0 && under >= 0) ? kTaken : kForm;
            case MouseAction::Up:
                if (pressed_ >= 0 && (buttons & vbLeftButton)) {
                    const int pressed = pressed_;
                    pressed_ = -1;
                    return under == pressed ? pressed : kTaken;
                }
                return pressed_ >= 0 || under >= 0 ? kTaken : kForm;
        }
        return kForm;
    }
    // The pointer was taken away (capture lost): no click can complete.
    void reset() { pressed_ = -1; }

private:
    int pressed_ = -1;
};

}  // namespace ql
