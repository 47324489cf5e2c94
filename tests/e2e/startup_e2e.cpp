// The real program started under the real window system, checked from outside.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/quorlin_process.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

TEST(Startup, RefusesWithoutTheSettingAndNeverShowsTheCharacter) {
    removeSettingsKey();
    QuorlinProcess quorlin;
    HWND box = nullptr;
    bool characterSeen = false;
    ASSERT_TRUE(waitUntil(
        [&] {
            HWND c = quorlin.character();
            characterSeen |= c && IsWindowVisible(c);
            box = quorlin.messageBox();
            return box != nullptr;
        },
        10s));
    EXPECT_EQ(dialogItemText(box, 0xFFFF),
              "Program has not installed correctly. Please report this problem to support@kestrane.example ");
    EXPECT_EQ(windowText(box), "Quorlin");
    EXPECT_NE(FindWindowExA(box, nullptr, "Static", nullptr), nullptr);
    pumpFor(300);
    characterSeen |= quorlin.character() && IsWindowVisible(quorlin.character());
    EXPECT_FALSE(quorlin.exited(0ms)) << "the box waits for the user";
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(quorlin.exited(5s));
    EXPECT_FALSE(characterSeen);
}

TEST(Startup, ShowsTheKeyedCharacterAtTheStartPlace) {
    for (DWORD ontop : {0u, 1u}) {
        SCOPED_TRACE(ontop);
        installSetting(ontop);
        QuorlinProcess quorlin;
        HWND window = quorlin.keyedCharacter();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(atStartPlace(window));
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
        EXPECT_EQ(key, RGB(0, 0, 255));
        EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
        const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, ontop == 1);
        // No taskbar button: an unowned tool window that does not ask for one.
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
    }
}

TEST(Startup, TheKeyColourIsTransparentOnScreen) {
    installSetting(1);
    Backdrop backdrop(0, 0, 300, 300, RGB(200, 30, 160));
    const std::uint32_t backdropPixel = 0xC81EA0;
    QuorlinProcess quorlin;
    HWND window = quorlin.keyedCharacter();
    ASSERT_NE(window, nullptr);
    // Wherever the window stands while it walks, the screen must be exactly
    // one of the walk frames with the backdrop wherever the frame is key blue.
    int frame = 0;
    waitUntil(
        [&] {
            RECT r{};
            GetWindowRect(window, &r);
            const int left = std::max<int>(r.left, 0), top = std::max<int>(r.top, 0);
            const ScreenShot shot = captureScreen(left, top, r.right - left, r.bottom - top);
            RECT after{};
            GetWindowRect(window, &after);
            if (!EqualRect(&r, &after)) return false;  // moved while the screen was read
            frame = shownFrame(shot, r.left, r.top, backdropPixel);
            return frame != 0;
        },
        5s);
    EXPECT_GE(frame, 1) << "the screen never showed a frame over the backdrop exactly";
    EXPECT_LE(frame, 8);
}

TEST(Startup, TwoCopiesBothRun) {
    installSetting(0);
    QuorlinProcess first;
    ASSERT_NE(first.keyedCharacter(), nullptr);
    QuorlinProcess second;
    ASSERT_NE(second.keyedCharacter(), nullptr);
    EXPECT_NE(first.character(), second.character());
    EXPECT_FALSE(first.exited(0ms));
}

// As the system does at log-off: every window is asked, then told. The
// program lets the session end, then goes by itself, at once and silently.
TEST(Startup, TheSessionEndingEndsTheProgramWithoutAPrompt) {
    installSetting(1);
    QuorlinProcess quorlin;
    ASSERT_NE(quorlin.keyedCharacter(), nullptr);
    const std::vector<HWND> windows = quorlin.windows();
    ASSERT_GE(windows.size(), 2u) << "the character and the hidden menu host";
    for (HWND window : windows) {
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 3000,
                                        &answer));
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    }
    for (HWND window : windows) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 3000, &ignored);
    }
    EXPECT_TRUE(quorlin.exited(2s)) << "a prompt or a hang would keep it running";
    EXPECT_EQ(quorlin.exitCode(), 0u);
}

TEST(Startup, WalkingNeverTakesTheFocus) {
    installSetting(0);
    QuorlinProcess quorlin;
    HWND character = quorlin.keyedCharacter();
    ASSERT_NE(character, nullptr);
    Backdrop other(400, 400, 200, 100, RGB(255, 255, 255));
    SetForegroundWindow(other.window());
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other.window(); }, 2s));
    RECT before{}, now{};
    GetWindowRect(character, &before);
    bool kept = true;
    // Two steps and a dozen frame changes, the focus watched throughout.
    EXPECT_TRUE(waitUntil(
        [&] {
            kept &= GetForegroundWindow() == other.window();
            GetWindowRect(character, &now);
            return now.left - before.left >= 6;
        },
        5s))
        << "walked " << now.left - before.left << " px";
    EXPECT_TRUE(kept && GetForegroundWindow() == other.window()) << "the walk took the focus";
}

}  // namespace
}  // namespace e2e
