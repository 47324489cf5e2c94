#include "bench/process_stats.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <vector>

namespace bench {

namespace {

double seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double threadsCpu(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    double sum = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid) continue;
        HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        FILETIME created, exited, kernel, user;
        if (GetThreadTimes(thread, &created, &exited, &kernel, &user)) sum += seconds(kernel) + seconds(user);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return sum;
}

long handlesFromProcessList(DWORD pid) {
    using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query =
        reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    std::vector<BYTE> buffer(1 << 20);
    ULONG length = 0;
    if (query(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length) != 0) return -1;
    for (std::size_t offset = 0;;) {
        const auto* info = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(info->UniqueProcessId)) == pid)
            return static_cast<long>(info->HandleCount);
        if (!info->NextEntryOffset) return -1;
        offset += info->NextEntryOffset;
    }
}

struct WindowCount {
    DWORD pid;
    int count;
};

BOOL CALLBACK countWindow(HWND window, LPARAM lParam) {
    auto& c = *reinterpret_cast<WindowCount*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == c.pid) ++c.count;
    return TRUE;
}

}  // namespace

bool runningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

ProcessSample sampleProcess(HANDLE process, DWORD pid) {
    ProcessSample s;
    if (runningUnderWine()) {
        s.cpuSeconds = threadsCpu(pid);
        s.handles = handlesFromProcessList(pid);
    } else {
        FILETIME created, exited, kernel, user;
        if (GetProcessTimes(process, &created, &exited, &kernel, &user)) s.cpuSeconds = seconds(kernel) + seconds(user);
        DWORD handles = 0;
        if (GetProcessHandleCount(process, &handles)) s.handles = static_cast<long>(handles);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        s.workingSet = memory.WorkingSetSize;
        s.peakWorkingSet = memory.PeakWorkingSetSize;
    }
    SetLastError(0);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const bool reported = !(gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED);
    if (reported) {
        s.gdiObjects = static_cast<long>(gdi);
        s.userObjects = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    }
    WindowCount windows{pid, 0};
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&windows));
    s.topLevelWindows = windows.count;
    return s;
}

std::string cpuSource() {
    return runningUnderWine() ? "sum of GetThreadTimes over the process's threads (wine)" : "GetProcessTimes";
}

std::string handleSource() {
    return runningUnderWine() ? "HandleCount of NtQuerySystemInformation's process list (wine)"
                              : "GetProcessHandleCount";
}

}  // namespace bench
