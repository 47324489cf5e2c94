// A test with the real program running: installed with the setting off,
// started, and its character shown and keyed.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/input.h"
#include "tests/e2e/popup_menu.h"
#include "tests/e2e/quorlin_process.h"

namespace e2e {

inline RECT rectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class RunningQuorlin : public ::testing::Test {
protected:
    void SetUp() override {
        installSetting(0);
        quorlin = std::make_unique<QuorlinProcess>();
        character = quorlin->keyedCharacter();
        ASSERT_NE(character, nullptr) << "no keyed character window";
    }
    void TearDown() override {
        if (openMenu()) pressKey(VK_ESCAPE);
        quorlin.reset();
    }
    // Waits for the next walk step, so the second after it is free of moves;
    // false when none came (the character is not walking).
    bool waitForAStep(std::chrono::milliseconds within = 3s) {
        const RECT before = rectOf(character);
        return waitUntil([&] { return rectOf(character).left != before.left; }, within);
    }
    // Waits until the character window stands at (left, top): a move the
    // program has been sent is seen only once it has handled it.
    ::testing::AssertionResult reaches(int left, int top, std::chrono::milliseconds within = 3s) {
        if (waitUntil([&] { return rectOf(character).left == left && rectOf(character).top == top; }, within))
            return ::testing::AssertionSuccess();
        const RECT r = rectOf(character);
        return ::testing::AssertionFailure() << "the character stands at (" << r.left << ", " << r.top
                                             << "), not at (" << left << ", " << top << ")";
    }
    // Right-clicks the character (between two walk steps when it walks) and
    // waits for its menu with its items painted (from the set of `scale`).
    ::testing::AssertionResult openPopup(PopupMenu& menu, std::chrono::milliseconds stepWait = 3s,
                                         const ql::DisplayScale& scale = {}) {
        waitForAStep(stepWait);
        const RECT r = rectOf(character);
        const int x = r.left + scale.toPhysical(70), y = r.top + scale.toPhysical(60);
        click(x, y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        HWND window = nullptr;
        if (!waitUntil([&] { return (window = openMenu()) != nullptr; }, 3s))
            return ::testing::AssertionFailure() << "no popup menu within 3 s of a right-click at (" << x << ", " << y
                                                 << ")";
        return waitForPaintedItems(window, menu, 3s, scale.pictureScale());
    }

    // The About window once the About command has shown it, or null after `within`.
    HWND shownAbout(std::chrono::milliseconds within = 5s) {
        HWND about = nullptr;
        waitUntil(
            [&] {
                about = quorlin->findWindow("QuorlinForm", "About");
                return about && IsWindowVisible(about);
            },
            within);
        return about && IsWindowVisible(about) ? about : nullptr;
    }

    std::unique_ptr<QuorlinProcess> quorlin;
    HWND character = nullptr;
};

}  // namespace e2e
