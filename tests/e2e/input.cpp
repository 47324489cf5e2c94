#include "tests/e2e/input.h"

namespace e2e {

namespace {
void send(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = x;
    input.mi.dy = y;
    SendInput(1, &input, sizeof input);
}
}  // namespace

void movePointer(int x, int y) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + w - 1) / w, (y * 65536 + h - 1) / h);
    Sleep(30);
}

void pressButton(DWORD downFlag) {
    send(downFlag);
    Sleep(30);
}

void releaseButton(DWORD upFlag) {
    send(upFlag);
    Sleep(30);
}

void click(int x, int y, DWORD downFlag, DWORD upFlag) {
    movePointer(x, y);
    pressButton(downFlag);
    releaseButton(upFlag);
}

void pressKey(WORD virtualKey) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
    Sleep(30);
}

}  // namespace e2e
