// Starting quorlin.exe and finding what it shows, from outside the process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes; true when it held.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// A job whose processes are killed when its handle closes; the test program
// ending, however it ends, closes it, so nothing a test started outlives it to
// disturb the next one.
HANDLE newKillOnCloseJob();
// The one such job of this test program, for the copies of quorlin.exe it starts.
HANDLE endsWithThisProgram();

class QuorlinProcess {
public:
    explicit QuorlinProcess(const std::string& exe = QL_E2E_EXE);
    ~QuorlinProcess();  // terminates the process if it still runs
    QuorlinProcess(const QuorlinProcess&) = delete;
    QuorlinProcess& operator=(const QuorlinProcess&) = delete;

    DWORD pid() const { return info_.dwProcessId; }
    bool exited(std::chrono::milliseconds within);
    DWORD exitCode() const;  // STILL_ACTIVE while it runs
    // Every top-level window of this process, hidden ones too.
    std::vector<HWND> windows() const;
    // The first top-level window of this process with the class and title.
    HWND findWindow(const char* className, const char* title) const;
    HWND character() const { return findWindow("QuorlinForm", "Quorlin"); }
    // The character window once start-up has shown it and keyed its blue
    // out (not merely made it layered), or null after `timeout`.
    HWND keyedCharacter(std::chrono::milliseconds timeout = 10s) const;
    HWND messageBox() const { return findWindow("#32770", "Quorlin"); }

private:
    PROCESS_INFORMATION info_{};
};

// The per-user setting, as the installer leaves it.
inline constexpr const char* kSettingsKey = "Software\\Kestrane's Software\\Quorlin\\1.0";
void installSetting(DWORD ontop);
void removeSettingsKey();
// A REG_DWORD value below HKEY_CURRENT_USER, none when it is missing or of another type.
std::optional<DWORD> readDword(const char* path, const char* name);

// Whether `window` is the 101 x 125 character window at the start place (-50, -20).
::testing::AssertionResult atStartPlace(HWND window);

std::string windowText(HWND window);
std::string dialogItemText(HWND dialog, int id);

}  // namespace e2e
