// The baseline for the CPU figures: a Windows program that does nothing but
// run one timer through its message loop until it is ended. The interval in
// milliseconds is the command line, 1000 without one.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const int interval = std::atoi(commandLine);
    SetTimer(nullptr, 0, interval > 0 ? static_cast<UINT>(interval) : 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
