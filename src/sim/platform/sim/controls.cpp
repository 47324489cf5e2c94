// Simulated controls. Stands in for the label, picture and shape drawing of
// the form runtime: pictures and shapes go into the window's pixels as on
// the real system, label texts are recorded with their rectangles and fonts
// instead of being drawn. There is no
// text rendering: an auto-sized label's width is an approximation, a fixed
// advance per character of 0.55 em (0.6 em for bold) with the em at the
// screen's pixels per inch; the exact fit is the real system's to check.
#include <cmath>

#include "platform/sim/sim_system.h"

namespace ql {

void SimSystem::layOutControls(std::vector<ControlSpec>& controls, Point dpi) {
    for (ControlSpec& c : controls) {
        if (c.kind != ControlKind::Label || !c.autoSize) continue;
        const double em = c.font.points * dpi.y / 72.0;
        const double advance = em * (c.font.weight >= 700 ? 0.6 : 0.55);
        c.width = static_cast<int>(std::ceil(advance * static_cast<double>(c.caption.size())));
    }
}

bool SimSystem::routeToControl(Window& w, MouseAction action, int buttons, int x, int y) {
    const int routed = w.controlMouse.route(w.stored.controls, action, buttons, x, y);
    if (routed == ControlMouse::kForm) return false;
    if (routed >= 0) w.events->onControlClick(routed);
    return true;
}

const std::vector<ControlSpec>& SimSystem::controls(Hwnd handle) const {
    static const std::vector<ControlSpec> none;
    const Window* w = findWindow(handle);
    return w ? w->stored.controls : none;
}

PointerShape SimSystem::pointerAt(int x, int y) const {
    const Hwnd handle = windowAt(x, y);
    if (!handle) return PointerShape::Default;
    const Window& w = windows_.at(handle);
    const int i = controlAt(w.stored.controls, scale_.toLogical(x - w.rect.left), scale_.toLogical(y - w.rect.top));
    return i < 0 ? PointerShape::Default : w.stored.controls[static_cast<std::size_t>(i)].pointer;
}

std::string SimSystem::toolTipAt(int x, int y) const {
    const Hwnd handle = windowAt(x, y);
    if (!handle) return {};
    const Window& w = windows_.at(handle);
    const int i = controlAt(w.stored.controls, scale_.toLogical(x - w.rect.left), scale_.toLogical(y - w.rect.top));
    return i < 0 ? std::string() : w.stored.controls[static_cast<std::size_t>(i)].toolTip;
}

bool SimSystem::hasTaskbarButton(Hwnd handle) const {
    const Window* w = findWindow(handle);
    if (!w || !w->visible) return false;
    if (w->exStyle & kWsExAppWindow) return true;
    return !w->stored.hiddenOwner && !(w->exStyle & kWsExToolWindow);
}

void SimSystem::showActivated(Hwnd handle) {
    Window& w = window(handle);
    if (!w.visible && tracing_) note("Show " + w.stored.formName);
    w.visible = true;
    activate(w);
}

}  // namespace ql
