// Real mouse and keyboard input, as a user gives it.
#pragma once

#include <windows.h>

namespace e2e {

void movePointer(int x, int y);
void pressButton(DWORD downFlag);    // MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, ...
void releaseButton(DWORD upFlag);    // MOUSEEVENTF_LEFTUP, ...
void click(int x, int y, DWORD downFlag, DWORD upFlag);
void pressKey(WORD virtualKey);
inline void leftClick(POINT p) { click(p.x, p.y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

}  // namespace e2e
