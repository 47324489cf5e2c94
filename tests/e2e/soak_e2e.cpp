// About ten minutes of the real program on a work area 150 px high, used as a
// person would: the popup menu opened and dismissed, Keep on top flipped, the
// About window opened and closed, and the character dragged once in each
// engine state. The process must live through it, and its working set,
// handles and windows must be no larger at the end than after its first cycle.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/process_stats.h"
#include "tests/e2e/running_quorlin.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

// On the 150-px work area the walk arrives at (10, 40) after 20 steps.
constexpr int kArrivalTop = 40;
// A drop on the arrival line: the next walk step arrives, so every drag
// leads straight into a new drinking, at that place.
constexpr POINT kDropAt{300, 45};
constexpr POINT kGrab{70, 60};  // where the pointer holds the character
// Long enough to see the next walk step when it walks, short when it stands.
constexpr auto kStepWait = 1200ms;
// Working set a run may gain after its first cycle without a leak: wine's own
// caches settle within a few hundred KB.
constexpr long kWorkingSetSlackKb = 1024;

class Soak : public RunningQuorlin {
protected:
    void SetUp() override {
        RunningQuorlin::SetUp();
        if (HasFatalFailure()) return;
        process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, quorlin->pid());
        ASSERT_NE(process, nullptr);
    }
    void TearDown() override {
        if (process) CloseHandle(process);
        RunningQuorlin::TearDown();
        installSetting(0);
    }

    bool alive() { return !quorlin->exited(0ms); }
    BYTE alpha(DWORD* flags = nullptr) {
        BYTE a = 255;
        DWORD f = 0;
        GetLayeredWindowAttributes(character, nullptr, &a, &f);
        if (flags) *flags = f;
        return (f & LWA_ALPHA) ? a : 255;
    }
    bool atStartPlace() {
        const RECT r = rectOf(character);
        DWORD flags = 0;
        alpha(&flags);
        return r.left == -50 && r.top == -20 && !(flags & LWA_ALPHA);
    }
    void note(const std::string& what) {
        history << GetTickCount() - begun << " ms: " << what << "\n";
    }
    std::string log() const { return history.str(); }
    void sample(const std::string& when) {
        const bench::ProcessSample s = bench::sampleProcess(process, quorlin->pid());
        samples.push_back(s);
        note(when + ": working set " + std::to_string(s.workingSet / 1024) + " KB, handles " +
             std::to_string(s.handles) + ", GDI " + std::to_string(s.gdiObjects) + ", USER " +
             std::to_string(s.userObjects) + ", windows " + std::to_string(s.topLevelWindows));
    }

    // Waits for the arrival after a walk; returns its tick count, 0 if none came.
    DWORD waitForArrival(std::chrono::milliseconds within) {
        if (!waitUntil([&] { return !alive() || rectOf(character).top >= kArrivalTop; }, within) || !alive())
            return 0;
        note("arrived");
        return GetTickCount();
    }
    void sleepUntil(DWORD since, DWORD ms) {
        const DWORD elapsed = GetTickCount() - since;
        if (elapsed < ms) Sleep(ms - elapsed);
    }

    void menuEscape() {
        PopupMenu menu;
        ASSERT_TRUE(openPopup(menu, kStepWait)) << log();
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitUntil([] { return openMenu() == nullptr; }, 2s)) << log();
        note("menu dismissed");
    }
    void flipKeepOnTop() {
        PopupMenu menu;
        ASSERT_TRUE(openPopup(menu, kStepWait)) << log();
        leftClick(menu.keepOnTop());
        ASSERT_TRUE(waitUntil([] { return openMenu() == nullptr; }, 2s)) << log();
        note("Keep on top flipped");
    }
    void openAndCloseAbout() {
        PopupMenu menu;
        ASSERT_TRUE(openPopup(menu, kStepWait)) << log();
        leftClick(menu.about());
        HWND about = shownAbout();
        ASSERT_NE(about, nullptr) << log();
        Sleep(500);
        const RECT r = rectOf(about);
        click(r.left + 18, r.top + 18, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);  // its close picture
        ASSERT_TRUE(waitUntil([&] { return quorlin->findWindow("QuorlinForm", "About") == nullptr; }, 10s))
            << "the About window did not fade out and unload\n" << log();
        note("About opened and closed");
    }
    // Drags the character onto the arrival line; returns when the walk from
    // there has arrived (its tick count), 0 if it did not.
    DWORD dragOntoTheArrivalLine(const char* state) {
        const RECT r = rectOf(character);
        const POINT from{r.left + kGrab.x, r.top + kGrab.y}, to{kDropAt.x + kGrab.x, kDropAt.y + kGrab.y};
        movePointer(from.x, from.y);
        pressButton(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 8; ++step)
            movePointer(from.x + (to.x - from.x) * step / 8, from.y + (to.y - from.y) * step / 8);
        releaseButton(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(reaches(kDropAt.x, kDropAt.y)) << "the drag while " << state << "\n" << log();
        const RECT dropped = rectOf(character);
        note(std::string("dragged while ") + state + " to " + std::to_string(dropped.left) + "," +
             std::to_string(dropped.top));
        // One walk step from the drop, and the walk has arrived.
        if (!waitUntil([&] { return !alive() || rectOf(character).left != dropped.left; }, 3s) || !alive()) return 0;
        note("arrived after the drop");
        return GetTickCount();
    }

    HANDLE process = nullptr;
    std::vector<bench::ProcessSample> samples;
    std::ostringstream history;
    DWORD begun = GetTickCount();
};

