// The real program on a scaled display (the session's LogPixels, given to
// the tests as QUORLIN_TEST_DPI): every window at its physical size, drawn
// pixel for pixel from the picture set of the scale, moving in logical
// pixels mapped by the one rounding rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "platform/display_scale.h"
#include "tests/e2e/running_quorlin.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

ql::DisplayScale sessionScale() {
    const char* dpi = std::getenv("QUORLIN_TEST_DPI");
    return {dpi ? std::atoi(dpi) : 0};
}

class ScaledDisplay : public RunningQuorlin {
protected:
    void SetUp() override {
        ASSERT_GT(scale.dpi, 0) << "QUORLIN_TEST_DPI names no DPI";
        HDC screen = GetDC(nullptr);
        const int systemDpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(systemDpi, scale.dpi) << "the session runs at another scale than the tests were told";
        RunningQuorlin::SetUp();
    }
    int length(int logical) const { return scale.toPhysical(logical); }

    const ql::DisplayScale scale = sessionScale();
    // Made before the program starts, so the character stands in front of it.
    const Backdrop backdrop{0, 0, 500, 500, RGB(200, 30, 160)};
};

TEST_F(ScaledDisplay, TheCharacterHasItsScaledSizeAndShowsTheScalesFramesExactly) {
    const RECT start = rectOf(character);
    EXPECT_EQ(start.left, length(-50));
    EXPECT_EQ(start.top, length(-20));
    EXPECT_EQ(start.right - start.left, length(101));
    EXPECT_EQ(start.bottom - start.top, length(125));
    int frame = 0, fewestWrong = -1;
    waitUntil(
        [&] {
            const RECT r = rectOf(character);
            const int left = std::max<int>(r.left, 0), top = std::max<int>(r.top, 0);
            const ScreenShot shot = captureScreen(left, top, r.right - left, r.bottom - top);
            const RECT after = rectOf(character);
            if (!EqualRect(&r, &after)) return false;  // moved while the screen was read
            frame = shownFrame(shot, r.left, r.top, 0xC81EA0, scale);
            for (const ql::Image& f : spriteFrames(scale.pictureScale())) {
                const int wrong = mismatches(shot, f, r.left, r.top, 0xC81EA0, scale);
                if (fewestWrong < 0 || wrong < fewestWrong) fewestWrong = wrong;
            }
            return frame != 0;
        },
        5s);
    EXPECT_GE(frame, 1) << "the screen never showed a frame of the " << scale.pictureScale()
                        << " % set exactly (at best " << fewestWrong << " pixels differed)";
    EXPECT_LE(frame, 8);
}

TEST_F(ScaledDisplay, EachWalkStepIsThreeLogicalPixelsMappedAndTheSizeNeverChanges) {
    std::set<int> expectedLefts;
    for (int step = 0; step < 200; ++step) expectedLefts.insert(length(-50 + 3 * step));
    for (int step = 0; step < 4; ++step) {
        const RECT before = rectOf(character);
        ASSERT_TRUE(waitForAStep()) << "step " << step;
        const RECT r = rectOf(character);
        EXPECT_EQ(r.right - r.left, length(101));
        EXPECT_EQ(r.bottom - r.top, length(125));
        EXPECT_EQ(scale.toLogical(r.left) - scale.toLogical(before.left), 3);
        EXPECT_EQ(scale.toLogical(r.top) - scale.toLogical(before.top), 3);
        EXPECT_TRUE(expectedLefts.count(r.left)) << r.left << " is no logical place mapped";
    }
}

TEST_F(ScaledDisplay, TheMenuItemsShowTheScalesPictures) {
    const int percent = scale.pictureScale();
    PopupMenu menu;
    ASSERT_TRUE(openPopup(menu, 3s, scale));
    const POINT o = menu.firstItem;
    const struct {
        const char* asset;
        int height100;  // the item's height at 100 %, one row less than its picture
    } items[] = {{"menu_about.bmp", 27}, {"menu_ontop_off.bmp", 21}, {"menu_end.bmp", 24}};
    int top = 0;
    for (const auto& item : items) {
        SCOPED_TRACE(item.asset);
        const ql::Image picture = loadAsset(item.asset, percent);
        const int rows = ql::pictureLength(item.height100, percent);
        // As much of each picture as the item is wide: its strip and caption at least.
        const int columns = ql::pictureLength(124, percent);
        const ScreenShot shot = captureScreen(o.x, o.y + top, columns, rows);
        int wrong = 0;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) wrong += shot.at(o.x + x, o.y + top + y) != (picture.at(x, y) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0) << columns << " x " << rows << " pixels compared";
        top += rows;
    }
}

TEST_F(ScaledDisplay, TheAboutWindowHasItsScaledSizeAndTheScalesPictures) {
    const int percent = scale.pictureScale();
    PopupMenu menu;
    ASSERT_TRUE(openPopup(menu, 3s, scale));
    leftClick(menu.about());
    HWND about = shownAbout();
    ASSERT_NE(about, nullptr) << "no About window";
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, length(344));
    EXPECT_EQ(client.bottom, length(222));
    const RECT origin = rectOf(about);
    const struct {
        const char* asset;
        int left, top;
    } pictures[] = {{"about_pobo.bmp", 248, 8}, {"about_close.bmp", 8, 8}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.asset);
        const ql::Image picture = loadAsset(p.asset, percent);
        const int left = origin.left + length(p.left), top = origin.top + length(p.top);
        int wrong = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                const ScreenShot shot = captureScreen(left, top, picture.width, picture.height);
                wrong = 0;
                for (int y = 0; y < picture.height; ++y)
                    for (int x = 0; x < picture.width; ++x)
                        wrong += shot.at(left + x, top + y) != (picture.at(x, y) & 0xFFFFFF);
                return wrong == 0;
            },
            3s))
            << wrong << " pixels differ from the " << percent << " % picture";
    }
}

}  // namespace
}  // namespace e2e
