// Simulated windows: records with position, style, layering and stacking, and
// the screen composited from them. Stands in for the windowing system's
// window manager and compositor; no non-client area, no window manager moves.
#include <algorithm>
#include <cstdio>

#include "platform/errors.h"
#include "platform/sim/sim_system.h"
#include "platform/window_controls.h"
#include "platform/window_pixels.h"
#include "platform/window_property.h"

namespace ql {

namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace

SimSystem::Window& SimSystem::window(Hwnd handle) {
    auto it = windows_.find(handle);
    if (it == windows_.end()) throw RuntimeError("Invalid window handle");
    return it->second;
}

const SimSystem::Window* SimSystem::findWindow(Hwnd handle) const {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : &it->second;
}

std::string SimSystem::nameOf(Hwnd handle) const {
    if (handle == nullptr) return "(none)";
    if (handle == hwndTopmost()) return "TOPMOST";
    if (handle == hwndNotopmost()) return "NOTOPMOST";
    const Window* w = findWindow(handle);
    return w ? w->stored.formName : std::string("(unknown)");
}

Hwnd SimSystem::findWindow(const std::string& formName) const {
    for (const auto& [handle, w] : windows_)
        if (formName == w.stored.formName) return handle;
    return nullptr;
}

Hwnd SimSystem::createWindow(const WindowSpec& stored, WindowEvents& events) {
    raiseIfFailing("CreateWindowExA");
    handleCells_.push_back(this);
    const Hwnd handle = reinterpret_cast<Hwnd>(&handleCells_.back());
    Window& w = windows_[handle];
    w.stored = stored;
    w.events = &events;
    w.rect = scale_.rectToPhysical({stored.left, stored.top, stored.left + stored.width, stored.top + stored.height});
    w.exStyle = (stored.showInTaskbar && taskVisible_) || stored.hiddenOwner ? 0 : kWsExToolWindow;
    w.stackStamp = nextStamp_++;
    layOutControls(w.stored.controls, dpi_);
    if (!stored.menuBar.empty()) w.menuBar = buildMenu(stored.menuBar);
    resize(w, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top);
    if (tracing_) note("CreateWindow " + stored.formName);
    return handle;
}

void SimSystem::destroyWindow(Hwnd handle) {
    if (!findWindow(handle)) return;
    if (tracing_) note("DestroyWindow " + nameOf(handle));
    std::erase_if(timers_, [&](const SimTimer& t) { return t.window == handle; });
    if (capture_ == handle) capture_ = nullptr;
    std::erase_if(posted_, [&](const Posted& p) { return p.window == handle; });
    windows_.erase(handle);
}

void SimSystem::setVisible(Hwnd handle, bool visible) {
    Window& w = window(handle);
    if (w.visible != visible && tracing_) note((visible ? "Show " : "Hide ") + w.stored.formName);
    w.visible = visible;
}

bool SimSystem::isVisible(Hwnd handle) { return window(handle).visible; }

Rect SimSystem::windowRect(Hwnd handle) { return scale_.rectToLogical(window(handle).rect); }

Rect SimSystem::physicalRect(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w ? w->rect : Rect{};
}

void SimSystem::repaint(Window& w) {
    const Image* shown = w.picture ? &pictures_.forScale(*w.picture, scale_.pictureScale()) : nullptr;
    composeWindowPixels(w.pixels, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top, w.stored.background, shown);
    // The simulated scheme's window text is black.
    composeControlPixels(w.pixels, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top, w.drawnControls,
                         [](ColorRef) { return rgb(0, 0, 0); });
}

void SimSystem::resize(Window& w, int width, int height) {
    w.rect.right = w.rect.left + width;
    w.rect.bottom = w.rect.top + height;
    // One display, so the set these point into stays until the next scale change lays the window out again.
    controlsAtScale(w.drawnControls, w.stored.controls, scale_,
                    [&](const Image& picture) -> const Image& { return pictures_.forScale(picture, scale_.pictureScale()); });
    w.pixels.assign(pixelCount(width, height), 0);
    repaint(w);
}

void SimSystem::setDisplayDpi(int dpi) {
    if (tracing_) note("DpiChanged " + std::to_string(dpi));
    const DisplayScale previous = scale_;
    scale_.dpi = dpi;
    for (auto& [handle, w] : windows_) {
        const Rect logical = previous.rectToLogical(w.rect);
        w.rect = scale_.rectToPhysical(logical);
        resize(w, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top);
    }
    for (auto& [dc, surface] : surfaces_)
        if (surface.picture) fillPictureSurface(surface);
}

void SimSystem::setWindowPicture(Hwnd handle, const Image* picture) {
    Window& w = window(handle);
    w.picture = picture;
    repaint(w);
}

std::int32_t SimSystem::getWindowLong(Hwnd handle, int index) {
    raiseIfFailing("GetWindowLongA");
    const Window* w = findWindow(handle);
    if (!w || index != kGwlExStyle) return 0;
    return w->exStyle | (w->topmost ? kWsExTopmost : 0);
}

std::int32_t SimSystem::setWindowLong(Hwnd handle, int index, std::int32_t value) {
    raiseIfFailing("SetWindowLongA");
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w || index != kGwlExStyle) return 0;
    const std::int32_t previous = w->exStyle | (w->topmost ? kWsExTopmost : 0);
    // The topmost bit follows the stacking band; writing it changes nothing.
    w->exStyle = value & ~kWsExTopmost;
    if (!(w->exStyle & kWsExLayered)) w->layeredAttributesSet = false;
    if (tracing_)
        note("SetWindowLongA " + w->stored.formName + std::string(" EXSTYLE ") + hex(static_cast<std::uint32_t>(value)));
    return previous;
}

