// Form windows on the real system: one window class whose procedure finds
// the window's state through its user data, paints the composed client
// pixels in one blit and reports mouse input and timer ticks to the form.
// The program speaks 96-DPI pixels; each window is drawn at its monitor's
// scale, and every place, size and mouse point is mapped here.
#include <windows.h>

#include <deque>
#include <vector>

#include "platform/window_pixels.h"
#include "platform/win32/controls.h"
#include "platform/win32/dib.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/menu_bar.h"
#include "platform/win32/win32_system.h"

namespace ql {

struct Win32System::WindowState {
    Win32System* system = nullptr;
    WindowEvents* events = nullptr;
    ColorRef background = 0;
    DisplayScale scale;
    int logicalWidth = 0, logicalHeight = 0;
    int width = 0, height = 0;  // physical
    const Image* picture = nullptr;  // as the program gave it
    std::vector<ControlSpec> logicalControls;
    std::deque<Image> controlPictures;  // the controls' pictures at the window's scale
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint32_t> composing;  // the next pixels, kept so a change allocates nothing
    int buttonsHeld = 0;
    std::unique_ptr<WindowControls> controls;  // none for a window without controls
};

namespace {

constexpr const char* kWindowClass = "QuorlinForm";

Win32System::WindowState* stateOf(HWND window) {
    return reinterpret_cast<Win32System::WindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void paint(HWND window, const Win32System::WindowState& state) {
    const PaintDc paintDc(window);
    const HDC dc = paintDc.get();
    const BITMAPINFO info = topDownBitmapInfo(state.width, state.height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(state.width), static_cast<DWORD>(state.height), 0, 0, 0,
                      static_cast<UINT>(state.height), state.pixels.data(), &info, DIB_RGB_COLORS);
    if (state.controls) state.controls->drawText(dc);
}

int buttonsFrom(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? vbLeftButton : 0) | ((keys & MK_RBUTTON) ? vbRightButton : 0) |
           ((keys & MK_MBUTTON) ? vbMiddleButton : 0);
}

void reportMouse(HWND window, Win32System::WindowState& state, MouseAction action, int buttons, LPARAM point) {
    const int x = static_cast<short>(LOWORD(point));  // physical: the controls are laid out so
    const int y = static_cast<short>(HIWORD(point));
    if (action == MouseAction::Down) {
        // Moves and the release keep coming while a button is held outside the window.
        if (state.buttonsHeld == 0) SetCapture(window);
        state.buttonsHeld |= buttons;
    } else if (action == MouseAction::Up) {
        state.buttonsHeld &= ~buttons;
        if (state.buttonsHeld == 0 && GetCapture() == window) ReleaseCapture();
    }
    if (state.controls) {
        const int routed = state.controls->mouse.route(state.controls->controls(), action, buttons, x, y);
        if (routed >= 0) state.events->onControlClick(routed);  // may destroy the window and its state
        if (routed != ControlMouse::kForm) return;
    }
    state.events->onMouse(action, buttons, state.scale.toLogical(x), state.scale.toLogical(y));
}

LRESULT CALLBACK formWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Win32System::WindowState* state = stateOf(window);
    if (!state) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_ERASEBKGND: return 1;  // the paint covers everything: no flicker
        case WM_DPICHANGED: state->system->rescale(window, *state, LOWORD(wParam)); return 0;
        case WM_MEASUREITEM: {
            // Reached after the program's procedure measured the item and
            // called on to this one, the procedure it replaced.
            auto& measured = *reinterpret_cast<MeasureItemRecord*>(lParam);
            if (measured.CtlType == ODT_MENU) measuredAtPictureScale(measured, state->system->menuPictureScale());
            return TRUE;
        }
        case WM_PAINT: paint(window, *state); return 0;
        case WM_TIMER: state->events->onTimer(static_cast<int>(wParam)); return 0;
        case WM_MOUSEMOVE: reportMouse(window, *state, MouseAction::Move, buttonsFrom(wParam), lParam); return 0;
        case WM_LBUTTONDOWN: reportMouse(window, *state, MouseAction::Down, vbLeftButton, lParam); return 0;
        case WM_RBUTTONDOWN: reportMouse(window, *state, MouseAction::Down, vbRightButton, lParam); return 0;
        case WM_MBUTTONDOWN: reportMouse(window, *state, MouseAction::Down, vbMiddleButton, lParam); return 0;
        case WM_LBUTTONUP: reportMouse(window, *state, MouseAction::Up, vbLeftButton, lParam); return 0;
        case WM_RBUTTONUP: reportMouse(window, *state, MouseAction::Up, vbRightButton, lParam); return 0;
        case WM_MBUTTONUP: reportMouse(window, *state, MouseAction::Up, vbMiddleButton, lParam); return 0;
        case WM_CAPTURECHANGED:
            // Taken away while a button was held (our own release comes with
            // none held): that press can no longer end in a click.
            if (state->buttonsHeld != 0 && state->controls) state->controls->mouse.reset();
            state->buttonsHeld = 0;
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && state->controls && state->controls->setCursor(window)) return TRUE;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) state->events->onCommand(LOWORD(wParam));
            return 0;
        // Windows live and die with their forms, not with a close request.
        case WM_CLOSE: return 0;
        case WM_QUERYENDSESSION: return TRUE;  // never holds up a log-off or shut-down
        case WM_ENDSESSION:
            if (wParam) state->events->onSessionEnd();
            return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND raw(Hwnd window) { return reinterpret_cast<HWND>(window); }

}  // namespace

