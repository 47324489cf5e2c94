// The character's popup menu as the screen shows it: its window, and where
// its owner-drawn items are once they have painted.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "platform/display_scale.h"

namespace e2e {

using namespace std::chrono_literals;

// The popup menu window on screen, if one is open.
HWND openMenu();

// The items stack as their pictures do, each one row shorter than its
// picture: About from row 0, Keep on top from row 27, End from row 48; at
// another scale, the places of its picture set.
struct PopupMenu {
    HWND window = nullptr;
    POINT firstItem{};  // the screen pixel of the first item's top-left corner
    int percent = 100;  // the picture set the menu is drawn from

    // A point given in 100 % picture pixels.
    POINT at(int x, int y) const {
        return {firstItem.x + ql::pictureLength(x, percent), firstItem.y + ql::pictureLength(y, percent)};
    }
    POINT about() const { return at(70, 12); }
    POINT keepOnTop() const { return at(70, 27 + 10); }
    POINT end() const { return at(70, 48 + 12); }
};

// Waits until `window`, a popup menu, shows all three items (the icon
// strip's first colour at the top-left of each) and its pixels have stopped
// changing; fails naming what it did not see.
::testing::AssertionResult waitForPaintedItems(HWND window, PopupMenu& menu, std::chrono::milliseconds timeout = 3s,
                                               int percent = 100);

}  // namespace e2e
