#include "tests/e2e/popup_menu.h"

#include "tests/e2e/quorlin_process.h"
#include "tests/e2e/screen.h"

namespace e2e {

namespace {
// The first colour of every item's icon strip.
constexpr std::uint32_t kStripColour = 0xBED5F5;
constexpr int kItemHeights[] = {27, 21, 24};  // at 100 %

ScreenShot shootWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return captureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The first pixel, row by row, with the strip's colour, if every item shows it.
bool findItems(const ScreenShot& shot, POINT& firstItem, int percent) {
    for (int y = shot.top; y < shot.top + shot.height; ++y)
        for (int x = shot.left; x < shot.left + shot.width; ++x) {
            if (shot.at(x, y) != kStripColour) continue;
            int top = 0;  // each item as high as its picture set makes it
            for (int height : kItemHeights) {
                if (y + top >= shot.top + shot.height || shot.at(x, y + top) != kStripColour) return false;
                top += ql::pictureLength(height, percent);
            }
            firstItem = {x, y};
            return true;
        }
    return false;
}
}  // namespace

HWND openMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

::testing::AssertionResult waitForPaintedItems(HWND window, PopupMenu& menu, std::chrono::milliseconds timeout,
                                               int percent) {
    ScreenShot last;
    bool itemsSeen = false;
    const bool painted = waitUntil(
        [&] {
            if (!IsWindowVisible(window)) return false;
            ScreenShot shot = shootWindow(window);
            POINT first{};
            itemsSeen = findItems(shot, first, percent);
            const bool settled = itemsSeen && shot.left == last.left && shot.top == last.top &&
                                 shot.width == last.width && shot.pixels == last.pixels;
            last = std::move(shot);
            if (settled) menu = {window, first, percent};
            return settled;
        },
        timeout);
    if (painted) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the popup menu's items did not paint within " << timeout.count()
                                         << " ms (" << (IsWindowVisible(window) ? "" : "menu gone; ")
                                         << (itemsSeen ? "items seen but still changing" : "no item's icon strip seen")
                                         << ")";
}

}  // namespace e2e
