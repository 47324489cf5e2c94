// A form window's controls on the real system: the laid-out control list,
// the GDI fonts of its labels (made once per window and freed with it), its
// tooltip window (owned by the form window, so it goes with it) and where
// mouse input over the controls goes. Internal to platform/win32/.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_controls.h"
#include "platform/win32/handles.h"

namespace ql {

class WindowControls {
public:
    // Lays the controls out (fitting auto-sized labels to their text with the
    // real fonts) and gives the window its tooltips.
    // `hand` is the hand pointer of the window's scale, or null for the
    // program's cursor resource.
    WindowControls(HWND window, std::vector<ControlSpec> controls, int pixelsPerInchY, HCURSOR hand);
    ~WindowControls();
    WindowControls(const WindowControls&) = delete;
    WindowControls& operator=(const WindowControls&) = delete;

    const std::vector<ControlSpec>& controls() const { return controls_; }
    // Pictures and shapes into the window's composed pixels.
    void compose(std::vector<std::uint32_t>& pixels, int width, int height) const;
    // Label texts, over what the pixels painted.
    void drawText(HDC dc) const;
    // WM_SETCURSOR over the client area: true when a control set the pointer.
    bool setCursor(HWND window) const;

    ControlMouse mouse;

private:
    std::vector<ControlSpec> controls_;
    std::vector<FontSpec> fontSpecs_;
    std::vector<GdiObject<HFONT>> fonts_;    // one per distinct label font
    std::vector<int> fontOf_;          // per control: index into fonts_, -1 for none
    HCURSOR hand_ = nullptr;           // not ours to destroy
    HWND toolTip_ = nullptr;
};

}  // namespace ql
