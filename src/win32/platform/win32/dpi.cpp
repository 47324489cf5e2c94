#include "platform/win32/dpi.h"

#include "platform/win32/handles.h"

namespace ql {

namespace {

// MDT_EFFECTIVE_DPI: the DPI the user's scale setting gives the monitor.
constexpr int kEffectiveDpi = 0;

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <typename F>
F lookUp(const char* module, const char* name) {
    HMODULE found = GetModuleHandleA(module);
    if (!found) found = LoadLibraryA(module);  // kept for the process's life, like the system's own DLLs
    return found ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(found, name))) : nullptr;
}

// The system's DPI, fixed for the session.
int screenDpi() {
    static const int dpi = [] {
        const WindowDc screen;
        return GetDeviceCaps(screen.get(), LOGPIXELSX);
    }();
    return dpi;
}

DisplayScale scaleOfMonitor(HMONITOR monitor) {
    static const auto dpiForMonitor = lookUp<DpiForMonitor>("shcore.dll", "GetDpiForMonitor");
    DisplayScale scale{screenDpi()};
    UINT x = 0, y = 0;
    if (dpiForMonitor && dpiForMonitor(monitor, kEffectiveDpi, &x, &y) == S_OK && x > 0) scale.dpi = static_cast<int>(x);
    return scale;
}

}  // namespace

DisplayScale scaleOfWindow(HWND window) {
    static const auto dpiForWindow = lookUp<DpiForWindow>("user32.dll", "GetDpiForWindow");
    const UINT dpi = dpiForWindow ? dpiForWindow(window) : 0;
    return dpi > 0 ? DisplayScale{static_cast<int>(dpi)} : scaleOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

DisplayScale scaleAt(POINT point) { return scaleOfMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST)); }

}  // namespace ql
