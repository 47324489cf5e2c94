// A test with the real program running: installed with the setting off,
// started, and its character shown and keyed.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/input.h"
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
        ASSERT_NE(character, nullptr);
    }
    void TearDown() override {
        if (openMenu()) pressKey(VK_ESCAPE);
        quorlin.reset();
    }
    // Waits for a walk step, so the next second is free of moves.
    RECT justAfterAStep() {
        const RECT before = rectOf(character);
        waitUntil([&] { return rectOf(character).left != before.left; }, 3s);
        return rectOf(character);
    }
    // Right-clicks the character and waits for its menu; null when none opened.
    HWND openPopup() {
        const RECT r = justAfterAStep();
        click(r.left + 70, r.top + 60, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        HWND menu = nullptr;
        waitUntil([&] { return (menu = openMenu()) != nullptr; }, 3s);
        return menu;
    }

    std::unique_ptr<QuorlinProcess> quorlin;
    HWND character = nullptr;
};

}  // namespace e2e
