// The real program's About window, opened from its popup menu with real
// input and checked from outside: geometry, what the screen shows, the
// pointer and tooltip, the close fade and the two links.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/running_quorlin.h"
#include "tests/e2e/screen.h"

#include <commctrl.h>  // after windows.h

namespace e2e {
namespace {

constexpr int kWidth = 344, kHeight = 222;
constexpr const char* kWebSite = "http://www.kestrane.example";

bool isWhite(std::uint32_t pixel) { return pixel == 0xFFFFFF; }

// The rows each line of text may use, and the column it starts at.
struct TextRow {
    const char* name;
    int left, top, height;
};
constexpr TextRow kRows[] = {
    {"Label5", 88, 8, 19},   {"Label6", 56, 32, 14},  {"Label7", 88, 48, 14},  {"Label10", 24, 72, 14},
    {"Label9", 24, 96, 16},  {"Label4", 64, 96, 16},  {"Label1", 96, 120, 16}, {"Label11", 24, 160, 14},
    {"Label3", 24, 176, 16}, {"Label2", 8, 200, 15},
};

class AboutWindow : public RunningQuorlin {
protected:
    void SetUp() override {
        RunningQuorlin::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(openAbout());
    }
    // The About command: right-click the character, then the menu's first item.
    ::testing::AssertionResult openAbout() {
        PopupMenu menu;
        if (auto opened = openPopup(menu); !opened) return opened;
        leftClick(menu.about());
        about = shownAbout();
        if (!about)
            return ::testing::AssertionFailure() << "the About command showed no About window within 5 s";
        return waitUntilPainted();
    }
    // The window's white ground and the frame's corner show once it has painted.
    ::testing::AssertionResult waitUntilPainted() {
        origin = rectOf(about);
        const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        const std::uint32_t frame = (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
        ScreenShot last;
        if (waitUntil(
                [&] {
                    ScreenShot shot = shoot();
                    const bool settled = at(shot, 0, 0) == frame && isWhite(at(shot, 200, 150)) &&
                                         shot.pixels == last.pixels;
                    last = std::move(shot);
                    return settled;
                },
                3s))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the About window did not paint its frame and ground, or kept changing, for 3 s";
    }
    ScreenShot shoot() { return captureScreen(origin.left, origin.top, kWidth, kHeight); }
    // Client pixel of a shot of the window.
    std::uint32_t at(const ScreenShot& shot, int x, int y) { return shot.at(origin.left + x, origin.top + y); }
    POINT screenPoint(int x, int y) const { return {origin.left + x, origin.top + y}; }

    HWND about = nullptr;
    RECT origin{};
};

TEST_F(AboutWindow, IsABorderlessWindowCentredOnTheScreenAtTheFrontAndOutOfTheTaskbar) {
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, kWidth);
    EXPECT_EQ(client.bottom, kHeight);
    EXPECT_EQ(origin.left, (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2);
    EXPECT_EQ(origin.top, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2);
    EXPECT_EQ(origin.right - origin.left, kWidth) << "no frame around the client area";
    EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_EQ(GetForegroundWindow(), about) << "the About command activates it";

    // No taskbar button: owned by a hidden window that is not one of the forms.
    HWND owner = GetWindow(about, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    char ownerClass[64] = {};
    GetClassNameA(owner, ownerClass, sizeof ownerClass);
    EXPECT_STRNE(ownerClass, "QuorlinForm");
    EXPECT_FALSE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_LAYERED) << "opaque and ordinary until it fades";
}

TEST_F(AboutWindow, ShowsItsFramePicturesAndLinesOnWhite) {
    const ScreenShot shot = shoot();
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const std::uint32_t frame = (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
    int wrongFrame = 0;
    for (int x = 0; x < kWidth; ++x) wrongFrame += (at(shot, x, 0) != frame) + (at(shot, x, kHeight - 1) != frame);
    for (int y = 0; y < kHeight; ++y) wrongFrame += (at(shot, 0, y) != frame) + (at(shot, kWidth - 1, y) != frame);
    EXPECT_EQ(wrongFrame, 0) << "a one-pixel frame in the window-text colour";

    const struct {
        const char* asset;
        int left, top;
    } pictures[] = {{"about_pobo.bmp", 248, 8}, {"about_close.bmp", 8, 8}};
    for (const auto& p : pictures) {
        const ql::Image picture = loadAsset(p.asset);
        int wrong = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                wrong += at(shot, p.left + x, p.top + y) != (picture.at(x, y) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0) << p.asset;
    }

    // Every pixel inside the frame that is neither a picture nor on a line of
    // text is white; each line has ink from its own column on.
    auto inPicture = [](int x, int y) {
        return (x >= 248 && x < 338 && y >= 8 && y < 148) || (x >= 8 && x < 29 && y >= 8 && y < 29);
    };
    auto onRow = [](int y) {
        return std::any_of(std::begin(kRows), std::end(kRows),
                           [&](const TextRow& r) { return y >= r.top && y < r.top + r.height; });
    };
    int stray = 0;
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x)
            if (!inPicture(x, y) && !onRow(y) && !isWhite(at(shot, x, y))) ++stray;
    EXPECT_EQ(stray, 0) << "ink outside the lines of text";

    for (const TextRow& row : kRows) {
        SCOPED_TRACE(row.name);
        // The next label to the right on the same row bounds this one.
        int right = kWidth - 1;
        for (const TextRow& other : kRows)
            if (other.top == row.top && other.left > row.left) right = std::min(right, other.left);
        if (row.top < 148) right = std::min(right, 248);
        int ink = 0, first = kWidth;
        for (int y = row.top; y < row.top + row.height; ++y)
            for (int x = row.left - 4; x < right; ++x)
                if (!isWhite(at(shot, x, y))) ++ink, first = std::min(first, x);
        EXPECT_GT(ink, 40) << "the line shows text";
        EXPECT_GE(first, row.left);
        EXPECT_LE(first, row.left + 3) << "left-aligned at its place";
    }
}

TEST_F(AboutWindow, TheVersionLineIsBlackAndTheLinksAreUnderlined) {
    const ScreenShot shot = shoot();
    // The darkest pixel of a line is its colour where a stroke covers a whole pixel.
    auto darkest = [&](const TextRow& row) {
        std::uint32_t best = 0xFFFFFF;
        int bestSum = 3 * 255;
        for (int y = row.top; y < row.top + row.height; ++y)
            for (int x = row.left; x < 248; ++x) {
                const std::uint32_t p = at(shot, x, y);
                const int sum = static_cast<int>((p >> 16) + ((p >> 8) & 0xFF) + (p & 0xFF));
                if (sum < bestSum) bestSum = sum, best = p;
            }
        return best;
    };
    EXPECT_EQ(darkest(kRows[0]), 0x000000u) << "Quorlin 1.0";
    EXPECT_EQ(darkest(kRows[3]), 0x808080u) << "the ownership line";
    EXPECT_EQ(darkest(kRows[5]), 0x404040u) << "the web address";

    // An underline: one row holding a long unbroken run of ink.
    auto longestRun = [&](const TextRow& row, int right) {
        int best = 0;
        for (int y = row.top; y < row.top + row.height; ++y) {
            int run = 0;
            for (int x = row.left; x < right; ++x) {
                run = isWhite(at(shot, x, y)) ? 0 : run + 1;
                best = std::max(best, run);
            }
        }
        return best;
    };
    EXPECT_GE(longestRun(kRows[5], 248), 150) << "the web address is underlined along its length";
    EXPECT_GE(longestRun(kRows[6], 248), 90) << "the feedback link is underlined";
    EXPECT_LT(longestRun(kRows[8], 330), 30) << "plain text has no underline";
}

// The pointer's handle as the system reports it across processes.
HCURSOR shownPointer() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

// The pointer once it has not changed for 300 ms.
HCURSOR settledPointer() {
    HCURSOR seen = shownPointer();
    DWORD since = GetTickCount();
    waitUntil(
        [&] {
            if (const HCURSOR now = shownPointer(); now != seen) seen = now, since = GetTickCount();
            return GetTickCount() - since >= 300;
        },
        3s);
    return seen;
}

// Moves the pointer and waits until the system shows `expected`: a change
// proves the program has handled the move, so a wrong pointer is never
// mistaken for one the program has not yet set.
bool pointerBecomes(POINT p, HCURSOR expected) {
    movePointer(p.x, p.y);
    return waitUntil([&] { return shownPointer() == expected; }, 2s);
}

// A visible tooltip window of the process, if one shows.
HWND visibleToolTip(DWORD pid) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char cls[64] = {};
            GetClassNameA(window, cls, sizeof cls);
            if (owner == s.pid && lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(window)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(AboutWindow, TheLinksAndTheClosePictureShowTheHandAndTheCloseTooltip) {
    // Cursor handles are private to each process: compare them with each other.
    const POINT groundPoint = screenPoint(200, 150), closePoint = screenPoint(18, 18);
    movePointer(groundPoint.x, groundPoint.y);
    const HCURSOR ground = settledPointer();
    movePointer(closePoint.x, closePoint.y);
    ASSERT_TRUE(waitUntil([&] { return shownPointer() != ground; }, 2s)) << "the close picture shows the ground's pointer";
    const HCURSOR close = shownPointer();
    const struct {
        const char* name;
        POINT at;
        bool hand;
    } cases[] = {{"Label9", screenPoint(40, 104), true},   {"Label4", screenPoint(100, 104), true},
                 {"Label1", screenPoint(120, 128), true},  {"Label3", screenPoint(100, 184), false},
                 {"Label5", screenPoint(110, 17), false},  {"Image1", screenPoint(290, 100), false}};
    for (const auto& c : cases) {
        // From a place with the other pointer, so that the expected one must be set anew.
        ASSERT_TRUE(pointerBecomes(c.hand ? groundPoint : closePoint, c.hand ? ground : close));
        EXPECT_TRUE(pointerBecomes(c.at, c.hand ? close : ground)) << c.name << (c.hand ? " shows no hand" : " shows the hand");
    }

    const POINT p = screenPoint(18, 18);
    movePointer(p.x, p.y);
    movePointer(p.x + 1, p.y);
    HWND tip = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (tip = visibleToolTip(quorlin->pid())) != nullptr; }, 3s));
    char text[64] = {};
    SendMessageA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Close");
}

TEST_F(AboutWindow, TheClosePictureFadesItOutAndTheNextAboutCommandShowsItAfresh) {
    const POINT close = screenPoint(18, 18);
    click(close.x, close.y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    std::vector<int> levels;
    bool onlyLayered = true, owned = true;
    const bool gone = waitUntil(
        [&] {
            if (!IsWindow(about)) return true;
            BYTE alpha = 0;
            DWORD flags = 0;
            if (GetLayeredWindowAttributes(about, nullptr, &alpha, &flags) && flags == LWA_ALPHA &&
                (levels.empty() || levels.back() != alpha))
                levels.push_back(alpha);
            if (!levels.empty()) {
                onlyLayered &= GetWindowLongA(about, GWL_EXSTYLE) == WS_EX_LAYERED || !IsWindow(about);
                owned &= GetWindow(about, GW_OWNER) != nullptr || !IsWindow(about);
            }
            return false;
        },
        5s);
    ASSERT_TRUE(gone) << "still there 5 s after the click";
    ASSERT_GE(levels.size(), 5u) << "a fade, not a jump";
    EXPECT_TRUE(std::is_sorted(levels.rbegin(), levels.rend())) << "the opacity only falls";
    EXPECT_LE(levels.front(), 253);
    EXPECT_LT(levels.back(), 60);
    EXPECT_TRUE(std::all_of(levels.begin(), levels.end(), [](int a) { return a % 2 == 1; })) << "255 less 2 a step";
    EXPECT_TRUE(onlyLayered) << "the extended style is WS_EX_LAYERED alone while it fades";
    EXPECT_TRUE(owned) << "and it stays out of the taskbar";
    EXPECT_EQ(quorlin->findWindow("QuorlinForm", "About"), nullptr);
    EXPECT_FALSE(quorlin->exited(0ms));

    ASSERT_TRUE(openAbout());
    EXPECT_FALSE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_LAYERED) << "built afresh, opaque";
    EXPECT_EQ(at(shoot(), 200, 150), 0xFFFFFFu);
}

// Wine hands an address given to the shell to the browsers its settings
// name; the stand-in one records what it was given.
class AboutLinks : public AboutWindow {
protected:
    void SetUp() override {
        if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
            GTEST_SKIP() << "the stand-in browser needs wine";
        DeleteFileA(QL_E2E_BROWSER_LOG);
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(QL_E2E_BROWSER),
                       sizeof QL_E2E_BROWSER);
        RegCloseKey(key);
        AboutWindow::SetUp();
    }
    void TearDown() override {
        AboutWindow::TearDown();
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "Browsers");
            RegCloseKey(key);
        }
    }
    static std::vector<std::string> recorded() {
        std::ifstream log(QL_E2E_BROWSER_LOG);
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }
    static constexpr const char* kBrowserKey = "Software\\Wine\\WineBrowser";
};

TEST_F(AboutLinks, TheWebAddressAndTheFeedbackPageGoToTheSystemsHandler) {
    // Wine's handler spells the site's bare address with its root path.
    const std::vector<std::string> expected = {std::string(kWebSite) + "/", std::string(kWebSite) + "/feedback.html"};
    const POINT links[] = {screenPoint(100, 104), screenPoint(120, 128)};
    for (std::size_t i = 0; i < 2; ++i) {
        click(links[i].x, links[i].y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(waitUntil([&] { return recorded().size() > i; }, 10s)) << expected[i];
    }
    EXPECT_EQ(recorded(), expected);
    const POINT web = screenPoint(40, 104);  // "Web :" shows the hand and does nothing
    click(web.x, web.y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    pumpFor(1500);
    EXPECT_EQ(recorded().size(), 2u);
    EXPECT_TRUE(IsWindowVisible(about)) << "the About window stays as it was";
    EXPECT_FALSE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_LAYERED);
}

}  // namespace
}  // namespace e2e
