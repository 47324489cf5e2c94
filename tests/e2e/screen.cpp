#include "tests/e2e/screen.h"

#include "platform/picture_pack.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <iterator>

namespace e2e {

ql::Image loadAsset(const std::string& name, int percent) {
    const std::string file = percent == 100 ? name : ql::picturePackName(percent);
    std::ifstream in(std::string(QL_E2E_ASSETS) + "/" + file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (percent == 100) return ql::decodeImage(bytes);
    for (ql::PackedPicture& entry : ql::decodePicturePack(bytes))
        if (entry.name == name) return std::move(entry.image);
    throw std::runtime_error(file + " has no " + name);
}

const std::vector<ql::Image>& spriteFrames(int percent) {
    static std::map<int, std::vector<ql::Image>> sets;
    std::vector<ql::Image>& frames = sets[percent];
    for (int n = static_cast<int>(frames.size()) + 1; n <= 28; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, n <= 20 ? "frame%02d.bmp" : "frame%02d.gif", n);
        frames.push_back(loadAsset(name, percent));
    }
    return frames;
}

int mismatches(const ScreenShot& shot, const ql::Image& frame, int windowX, int windowY, std::uint32_t backdrop,
               const ql::DisplayScale& scale) {
    const int width = scale.toPhysical(101), height = scale.toPhysical(125);
    int wrong = 0;
    for (int y = std::max(windowY, shot.top); y < std::min(windowY + height, shot.top + shot.height); ++y)
        for (int x = std::max(windowX, shot.left); x < std::min(windowX + width, shot.left + shot.width); ++x) {
            const int fx = x - windowX, fy = y - windowY;
            // Outside the frame, and wherever it is transparent, the window shows its key blue.
            std::uint32_t source = 0x0000FF;
            if (fx < frame.width && fy < frame.height && (frame.at(fx, fy) >> 24) != 0)
                source = frame.at(fx, fy) & 0xFFFFFF;
            wrong += shot.at(x, y) != (source == 0x0000FF ? backdrop : source);
        }
    return wrong;
}

int shownFrame(const ScreenShot& shot, int windowX, int windowY, std::uint32_t backdrop, const ql::DisplayScale& scale) {
    const std::vector<ql::Image>& frames = spriteFrames(scale.pictureScale());
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (mismatches(shot, frames[i], windowX, windowY, backdrop, scale) == 0) return static_cast<int>(i) + 1;
    return 0;
}

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
