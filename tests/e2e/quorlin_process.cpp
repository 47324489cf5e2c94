#include "tests/e2e/quorlin_process.h"

#include <thread>

namespace e2e {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        // The test's own windows (a backdrop) stay painted while it waits.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

HANDLE newKillOnCloseJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

HANDLE endsWithThisProgram() {
    static const HANDLE job = newKillOnCloseJob();
    return job;
}

QuorlinProcess::QuorlinProcess(const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info_)) {
        ADD_FAILURE() << "cannot start " << exe << " (error " << GetLastError() << ")";
        info_ = {};
        return;
    }
    AssignProcessToJobObject(endsWithThisProgram(), info_.hProcess);
    ResumeThread(info_.hThread);
}

QuorlinProcess::~QuorlinProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 9);
        if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
            ADD_FAILURE() << "quorlin.exe (process " << info_.dwProcessId << ") still runs 5 s after being terminated";
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool QuorlinProcess::exited(std::chrono::milliseconds within) {
    return info_.hProcess &&
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(within.count())) == WAIT_OBJECT_0;
}

DWORD QuorlinProcess::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {
struct Collect {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM lParam) {
    auto& c = *reinterpret_cast<Collect*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == c.pid) c.found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> QuorlinProcess::windows() const {
    Collect c{info_.dwProcessId, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

HWND QuorlinProcess::findWindow(const char* className, const char* title) const {
    for (HWND window : windows()) {
        char cls[64] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (lstrcmpA(cls, className) == 0 && windowText(window) == title) return window;
    }
    return nullptr;
}

HWND QuorlinProcess::keyedCharacter(std::chrono::milliseconds timeout) const {
    HWND window = nullptr;
    const bool keyed = waitUntil(
        [&] {
            window = character();
            DWORD flags = 0;
            return window && IsWindowVisible(window) &&
                   GetLayeredWindowAttributes(window, nullptr, nullptr, &flags) && (flags & LWA_COLORKEY);
        },
        timeout);
    return keyed ? window : nullptr;
}

::testing::AssertionResult atStartPlace(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    if (r.left == -50 && r.top == -20 && r.right - r.left == 101 && r.bottom - r.top == 125)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "window at (" << r.left << ", " << r.top << "), "
                                         << r.right - r.left << " x " << r.bottom - r.top;
}

void installSetting(DWORD ontop) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, "ontop", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&ontop), sizeof ontop);
    RegCloseKey(key);
}

std::optional<DWORD> readDword(const char* path, const char* name) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void removeSettingsKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

std::string windowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string dialogItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

}  // namespace e2e
