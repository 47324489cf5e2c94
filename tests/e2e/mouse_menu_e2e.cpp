// Dragging the real program's character and using its popup menu with real input.
#include <gtest/gtest.h>

#include "tests/e2e/running_quorlin.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

class MouseAndMenu : public RunningQuorlin {
protected:
    // The top-left pixel of the first item: the first column and row in the
    // menu window with the icon strip's first colour.
    POINT firstItemOrigin(HWND menu) {
        const RECT m = rectOf(menu);
        const ScreenShot shot = captureScreen(m.left, m.top, m.right - m.left, m.bottom - m.top);
        for (int y = m.top; y < m.bottom; ++y)
            for (int x = m.left; x < m.right; ++x)
                if (shot.at(x, y) == 0xBED5F5) return {x, y};
        return {-1, -1};
    }
};

TEST_F(MouseAndMenu, ADragMovesTheWindowByThePointerAndTheWalkGoesOnFromTheDrop) {
    const RECT start = justAfterAStep();
    const int x = start.left + 70, y = start.top + 60;
    movePointer(x, y);
    pressButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 10; ++step) movePointer(x + 20 * step, y + 15 * step);
    const RECT held = rectOf(character);
    Sleep(1500);  // no walk while the button is held
    EXPECT_EQ(rectOf(character).left, held.left);
    releaseButton(MOUSEEVENTF_LEFTUP);
    const RECT dropped = rectOf(character);
    EXPECT_EQ(dropped.left - start.left, 200);
    EXPECT_EQ(dropped.top - start.top, 150);
    ASSERT_TRUE(waitUntil([&] { return rectOf(character).left != dropped.left; }, 3s));
    EXPECT_EQ(rectOf(character).left, dropped.left + 3);
    EXPECT_EQ(rectOf(character).top, dropped.top + 3);
}

TEST_F(MouseAndMenu, TheMenuShowsItsPicturesAndHighlightsTheItemUnderThePointer) {
    HWND menu = openPopup();
    ASSERT_NE(menu, nullptr);
    const POINT o = firstItemOrigin(menu);
    ASSERT_GE(o.x, 0);
    // The items as their pictures stack them: each is one row shorter than its picture.
    const ql::Image about = loadAsset("menu_about.bmp"), onTop = loadAsset("menu_ontop_off.bmp"),
                    end = loadAsset("menu_end.bmp"), onTopOver = loadAsset("menu_ontop_off_over.bmp");
    // The menu shows as much of each 142-px picture as its items are wide:
    // the reported width and what the menu adds for a check mark.
    const ScreenShot row = captureScreen(o.x, o.y + 5, 200, 1);
    int shown = 23;
    while (shown < 142 && row.at(o.x + shown, o.y + 5) == 0xF6F6F6) ++shown;
    EXPECT_GE(shown, 124);
    const auto wrongPixels = [&](const ql::Image& picture, int top, int rows) {
        const ScreenShot shot = captureScreen(o.x, o.y + top, 142, rows);
        int wrong = 0;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < shown; ++x) wrong += shot.at(o.x + x, o.y + top + y) != (picture.at(x, y) & 0xFFFFFF);
        return wrong;
    };
    EXPECT_EQ(wrongPixels(about, 0, 27), 0) << "About: strip, ground, caption, separator on row 26";
    EXPECT_EQ(wrongPixels(onTop, 27, 21), 0) << "Keep on top, setting off";
    EXPECT_EQ(wrongPixels(end, 48, 24), 0) << "End";

    movePointer(o.x + 70, o.y + 27 + 10);
    EXPECT_TRUE(waitUntil([&] { return wrongPixels(onTopOver, 27, 21) == 0; }, 2s)) << "highlighted on hover";
}

TEST_F(MouseAndMenu, KeepOnTopFlipsTheStoredValueAndTheStacking) {
    for (DWORD expected : {1u, 0u}) {
        SCOPED_TRACE(expected);
        HWND menu = openPopup();
        ASSERT_NE(menu, nullptr);
        const POINT o = firstItemOrigin(menu);
        click(o.x + 70, o.y + 27 + 10, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(waitUntil([&] { return openMenu() == nullptr; }, 2s));
        ASSERT_TRUE(waitUntil([&] { return ((GetWindowLongA(character, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) ==
                                           (expected == 1); },
                              2s));
        HKEY key = nullptr;
        DWORD value = 99, size = sizeof value;
        RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key);
        RegQueryValueExA(key, "ontop", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        EXPECT_EQ(value, expected);
        const RECT r = rectOf(character);
        EXPECT_EQ(r.left - r.top, -30) << "still on its walk line: not moved";
        EXPECT_TRUE(IsWindowVisible(character));
    }
}

TEST_F(MouseAndMenu, EscapeClosesTheMenuAndTheProgramGoesOn) {
    ASSERT_NE(openPopup(), nullptr);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([] { return openMenu() == nullptr; }, 2s));
    const RECT r = rectOf(character);
    EXPECT_TRUE(waitUntil([&] { return rectOf(character).left == r.left + 3; }, 3s)) << "still walking";
    EXPECT_FALSE(quorlin->exited(0ms));
}

TEST_F(MouseAndMenu, EndEndsTheProcessAtOnce) {
    HWND menu = openPopup();
    ASSERT_NE(menu, nullptr);
    const POINT o = firstItemOrigin(menu);
    click(o.x + 70, o.y + 48 + 12, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(quorlin->exited(2s));
}

}  // namespace
}  // namespace e2e
