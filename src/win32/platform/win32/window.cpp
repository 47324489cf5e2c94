// Form windows on the real system: one window class whose procedure finds
// the window's state through its user data, paints the composed client
// pixels in one blit and reports mouse input and timer ticks to the form.
#include <windows.h>

#include <vector>

#include "platform/window_pixels.h"
#include "platform/win32/controls.h"
#include "platform/win32/dib.h"
#include "platform/win32/handles.h"
#include "platform/win32/menu_bar.h"
#include "platform/win32/win32_system.h"

namespace ql {

struct Win32System::WindowState {
    WindowEvents* events = nullptr;
    ColorRef background = 0;
    int width = 0, height = 0;
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
    const int x = static_cast<short>(LOWORD(point));
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
    state.events->onMouse(action, buttons, x, y);
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
}

Hwnd Win32System::createWindow(const WindowSpec& stored, WindowEvents& events) {
    auto state = std::make_unique<WindowState>();
    state->events = &events;
    state->background = stored.background;
    state->width = stored.width;
    state->height = stored.height;
    state->pixels.resize(pixelCount(stored.width, stored.height));
    state->composing.resize(state->pixels.size());
    composeWindowPixels(state->pixels, stored.width, stored.height, stored.background, nullptr);
    const HWND owner = stored.hiddenOwner ? raw(hiddenOwner_.get()) : nullptr;
    const DWORD exStyle = (stored.showInTaskbar && taskVisible_) || owner ? 0 : WS_EX_TOOLWINDOW;
    const HMENU menuBar = stored.menuBar.empty() ? nullptr : createMenuBar(stored.menuBar);
    const HWND window = CreateWindowExA(exStyle, kWindowClass, stored.text.c_str(), WS_POPUP, stored.left, stored.top,
                                        stored.width, stored.height, owner, menuBar, GetModuleHandleA(nullptr),
                                        state.get());
    if (!window) {
        // A menu bar is freed with its window; this one never got one.
        if (menuBar) DestroyMenu(menuBar);
        raiseSystemError("CreateWindowExA");
    }
    if (!stored.controls.empty()) {
        state->controls = std::make_unique<WindowControls>(window, stored.controls, pixelsPerInch().y);
        state->controls->compose(state->pixels, stored.width, stored.height);
    }
    const Hwnd handle = reinterpret_cast<Hwnd>(window);
    windows_[handle] = std::move(state);
    return handle;
}

void Win32System::destroyWindow(Hwnd window) {
    DestroyWindow(raw(window));
    windows_.erase(window);
}

void Win32System::setVisible(Hwnd window, bool visible) { ShowWindow(raw(window), visible ? SW_SHOWNA : SW_HIDE); }

bool Win32System::isVisible(Hwnd window) { return IsWindowVisible(raw(window)) != FALSE; }

Rect Win32System::windowRect(Hwnd window) {
    RECT r{};
    GetWindowRect(raw(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32System::setWindowPicture(Hwnd window, const Image* picture) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    WindowState& state = *it->second;
    composeWindowPixels(state.composing, state.width, state.height, state.background, picture);
    if (state.controls) state.controls->compose(state.composing, state.width, state.height);
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
    return SetWindowPos(raw(window), raw(insertAfter), x, y, cx, cy, flags);
}

std::int32_t Win32System::moveWindow(Hwnd window, int x, int y, int width, int height, std::int32_t repaint) {
    return MoveWindow(raw(window), x, y, width, height, repaint);
}

std::int32_t Win32System::systemParametersInfo(std::uint32_t action, std::uint32_t param, void* data,
                                               std::uint32_t winIni) {
    return SystemParametersInfoA(action, param, data, winIni);
}

// Read once: the program is not DPI-aware, so the system keeps it at one scale.
Point Win32System::pixelsPerInch() {
    if (dpi_.x == 0) {
        const WindowDc screen;
        dpi_ = {GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY)};
    }
    return dpi_;
}

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

Point Win32System::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void Win32System::showActivated(Hwnd window) {
    const HWND h = reinterpret_cast<HWND>(window);
    ShowWindow(h, SW_SHOW);
    // Forward even when the system refuses to hand over the foreground.
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(h);
}


}  // namespace ql