// The class's icons: the large one is the system's shared copy, the small
// one ours, freed after the windows and their class have gone.
Win32System::WindowClass::WindowClass() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    OwnedIcon smallIcon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0)));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = formWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hIconSm = smallIcon.get();
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kWindowClass;
    checked(RegisterClassExA(&wc), "RegisterClassExA");
    smallIcon_ = smallIcon.release();
}

Win32System::WindowClass::~WindowClass() {
    UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
    if (smallIcon_) DestroyIcon(static_cast<HICON>(smallIcon_));
}

Win32System::Win32System() = default;

Win32System::~Win32System() {
    while (!pictureDcs_.empty()) deletePictureDc(pictureDcs_.begin()->first);
    for (auto& entry : windows_) DestroyWindow(raw(entry.first));
    for (auto& entry : handCursors_) DestroyCursor(entry.second);
}

// Two colours over a mask, like the resource cursor: white inside, black
// outline, transparent elsewhere.
HICON Win32System::handCursor(int percent) {
    if (percent == 100) return nullptr;
    if (auto it = handCursors_.find(percent); it != handCursors_.end()) return it->second;
    const PackedPicture* hand = pictures_.find("hand.cur", percent);
    if (!hand) return nullptr;
    const Image& picture = hand->image;
    const int rowBytes = (picture.width + 15) / 16 * 2;  // word-aligned rows of a monochrome bitmap
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(picture.height) * 2, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = picture.at(x, y);
            const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
            const std::size_t andAt = static_cast<std::size_t>(y * rowBytes + x / 8);
            const std::size_t xorAt = andAt + static_cast<std::size_t>(picture.height * rowBytes);
            if ((p >> 24) == 0) bits[andAt] |= bit;
            else if ((p & 0xFFFFFFu) != 0) bits[xorAt] |= bit;
        }
    GdiObject<HBITMAP> mask(CreateBitmap(picture.width, picture.height * 2, 1, 1, bits.data()));
    ICONINFO info{FALSE, static_cast<DWORD>(hand->hotspotX), static_cast<DWORD>(hand->hotspotY), mask.get(), nullptr};
    const HICON cursor = mask ? CreateIconIndirect(&info) : nullptr;
    handCursors_[percent] = cursor;
    return cursor;
}

Hwnd Win32System::createWindow(const WindowSpec& stored, WindowEvents& events) {
    auto state = std::make_unique<WindowState>();
    state->system = this;
    state->events = &events;
    state->background = stored.background;
    state->logicalWidth = stored.width;
    state->logicalHeight = stored.height;
    state->logicalControls = stored.controls;
    // Made at the scale of the monitor where it will stand; moved to its own
    // monitor's scale below when that differs.
    state->scale = scaleAt({stored.left, stored.top});
    const Rect placed = state->scale.rectToPhysical({stored.left, stored.top, stored.left + stored.width, stored.top + stored.height});
    const HWND owner = stored.hiddenOwner ? raw(hiddenOwner_.get()) : nullptr;
    const DWORD exStyle = (stored.showInTaskbar && taskVisible_) || owner ? 0 : WS_EX_TOOLWINDOW;
    const HMENU menuBar = stored.menuBar.empty() ? nullptr : createMenuBar(stored.menuBar);
    const HWND window = CreateWindowExA(exStyle, kWindowClass, stored.text.c_str(), WS_POPUP, placed.left, placed.top,
                                        placed.right - placed.left, placed.bottom - placed.top, owner, menuBar,
                                        GetModuleHandleA(nullptr), state.get());
    if (!window) {
        // A menu bar is freed with its window; this one never got one.
        if (menuBar) DestroyMenu(menuBar);
        raiseSystemError("CreateWindowExA");
    }
    const Hwnd handle = reinterpret_cast<Hwnd>(window);
    WindowState& made = *state;
    windows_[handle] = std::move(state);
    const int own = scaleOfWindow(window).dpi;
    if (own == made.scale.dpi) {
        layOut(window, made);
    } else {
        rescale(window, made, own);
    }
    return handle;
}

// WM_DPICHANGED: the same logical place, the new size and pictures, at once.
void Win32System::rescale(HWND window, WindowState& state, int dpi) {
    RECT r{};
    GetWindowRect(window, &r);
    const Point logical = state.scale.placeToLogical({r.left, r.top});
    state.scale.dpi = dpi;
    layOut(window, state);
    const Point corner = state.scale.placeToPhysical(logical);
    SetWindowPos(window, nullptr, corner.x, corner.y, state.width, state.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, FALSE);
}

