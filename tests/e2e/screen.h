// What the screen shows, read back through the display: 0x00RRGGBB pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

struct ScreenShot {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y - top) * width + (x - left)] & 0xFFFFFF;
    }
};

ScreenShot captureScreen(int left, int top, int width, int height);

// A plain window of one colour, for the character to be seen against.
class Backdrop {
public:
    Backdrop(int left, int top, int width, int height, COLORREF colour);
    ~Backdrop();
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
};

// Handles pending messages of this thread's windows for a while.
void pumpFor(DWORD milliseconds);

}  // namespace e2e
