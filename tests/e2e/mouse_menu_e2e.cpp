// Dragging the real program's character and using its popup menu with real input.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/e2e/running_quorlin.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

using MouseAndMenu = RunningQuorlin;

TEST_F(MouseAndMenu, ADragMovesTheWindowByThePointerAndTheWalkGoesOnFromTheDrop) {
    ASSERT_TRUE(waitForAStep()) << "the character does not walk";
    const RECT start = rectOf(character);
    const int x = start.left + 70, y = start.top + 60;
    movePointer(x, y);
    pressButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 10; ++step) movePointer(x + 20 * step, y + 15 * step);
    ASSERT_TRUE(reaches(start.left + 200, start.top + 150)) << "held: moved by the pointer";
    Sleep(1500);  // no walk while the button is held
    EXPECT_TRUE(reaches(start.left + 200, start.top + 150, 0ms)) << "no walk step while held";
    releaseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(reaches(start.left + 200, start.top + 150, 0ms)) << "dropped where it was held";
    const RECT dropped = rectOf(character);
    ASSERT_TRUE(waitUntil([&] { return rectOf(character).left != dropped.left; }, 3s)) << "no walk after the drop";
    EXPECT_EQ(rectOf(character).left, dropped.left + 3);
    EXPECT_EQ(rectOf(character).top, dropped.top + 3);
}

TEST_F(MouseAndMenu, TheMenuShowsItsPicturesAndHighlightsTheItemUnderThePointer) {
    PopupMenu menu;
    ASSERT_TRUE(openPopup(menu));
    const POINT o = menu.firstItem;
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

    movePointer(menu.keepOnTop().x, menu.keepOnTop().y);
    EXPECT_TRUE(waitUntil([&] { return wrongPixels(onTopOver, 27, 21) == 0; }, 2s)) << "highlighted on hover";
}

TEST_F(MouseAndMenu, KeepOnTopFlipsTheStoredValueAndTheStacking) {
    for (DWORD expected : {1u, 0u}) {
        SCOPED_TRACE(expected);
        PopupMenu menu;
        ASSERT_TRUE(openPopup(menu));
        leftClick(menu.keepOnTop());
        ASSERT_TRUE(waitUntil([&] { return openMenu() == nullptr; }, 2s)) << "the menu stays open";
        EXPECT_TRUE(waitUntil([&] { return ((GetWindowLongA(character, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) ==
                                           (expected == 1); },
                              2s))
            << "the stacking did not follow";
        std::optional<DWORD> stored;
        EXPECT_TRUE(waitUntil([&] { return (stored = readDword(kSettingsKey, "ontop")) == expected; }, 2s))
            << "stored " << (stored ? std::to_string(*stored) : "nothing");
        const RECT r = rectOf(character);
        EXPECT_EQ(r.left - r.top, -30) << "still on its walk line: not moved";
        EXPECT_TRUE(IsWindowVisible(character));
    }
}

TEST_F(MouseAndMenu, EscapeClosesTheMenuAndTheProgramGoesOn) {
    PopupMenu menu;
    ASSERT_TRUE(openPopup(menu));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([] { return openMenu() == nullptr; }, 2s));
    const RECT r = rectOf(character);
    EXPECT_TRUE(waitUntil([&] { return rectOf(character).left == r.left + 3; }, 3s)) << "still walking";
    EXPECT_FALSE(quorlin->exited(0ms));
}

TEST_F(MouseAndMenu, EndEndsTheProcessAtOnce) {
    PopupMenu menu;
    ASSERT_TRUE(openPopup(menu));
    leftClick(menu.end());
    EXPECT_TRUE(quorlin->exited(2s)) << (openMenu() ? "the menu is still open" : "the menu closed, the process runs");
}

}  // namespace
}  // namespace e2e