TEST_F(Soak, TenMinutesOfUseLeaveNoTraceInMemoryOrHandles) {
    // The first cycle warms up: the menu's pictures, the About window, wine's caches.
    Sleep(5000);
    menuEscape();
    DWORD arrival = waitForArrival(40s);
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 10000);
    flipKeepOnTop();
    sleepUntil(arrival, 20000);
    flipKeepOnTop();
    sleepUntil(arrival, 30000);
    openAndCloseAbout();
    ASSERT_TRUE(waitUntil([&] { return !alive() || atStartPlace(); }, 150s)) << "no reload\n" << log();
    ASSERT_TRUE(alive()) << log();
    sample("after the first cycle");

    // A drag in each state, each dropped on the arrival line, with the menu
    // used at every arrival.
    Sleep(6000);
    arrival = dragOntoTheArrivalLine("walking");
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 5000);
    menuEscape();
    sleepUntil(arrival, 15000);
    openAndCloseAbout();
    sleepUntil(arrival, 25000);
    arrival = dragOntoTheArrivalLine("drinking");
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 10000);
    flipKeepOnTop();
    sleepUntil(arrival, 65000);
    arrival = dragOntoTheArrivalLine("showing the messenger");
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 10000);
    flipKeepOnTop();
    sleepUntil(arrival, 90000);
    arrival = dragOntoTheArrivalLine("in the closing drinking");
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 15000);
    openAndCloseAbout();
    ASSERT_TRUE(waitUntil([&] { return !alive() || alpha() < 200; }, 120s)) << "no fade\n" << log();
    arrival = dragOntoTheArrivalLine("fading");
    ASSERT_NE(arrival, 0u) << log();
    EXPECT_LT(alpha(), 255) << "the walk goes on at the opacity the fade reached";
    ASSERT_TRUE(waitUntil([&] { return !alive() || alpha() <= 1; }, 120s)) << "no end of the fade\n" << log();
    Sleep(5000);
    arrival = dragOntoTheArrivalLine("waiting for the reload");
    ASSERT_NE(arrival, 0u) << log();
    sleepUntil(arrival, 5000);
    menuEscape();
    ASSERT_TRUE(waitUntil([&] { return !alive() || atStartPlace(); }, 150s)) << "no reload\n" << log();
    ASSERT_TRUE(alive()) << log();
    sample("at the end");

    EXPECT_TRUE(quorlin->messageBox() == nullptr) << "an error was reported";
    const bench::ProcessSample& warm = samples.front();
    const bench::ProcessSample& last = samples.back();
    const long growthKb = (static_cast<long>(last.workingSet) - static_cast<long>(warm.workingSet)) / 1024;
    EXPECT_LE(growthKb, kWorkingSetSlackKb) << log();
    EXPECT_EQ(last.handles, warm.handles) << log();
    EXPECT_EQ(last.gdiObjects, warm.gdiObjects) << log();
    EXPECT_EQ(last.userObjects, warm.userObjects) << log();
    EXPECT_EQ(last.topLevelWindows, warm.topLevelWindows) << log();
}

}  // namespace
}  // namespace e2e
