// What another process costs, read from outside it through the Windows API:
// CPU time, working set, GDI and USER objects, kernel handles and top-level
// windows. Used by the bench and by the long soak under wine.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace bench {

struct ProcessSample {
    double cpuSeconds = 0;  // user + kernel
    std::size_t workingSet = 0, peakWorkingSet = 0;  // bytes
    long gdiObjects = -1, userObjects = -1;          // -1: the system does not report them
    long handles = -1;                               // -1: not known
    int topLevelWindows = 0;
};

bool runningUnderWine();

// Wine 8 reports neither the CPU time of another process (GetProcessTimes
// stays at its start value) nor its handle count (GetProcessHandleCount
// gives 0) nor GetGuiResources (not implemented). There the CPU time is the
// sum of the process's threads' times, which wine reads from the kernel's
// accounting, and the handle count comes from the system process list.
ProcessSample sampleProcess(HANDLE process, DWORD pid);

// How the figures were obtained on this system, for the table.
std::string cpuSource();
std::string handleSource();

}  // namespace bench