void Win32System::layOut(HWND window, WindowState& state) {
    state.width = state.scale.toPhysical(state.logicalWidth);
    state.height = state.scale.toPhysical(state.logicalHeight);
    state.pixels.assign(pixelCount(state.width, state.height), 0);
    state.composing.resize(state.pixels.size());
    state.controls.reset();
    state.controlPictures.clear();
    if (!state.logicalControls.empty()) {
        // Copies: the set they come from may give way to another scale's.
        std::vector<ControlSpec> drawn;
        controlsAtScale(drawn, state.logicalControls, state.scale, [&](const Image& picture) -> const Image& {
            return state.controlPictures.emplace_back(pictures_.forScale(picture, state.scale.pictureScale()));
        });
        state.controls = std::make_unique<WindowControls>(window, std::move(drawn), state.scale.dpi, handCursor(state.scale.pictureScale()));
    }
    compose(state, state.pixels);
}

void Win32System::compose(WindowState& state, std::vector<std::uint32_t>& into) {
    const Image* shown = state.picture ? &pictures_.forScale(*state.picture, state.scale.pictureScale()) : nullptr;
    composeWindowPixels(into, state.width, state.height, state.background, shown);
    if (state.controls) state.controls->compose(into, state.width, state.height);
}

void Win32System::destroyWindow(Hwnd window) {
    DestroyWindow(raw(window));
    windows_.erase(window);
}

void Win32System::setVisible(Hwnd window, bool visible) { ShowWindow(raw(window), visible ? SW_SHOWNA : SW_HIDE); }

bool Win32System::isVisible(Hwnd window) { return IsWindowVisible(raw(window)) != FALSE; }

DisplayScale Win32System::scaleOf(Hwnd window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? DisplayScale{} : it->second->scale;
}

Rect Win32System::windowRect(Hwnd window) {
    RECT r{};
    GetWindowRect(raw(window), &r);
    return scaleOf(window).rectToLogical({r.left, r.top, r.right, r.bottom});
}

void Win32System::setWindowPicture(Hwnd window, const Image* picture) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    WindowState& state = *it->second;
    state.picture = picture;
    compose(state, state.composing);
    // Several frames of a clip are the same picture, and a repaint is by far
    // the dearest thing a tick asks of the system.
    if (state.composing == state.pixels) return;
    state.pixels.swap(state.composing);
    InvalidateRect(raw(window), nullptr, FALSE);
    UpdateWindow(raw(window));  // on screen now, not at the next message
}

std::int32_t Win32System::getWindowLong(Hwnd window, int index) { return GetWindowLongA(raw(window), index); }

std::int32_t Win32System::setWindowLong(Hwnd window, int index, std::int32_t value) {
    return SetWindowLongA(raw(window), index, value);
}

std::int32_t Win32System::setLayeredWindowAttributes(Hwnd window, ColorRef key, std::uint8_t alpha,
                                                     std::uint32_t flags) {
    return SetLayeredWindowAttributes(raw(window), key, alpha, flags);
}

std::int32_t Win32System::setWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                       std::uint32_t flags) {
    const DisplayScale scale = scaleOf(window);
    const Point corner = scale.placeToPhysical({x, y});
    return SetWindowPos(raw(window), raw(insertAfter), corner.x, corner.y, scale.toPhysical(cx), scale.toPhysical(cy),
                        flags);
}

std::int32_t Win32System::moveWindow(Hwnd window, int x, int y, int width, int height, std::int32_t repaint) {
    const Rect r = scaleOf(window).rectToPhysical({x, y, x + width, y + height});
    return MoveWindow(raw(window), r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
}

// The work area of the primary monitor, in its logical pixels.
std::int32_t Win32System::systemParametersInfo(std::uint32_t action, std::uint32_t param, void* data,
                                               std::uint32_t winIni) {
    const std::int32_t result = SystemParametersInfoA(action, param, data, winIni);
    if (result && action == SPI_GETWORKAREA && data) {
        Rect& area = *static_cast<Rect*>(data);
        area = scaleAt({0, 0}).rectToLogical(area);
    }
    return result;
}

// The program's pixels are 96 to the inch at every scale.
Point Win32System::pixelsPerInch() { return {kLogicalDpi, kLogicalDpi}; }

// An unowned window without the tool-window style gets a taskbar button; an
// owned one never does. The owner is a plain hidden window, not a form.
Win32System::HiddenOwner::~HiddenOwner() {
    if (window_) DestroyWindow(reinterpret_cast<HWND>(window_));
}

Hwnd Win32System::HiddenOwner::get() {
    if (!window_)
        window_ = reinterpret_cast<Hwnd>(checked(CreateWindowExA(0, "STATIC", "Quorlin owner", WS_POPUP, 0, 0, 0, 0,
                                                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr),
                                                 "CreateWindowExA"));
    return window_;
}

Point Win32System::screenSize() {
    const DisplayScale scale = scaleAt({0, 0});
    return {scale.toLogical(GetSystemMetrics(SM_CXSCREEN)), scale.toLogical(GetSystemMetrics(SM_CYSCREEN))};
}

void Win32System::showActivated(Hwnd window) {
    const HWND h = reinterpret_cast<HWND>(window);
    ShowWindow(h, SW_SHOW);
    // Forward even when the system refuses to hand over the foreground.
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(h);
}


}  // namespace ql
