// Timers, the message loop and blocking on the real system: the system's own
// timers (10 ms minimum, coalesced when overdue) and message queue.
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace ql {

void Win32System::startTimer(Hwnd window, int timerId, std::uint32_t intervalMs) {
    // A timer the system refuses would leave the character standing for good.
    checked(SetTimer(reinterpret_cast<HWND>(window), static_cast<UINT_PTR>(timerId), intervalMs, nullptr), "SetTimer");
}

void Win32System::stopTimer(Hwnd window, int timerId) {
    KillTimer(reinterpret_cast<HWND>(window), static_cast<UINT_PTR>(timerId));
}

void Win32System::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

int Win32System::runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void Win32System::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace ql
