// How fast the simulated desktop replays the program: whole cycles in
// virtual time per real second, on a short and on the ordinary work area,
// and the program's windows, picture contexts and open registry keys on it
// at the start and after five cycles (each with a popup menu opened and
// closed), where the real system under wine cannot count them.
#include <chrono>
#include <cstdio>

#include "app/quorlin.h"
#include "menu/settings_store.h"
#include "platform/sim/sim_system.h"

namespace {

using ql::Quorlin;
using ql::SimSystem;

constexpr std::uint64_t kFadeToReload = 107000 + 2550 + 15000;  // from arrival to the next walk

struct Counts {
    int windows, pictureDcs, openKeys;
};

Counts counts(const SimSystem& sim) { return {sim.windowCount(), sim.pictureDcCount(), sim.openKeyCount()}; }

void openAndCloseMenu(SimSystem& sim, Quorlin& program) {
    const ql::Rect r = sim.windowRect(program.form1.hWnd());
    sim.postMouse(ql::MouseAction::Down, ql::vbRightButton, r.left + 50, r.top + 60);
    sim.postMouse(ql::MouseAction::Up, ql::vbRightButton, r.left + 50, r.top + 60);
    sim.advance(0);
}

// Virtual hours replayed per real second over `cycles` whole cycles.
double replaySpeed(int workBottom, std::uint64_t walkMs, int cycles) {
    SimSystem sim;
    sim.regPutDword(ql::kSettingsKey, ql::kOnTopValue, 0);
    sim.setWorkArea({0, 0, 1024, workBottom});
    Quorlin program(sim);
    sim.run([&] { program.start(); });
    const auto start = std::chrono::steady_clock::now();
    sim.advance((walkMs + kFadeToReload) * static_cast<std::uint64_t>(cycles));
    const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return static_cast<double>(sim.now()) / 3.6e6 / real;
}

}  // namespace

int main() {
    const double shortArea = replaySpeed(150, 20000, 200);
    const double ordinary = replaySpeed(738, 216000, 100);
    std::printf("Simulated desktop: virtual time replayed per real second.\n\n");
    std::printf("| work area | one cycle (virtual s) | virtual hours per real second |\n|---|---:|---:|\n");
    std::printf("| 1024 x 150 | %.2f | %.1f |\n", (20000 + kFadeToReload) / 1000.0, shortArea);
    std::printf("| 1024 x 738 | %.2f | %.1f |\n", (216000 + kFadeToReload) / 1000.0, ordinary);

    SimSystem sim;
    sim.regPutDword(ql::kSettingsKey, ql::kOnTopValue, 0);
    sim.setWorkArea({0, 0, 1024, 150});
    Quorlin program(sim);
    sim.run([&] { program.start(); });
    openAndCloseMenu(sim, program);
    const Counts first = counts(sim);
    for (int cycle = 0; cycle < 5; ++cycle) {
        sim.advance(20000 + kFadeToReload);
        openAndCloseMenu(sim, program);
    }
    const Counts last = counts(sim);
    std::printf("\nThe program's own handles on the simulated desktop (a popup menu opened and closed each cycle).\n\n");
    std::printf("| when | windows | picture DCs | open registry keys |\n|---|---:|---:|---:|\n");
    std::printf("| start | %d | %d | %d |\n", first.windows, first.pictureDcs, first.openKeys);
    std::printf("| after five cycles | %d | %d | %d |\n", last.windows, last.pictureDcs, last.openKeys);
    return 0;
}
