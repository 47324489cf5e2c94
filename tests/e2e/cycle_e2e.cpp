// A whole episode cycle of the real program, watched on the screen, on a
// work area 150 pixels high so that the walk arrives after 20 steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/e2e/quorlin_process.h"
#include "tests/e2e/screen.h"

namespace e2e {
namespace {

struct Sample {
    DWORD ms;  // since the program started
    RECT rect;
    BYTE alpha;
    DWORD flags;
    int frame;  // sprite frame on screen, 0 when none matched exactly (fading)
    int standsOut;  // pixels of the window's area that differ clearly from the backdrop
};

int standingOut(const ScreenShot& shot, const RECT& r, std::uint32_t backdrop) {
    int count = 0;
    for (int y = std::max<int>(r.top, shot.top); y < std::min<int>(r.bottom, shot.top + shot.height); ++y)
        for (int x = std::max<int>(r.left, shot.left); x < std::min<int>(r.right, shot.left + shot.width); ++x) {
            const std::uint32_t p = shot.at(x, y);
            for (int shift = 0; shift <= 16; shift += 8)
                if (std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((backdrop >> shift) & 0xFF)) > 16) {
                    ++count;
                    break;
                }
        }
    return count;
}

class Cycle : public ::testing::Test {
protected:
    static constexpr std::uint32_t kBackdrop = 0x30A050;

    // Watches the character every 50 ms until `until` returns true or `limit` passes.
    std::vector<Sample> watch(QuorlinProcess& quorlin, DWORD limitMs, const std::function<bool(const Sample&)>& until) {
        std::vector<Sample> samples;
        HWND window = quorlin.keyedCharacter();
        const DWORD start = GetTickCount();
        while (window && GetTickCount() - start < limitMs) {
            Sample s{GetTickCount() - start, {}, 255, 0, 0, 0};
            GetWindowRect(window, &s.rect);
            GetLayeredWindowAttributes(window, nullptr, &s.alpha, &s.flags);
            const ScreenShot shot = captureScreen(0, 0, 200, 200);
            s.frame = shownFrame(shot, s.rect.left, s.rect.top, kBackdrop);
            s.standsOut = standingOut(shot, s.rect, kBackdrop);
            samples.push_back(s);
            if (until(s)) break;
            pumpFor(50);  // the backdrop repaints what the character uncovers
        }
        return samples;
    }
};

// How often the picture changed between samples within [fromMs, toMs), per second.
double changesPerSecond(const std::vector<Sample>& samples, DWORD fromMs, DWORD toMs) {
    int changes = 0, last = -1;
    for (const Sample& s : samples) {
        if (s.ms < fromMs || s.ms >= toMs || s.frame == 0) continue;
        if (last >= 0 && s.frame != last) ++changes;
        last = s.frame;
    }
    return changes * 1000.0 / (toMs - fromMs);
}

TEST_F(Cycle, WalksArrivesDrinksShowsTheMessengerFadesAndComesBack) {
    installSetting(1);
    Backdrop backdrop(0, 0, 300, 300, RGB(0x30, 0xA0, 0x50));
    QuorlinProcess quorlin;
    bool faded = false, walkedAgain = false;
    const std::vector<Sample> samples = watch(quorlin, 200000, [&](const Sample& s) {
        if (s.alpha <= 5 && (s.flags & LWA_ALPHA)) faded = true;
        walkedAgain = faded && s.rect.left == -50 && !(s.flags & LWA_ALPHA);
        return walkedAgain;
    });
    ASSERT_FALSE(samples.empty());

    // The walk: 3 px right and down per second, the picture changing about 5 times a second.
    const auto at = [&](DWORD ms) {
        for (const Sample& s : samples)
            if (s.ms >= ms) return s;
        return samples.back();
    };
    EXPECT_EQ(at(0).rect.left, -50);
    std::vector<const Sample*> steps;
    for (std::size_t i = 1; i < samples.size() && samples[i - 1].rect.top < 40; ++i) {
        const RECT &from = samples[i - 1].rect, &to = samples[i].rect;
        if (EqualRect(&from, &to)) continue;
        steps.push_back(&samples[i]);
        EXPECT_EQ(to.left - from.left, 3) << "a step at " << samples[i].ms << " ms";
        EXPECT_EQ(to.top - from.top, 3) << "a step at " << samples[i].ms << " ms";
    }
    ASSERT_EQ(steps.size(), 20u) << "steps from the start place to the arrival line";
    EXPECT_NEAR((steps.back()->ms - steps.front()->ms) / 19.0, 1000.0, 50.0) << "ms between steps";
    EXPECT_NEAR(changesPerSecond(samples, 1000, 15000), 5.0, 1.0);
    for (const Sample& s : samples) {
        if (s.ms < 15000 && s.frame) {
            EXPECT_LE(s.frame, 8) << "walking frames only, at " << s.ms;
        }
    }

    // Arrival at the bottom line after 20 steps: (10, 40), then drinking frames at the clip pace.
    const Sample arrived = at(25000);
    EXPECT_EQ(arrived.rect.left, 10);
    EXPECT_EQ(arrived.rect.top, 40);
    bool drinking = false, messenger = false, closingPose = false;
    for (const Sample& s : samples) {
        drinking |= s.frame >= 9 && s.frame <= 20;
        messenger |= s.frame >= 21 && s.frame <= 27;
        closingPose |= s.frame == 28;
    }
    EXPECT_TRUE(drinking);
    EXPECT_TRUE(messenger) << "the messenger clip about 60 s after arrival";
    EXPECT_TRUE(closingPose);
    EXPECT_EQ(at(70000).rect.left, 10) << "it stays put while it drinks";

    // The fade to nearly nothing, and the return to the start place at full opacity.
    BYTE lowest = 255;
    for (const Sample& s : samples)
        if (s.flags & LWA_ALPHA) lowest = std::min(lowest, s.alpha);
    EXPECT_LE(lowest, 5);
    // And on screen: at its faintest nothing of the character stands out from the backdrop.
    int faintest = 1 << 30;
    for (const Sample& s : samples)
        if ((s.flags & LWA_ALPHA) && s.alpha <= 5) faintest = std::min(faintest, s.standsOut);
    EXPECT_EQ(faintest, 0);
    EXPECT_GT(at(5000).standsOut, 1000) << "fully drawn while walking";
    ASSERT_TRUE(walkedAgain) << "no return to the start place within " << samples.back().ms << " ms";
    EXPECT_EQ(samples.back().rect.top, -20);
    EXPECT_NEAR(samples.back().ms / 1000.0, 20 + 107 + 2.6 + 15, 4.0);
}

}  // namespace
}  // namespace e2e
