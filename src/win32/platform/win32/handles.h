// The Win32 backend's handles that free themselves, and the error raised when
// a call the program cannot do without fails. Every GDI and USER handle the
// backend makes is held by one of these: that is how a program that runs for
// days leaks none.
#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include <windows.h>

namespace ql {

// Raises the runtime's error: the call's name and the system's own text for
// its last error ("CreateWindowExA failed: Not enough memory ...").
[[noreturn]] void raiseSystemError(const char* call);

// `result`, unless it is null or zero: then the call's error is raised.
template <typename T>
T checked(T result, const char* call) {
    if (!result) raiseSystemError(call);
    return result;
}

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyOwnedIcon {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

// A GDI object (bitmap, font, brush) deleted with it.
template <typename H>
using GdiObject = std::unique_ptr<std::remove_pointer_t<H>, DeleteGdiObject>;
// A memory DC, deleted with it.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteMemoryDc>;
// An icon loaded on its own (not shared), destroyed with it.
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyOwnedIcon>;

// A window's or the screen's DC, released at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(checked(GetDC(window), "GetDC")) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The DC of a WM_PAINT, ended at the end of the scope.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC until the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace ql
