// What the screen shows, read back through the display: 0x00RRGGBB pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_scale.h"
#include "platform/image_codec.h"

namespace e2e {

struct ScreenShot {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y - top) * width + (x - left)] & 0xFFFFFF;
    }
};

ScreenShot captureScreen(int left, int top, int width, int height);

// One of the program's pictures, read from the asset files the program
// embeds: the file itself at 100 %, else its entry in the set of `percent`.
ql::Image loadAsset(const std::string& name, int percent = 100);
// The 28 sprite frames of a picture set, index 0 for frame 1.
const std::vector<ql::Image>& spriteFrames(int percent = 100);

// How many on-screen pixels of the character window (101 x 125 at `scale`)
// at (windowX, windowY) differ from `frame` drawn there over a backdrop of
// one colour, the key blue being transparent. Only the part inside `shot` counts.
int mismatches(const ScreenShot& shot, const ql::Image& frame, int windowX, int windowY, std::uint32_t backdrop,
               const ql::DisplayScale& scale = {});
// The sprite frame (1-28) of the scale's set the screen shows exactly there, or 0.
int shownFrame(const ScreenShot& shot, int windowX, int windowY, std::uint32_t backdrop,
               const ql::DisplayScale& scale = {});

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
