// Starts quorlin.exe and the minimal timer program side by side (once with its
// 1-second timer, once with a 200-ms one) and prints what each costs: CPU
// time in every engine state, summed over the cycles, and working set and
// handle counts at the start and after each cycle. The
// states are told from outside by the character window: the walk ends when
// the window reaches its arrival line, the messenger runs from 60 s after
// arrival until the 2-s pose is over, the fade from the first partial opacity
// to opacity 1, and the reload brings the window back to the start place.
// The window is looked at sparingly, so that watching costs the program little.
//
//   process_bench.exe QUORLIN_EXE MINIMAL_TIMER_EXE [CYCLES]
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/process_stats.h"

namespace {

constexpr const char* kSettingsKey = "Software\\Kestrane's Software\\Quorlin\\1.0";

class Process {
public:
    explicit Process(const std::string& exe, const std::string& arguments = "") {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exe + "\" " + arguments;
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info_)) {
            std::fprintf(stderr, "cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
            std::exit(2);
        }
    }
    ~Process() {
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bench::ProcessSample sample() const { return bench::sampleProcess(info_.hProcess, info_.dwProcessId); }
    DWORD pid() const { return info_.dwProcessId; }
    bool alive() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

private:
    PROCESS_INFORMATION info_{};
};

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK findCharacter(HWND window, LPARAM lParam) {
    auto& s = *reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[32] = {}, title[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, title, sizeof title);
    if (owner == s.pid && lstrcmpA(cls, "QuorlinForm") == 0 && lstrcmpA(title, "Quorlin") == 0) {
        s.found = window;
        return FALSE;
    }
    return TRUE;
}

// As the installer leaves it, unless a value is there already.
void installSettingIfMissing() {
    HKEY key = nullptr;
    DWORD value = 0, size = sizeof value;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        const bool present = RegQueryValueExA(key, "ontop", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (present) return;
    }
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, "ontop", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

RECT rectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The opacity the window is drawn at, 255 without the alpha flag. Under wine
// this query costs the window's process CPU time (much more than asking for
// its rectangle), so the bench asks only around the fade.
BYTE opacity(HWND window) {
    BYTE alpha = 255;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    return (flags & LWA_ALPHA) ? alpha : 255;
}

enum Phase { kWalking, kFirstDrinking, kMessenger, kClosingDrinking, kFading, kWaiting, kPhases };
constexpr std::array<const char*, kPhases> kPhaseNames = {"walking",          "first drinking", "messenger (15 s loop, 2 s pose)",
                                                         "closing drinking", "fading",         "waiting for reload"};

struct Totals {
    double seconds = 0, quorlinCpu = 0, minimalCpu = 0, fastTimerCpu = 0;
};

double mb(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

std::string count(long n) { return n < 0 ? std::string("n/a") : std::to_string(n); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: process_bench QUORLIN_EXE MINIMAL_TIMER_EXE [CYCLES]\n");
        return 2;
    }
    const int cycles = argc > 3 ? std::atoi(argv[3]) : 5;
    installSettingIfMissing();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

    Process minimal(argv[2]);
    // Five ticks a second, about the cycle's own mean rate: what the ticks
    // alone cost, whatever is done in them.
    Process fastTimer(argv[2], "200");
    Process quorlin(argv[1]);
    HWND character = nullptr;
    for (int i = 0; i < 1000 && !character; ++i) {
        Search s{quorlin.pid(), nullptr};
        EnumWindows(findCharacter, reinterpret_cast<LPARAM>(&s));
        if (s.found && (GetWindowLongA(s.found, GWL_EXSTYLE) & WS_EX_LAYERED)) character = s.found;
        else Sleep(20);
    }
    if (!character) {
        std::fprintf(stderr, "the character window did not appear\n");
        return 1;
    }

    std::array<Totals, kPhases> totals{};
    std::vector<std::pair<std::string, std::pair<bench::ProcessSample, bench::ProcessSample>>> points;
    points.push_back({"start", {quorlin.sample(), minimal.sample()}});

    DWORD mark = GetTickCount();
    bench::ProcessSample q = points.back().second.first, m = points.back().second.second, f = fastTimer.sample();
    auto endPhase = [&](Phase phase) {
        const DWORD now = GetTickCount();
        const bench::ProcessSample q2 = quorlin.sample(), m2 = minimal.sample(), f2 = fastTimer.sample();
        totals[phase].seconds += (now - mark) / 1000.0;
        totals[phase].quorlinCpu += q2.cpuSeconds - q.cpuSeconds;
        totals[phase].minimalCpu += m2.cpuSeconds - m.cpuSeconds;
        totals[phase].fastTimerCpu += f2.cpuSeconds - f.cpuSeconds;
        mark = now;
        q = q2;
        m = m2;
        f = f2;
    };
    // Polls until `done` holds; false when `limitMs` passed first.
    auto until = [&](DWORD limitMs, DWORD everyMs, const std::function<bool()>& done) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < limitMs) {
            if (!quorlin.alive()) return false;
            if (done()) return true;
            Sleep(everyMs);
        }
        return false;
    };
    auto fail = [&](const char* what, int cycle) {
        std::fprintf(stderr, "cycle %d: %s did not come in time\n", cycle, what);
        return 1;
    };

