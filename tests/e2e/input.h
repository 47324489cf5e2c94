// Real mouse and keyboard input, as a user gives it.
#pragma once

#include <windows.h>

namespace e2e {

void movePointer(int x, int y);
void pressButton(DWORD downFlag);    // MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, ...
void releaseButton(DWORD upFlag);    // MOUSEEVENTF_LEFTUP, ...
void click(int x, int y, DWORD downFlag, DWORD upFlag);
void pressKey(WORD virtualKey);
// The popup menu window on screen, if one is open.
HWND openMenu();

}  // namespace e2e
