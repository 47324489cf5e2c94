// Does nothing, for as long as it runs: keeps wine's session processes alive
// between test programs. It asks for the desktop window once, so that wine's
// desktop process starts here and not inside a test, whose output pipe it
// would inherit and hold open.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