std::int32_t SimSystem::setLayeredWindowAttributes(Hwnd handle, ColorRef key, std::uint8_t alpha,
                                                   std::uint32_t flags) {
    raiseIfFailing("SetLayeredWindowAttributes");
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w || !(w->exStyle & kWsExLayered)) return 0;
    w->layering = {key, alpha, flags};
    w->layeredAttributesSet = true;
    if (tracing_)
        note("SetLayeredWindowAttributes " + w->stored.formName + " " + hex(key) + " " + std::to_string(alpha) + " " +
             std::to_string(flags));
    return 1;
}

void SimSystem::placeOnTop(Window& w, bool topmost) {
    w.topmost = topmost;
    w.stackStamp = nextStamp_++;
}

void SimSystem::activate(Window& w) {
    ++w.activations;
    w.stackStamp = nextStamp_++;
}

std::int32_t SimSystem::setWindowPos(Hwnd handle, Hwnd insertAfter, int x, int y, int cx, int cy,
                                     std::uint32_t flags) {
    raiseIfFailing("SetWindowPos");
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w) return 0;
    if (tracing_)
        note("SetWindowPos " + w->stored.formName + " " + nameOf(insertAfter) + " " + std::to_string(x) + " " +
             std::to_string(y) + " " + hex(flags));
    if (!(flags & kSwpNoMove)) {
        const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
        const Point corner = scale_.placeToPhysical({x, y});
        w->rect = {corner.x, corner.y, corner.x + width, corner.y + height};
    }
    if (!(flags & kSwpNoSize)) resize(*w, scale_.toPhysical(cx), scale_.toPhysical(cy));
    if (!(flags & kSwpNoZOrder)) {
        if (insertAfter == hwndTopmost())
            placeOnTop(*w, true);
        else if (insertAfter == hwndNotopmost() && w->topmost)
            placeOnTop(*w, false);
    }
    if (flags & kSwpShowWindow) w->visible = true;
    if (flags & kSwpHideWindow) w->visible = false;
    if (!(flags & kSwpNoActivate) && w->visible) activate(*w);
    return 1;
}

