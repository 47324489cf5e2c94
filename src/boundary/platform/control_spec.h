// What a form's windowless controls are when their window is created: labels,
// pictures and rectangle shapes drawn in the window's client area, each with
// its own pointer and tooltip. Labels and pictures take the mouse over their
// rectangle; shapes are drawn only and let it through.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace ql {

struct Image;

enum class ControlKind { Label, Image, Shape };

enum class PointerShape { Default, Hand };

struct FontSpec {
    std::string name;
    double points = 8.25;
    int weight = 400;  // 700 bold
    bool underline = false;
    std::uint8_t charset = 0;  // ANSI

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A colour the system decides (the user's colour scheme), as the runtime
// stores it: the high bit set and the system's colour index below. Backends
// resolve it when they draw.
constexpr ColorRef systemColour(int index) { return 0x80000000u | static_cast<ColorRef>(index); }
constexpr bool isSystemColour(ColorRef colour) { return (colour & 0x80000000u) != 0; }
constexpr int systemColourIndex(ColorRef colour) { return static_cast<int>(colour & 0xFFu); }
constexpr ColorRef vbWindowText = systemColour(8);  // COLOR_WINDOWTEXT

struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;  // client pixels
    // A label that fits its text: the window measures the caption in the
    // label's font and replaces width and height.
    bool autoSize = false;
    std::string caption;     // label text, one line, left-aligned, drawn on a transparent ground
    FontSpec font;
    ColorRef foreColor = 0;  // label text; a shape's outline
    int lineWidth = 1;       // a shape's outline, pixels
    const Image* picture = nullptr;  // drawn at its natural size at the control's corner
    PointerShape pointer = PointerShape::Default;
    std::string toolTip;
};

}  // namespace ql