    const int width = 101;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        std::fprintf(stderr, "cycle %d of %d...\n", cycle, cycles);
        if (!until(900000, 100, [&] {
                const RECT r = rectOf(character);
                return r.top >= work.bottom - 110 || r.left >= work.right - width;
            }))
            return fail("the arrival", cycle);
        const DWORD arrival = GetTickCount();
        endPhase(kWalking);
        auto sleepUntil = [&](DWORD sinceArrival) {
            const DWORD elapsed = GetTickCount() - arrival;
            if (elapsed < sinceArrival) Sleep(sinceArrival - elapsed);
        };
        sleepUntil(60000);
        endPhase(kFirstDrinking);
        sleepUntil(77000);
        endPhase(kMessenger);
        sleepUntil(106500);  // the fade is due 107 s after arrival
        if (!until(60000, 10, [&] { return opacity(character) < 255; })) return fail("the fade", cycle);
        endPhase(kClosingDrinking);
        if (!until(60000, 100, [&] { return opacity(character) <= 1; })) return fail("the end of the fade", cycle);
        endPhase(kFading);
        if (!until(60000, 100, [&] {
                const RECT r = rectOf(character);
                return r.left == -50 && r.top == -20 && opacity(character) == 255;
            }))
            return fail("the reload", cycle);
        endPhase(kWaiting);
        points.push_back({"after cycle " + std::to_string(cycle), {quorlin.sample(), minimal.sample()}});
    }

    std::printf("CPU time (user + kernel) by engine state, summed over %d cycles; %s.\n\n", cycles,
                bench::cpuSource().c_str());
    std::printf("| state | time (s) | quorlin.exe CPU (s) | minimal timer CPU (s) | 200-ms timer CPU (s) |"
                " quorlin.exe CPU per s (ms) | ratio to the minimal timer |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    Totals cycle;
    auto row = [](const char* name, const Totals& t) {
        char ratio[32] = "-";  // the minimal timer may use less than the clock's resolution
        if (t.minimalCpu > 0) std::snprintf(ratio, sizeof ratio, "%.1fx", t.quorlinCpu / t.minimalCpu);
        std::printf("| %s | %.1f | %.2f | %.2f | %.2f | %.1f | %s |\n", name, t.seconds, t.quorlinCpu, t.minimalCpu,
                    t.fastTimerCpu, 1000.0 * t.quorlinCpu / t.seconds, ratio);
    };
    for (int p = 0; p < kPhases; ++p) {
        row(kPhaseNames[static_cast<std::size_t>(p)], totals[static_cast<std::size_t>(p)]);
        cycle.seconds += totals[static_cast<std::size_t>(p)].seconds;
        cycle.quorlinCpu += totals[static_cast<std::size_t>(p)].quorlinCpu;
        cycle.minimalCpu += totals[static_cast<std::size_t>(p)].minimalCpu;
        cycle.fastTimerCpu += totals[static_cast<std::size_t>(p)].fastTimerCpu;
    }
    row("**whole cycles**", cycle);

    const bench::ProcessSample& first = points.front().second.first;
    std::printf("\nMemory and handles of quorlin.exe (minimal timer's working set for comparison); handles: %s;"
                " GDI/USER objects: %s.\n\n",
                bench::handleSource().c_str(),
                first.gdiObjects < 0 ? "GetGuiResources is not implemented here (n/a)" : "GetGuiResources");
    std::printf("| when | working set (MB) | peak working set (MB) | GDI objects | USER objects | handles |"
                " top-level windows | minimal timer working set (MB) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const auto& [when, samples] : points) {
        const bench::ProcessSample& s = samples.first;
        std::printf("| %s | %.2f | %.2f | %s | %s | %s | %d | %.2f |\n", when.c_str(), mb(s.workingSet),
                    mb(s.peakWorkingSet), count(s.gdiObjects).c_str(), count(s.userObjects).c_str(),
                    count(s.handles).c_str(), s.topLevelWindows, mb(samples.second.workingSet));
    }

    // The budgets, from the figures above.
    const double ratio = cycle.minimalCpu > 0 ? cycle.quorlinCpu / cycle.minimalCpu : 0;
    std::printf("\nBudget: CPU over whole cycles within 1.5x the minimal timer's: %.2f s vs %.2f s = %.1fx: %s\n",
                cycle.quorlinCpu, cycle.minimalCpu, ratio, ratio <= 1.5 ? "met" : "NOT met");
    if (cycle.minimalCpu > 0)
        std::printf("For scale: a program that only runs a 200-ms timer costs %.1fx the minimal timer's.\n",
                    cycle.fastTimerCpu / cycle.minimalCpu);
    if (points.size() > 2) {
        const bench::ProcessSample& warm = points[1].second.first;
        const bench::ProcessSample& last = points.back().second.first;
        const long growthKb = (static_cast<long>(last.workingSet) - static_cast<long>(warm.workingSet)) / 1024;
        const bool flat = growthKb <= 256 && last.handles == warm.handles && last.gdiObjects == warm.gdiObjects &&
                          last.userObjects == warm.userObjects && last.topLevelWindows == warm.topLevelWindows;
        std::printf("Budget: working set and handles flat after the first cycle: working set %+ld KB, handles %s -> %s,"
                    " GDI %s -> %s, USER %s -> %s: %s\n",
                    growthKb, count(warm.handles).c_str(), count(last.handles).c_str(), count(warm.gdiObjects).c_str(),
                    count(last.gdiObjects).c_str(), count(warm.userObjects).c_str(), count(last.userObjects).c_str(),
                    flat ? "met" : "NOT met");
    }
    return 0;
}