std::int32_t SimSystem::moveWindow(Hwnd handle, int x, int y, int width, int height, std::int32_t /*repaint*/) {
    raiseIfFailing("MoveWindow");
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w) return 0;
    const Rect wanted = scale_.rectToPhysical({x, y, x + width, y + height});
    const bool resized = wanted.right - wanted.left != w->rect.right - w->rect.left ||
                         wanted.bottom - wanted.top != w->rect.bottom - w->rect.top;
    w->rect = wanted;
    if (resized) resize(*w, wanted.right - wanted.left, wanted.bottom - wanted.top);
    return 1;
}

bool SimSystem::isTopmost(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w && w->topmost;
}

bool SimSystem::isLayered(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w && (w->exStyle & kWsExLayered);
}

SimSystem::Layering SimSystem::layering(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w ? w->layering : Layering{};
}

int SimSystem::activations(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w ? w->activations : 0;
}

const Image* SimSystem::picture(Hwnd handle) const {
    const Window* w = findWindow(handle);
    return w ? w->picture : nullptr;
}

std::vector<Hwnd> SimSystem::zOrder() const {
    std::vector<Hwnd> order;
    for (const auto& entry : windows_) order.push_back(entry.first);
    std::sort(order.begin(), order.end(), [&](Hwnd a, Hwnd b) {
        const Window& wa = windows_.at(a);
        const Window& wb = windows_.at(b);
        if (wa.topmost != wb.topmost) return wa.topmost;
        return wa.stackStamp > wb.stackStamp;
    });
    return order;
}

Hwnd SimSystem::windowAt(int x, int y) const {
    for (Hwnd handle : zOrder()) {
        const Window& w = windows_.at(handle);
        if (w.visible && x >= w.rect.left && x < w.rect.right && y >= w.rect.top && y < w.rect.bottom) return handle;
    }
    return nullptr;
}

std::uint32_t SimSystem::screenPixel(int x, int y) const {
    std::uint32_t out = colorRefToPixel(desktop_);
    const std::vector<Hwnd> order = zOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Window& w = windows_.at(*it);
        if (!w.visible || x < w.rect.left || x >= w.rect.right || y < w.rect.top || y >= w.rect.bottom) continue;
        const int width = w.rect.right - w.rect.left;
        const std::uint32_t p = w.pixels[pixelIndex(x - w.rect.left, y - w.rect.top, width)];
        std::uint32_t alpha = 255;
        if (w.exStyle & kWsExLayered) {
            // A layered window shows nothing until its attributes are set.
            if (!w.layeredAttributesSet) continue;
            if ((w.layering.flags & kLwaColorKey) && p == colorRefToPixel(w.layering.key)) continue;
            if (w.layering.flags & kLwaAlpha) alpha = w.layering.alpha;
        }
        std::uint32_t blended = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t top = (p >> shift) & 0xFF, below = (out >> shift) & 0xFF;
            blended |= ((top * alpha + below * (255 - alpha) + 127) / 255) << shift;
        }
        out = blended;
    }
    return out;
}

}  // namespace ql

namespace ql {

void SimSystem::setProperty(Hwnd handle, const char* name, void* value) { window(handle).properties[name] = value; }

void* SimSystem::property(Hwnd handle, const char* name) const {
    auto it = windows_.find(handle);
    if (it == windows_.end()) return nullptr;
    auto found = it->second.properties.find(std::string_view(name));
    return found == it->second.properties.end() ? nullptr : found->second;
}

void SimSystem::removeProperty(Hwnd handle, const char* name) {
    auto it = windows_.find(handle);
    if (it == windows_.end()) return;
    if (auto found = it->second.properties.find(std::string_view(name)); found != it->second.properties.end())
        it->second.properties.erase(found);
}

void setWindowProperty(Hwnd window, const char* name, void* value) {
    SimSystem::owning(window).setProperty(window, name, value);
}
void* windowProperty(Hwnd window, const char* name) { return SimSystem::owning(window).property(window, name); }
void removeWindowProperty(Hwnd window, const char* name) { SimSystem::owning(window).removeProperty(window, name); }

}  // namespace ql
