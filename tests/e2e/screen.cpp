#include "tests/e2e/screen.h"

#include <cstring>

namespace e2e {

ScreenShot captureScreen(int left, int top, int width, int height) {
    ScreenShot shot{left, top, width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    std::memcpy(shot.pixels.data(), bits, shot.pixels.size() * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

namespace {
LRESULT CALLBACK backdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

Backdrop::Backdrop(int left, int top, int width, int height, COLORREF colour) {
    brush_ = CreateSolidBrush(colour);
    WNDCLASSA wc{};
    wc.lpfnWndProc = backdropProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = brush_;
    wc.lpszClassName = "E2EBackdrop";
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "backdrop", WS_POPUP | WS_VISIBLE, left, top, width,
                              height, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(window_);
    pumpFor(200);
}

Backdrop::~Backdrop() {
    DestroyWindow(window_);
    UnregisterClassA("E2EBackdrop", GetModuleHandleA(nullptr));
    DeleteObject(brush_);
}

void pumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

}  // namespace e2e
