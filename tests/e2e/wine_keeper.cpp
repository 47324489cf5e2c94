// Does nothing, for as long as it runs: keeps wine's session processes alive
// between test programs. It asks for the desktop window once, so that wine's
// desktop process starts here and not inside a test, whose output pipe it
// would inherit and hold open; then it creates the file named on its command
// line, so the script that started it knows the session is up.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    GetDesktopWindow();
    if (*commandLine) {
        HANDLE ready = CreateFileA(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    }
    Sleep(INFINITE);
    return 0;
}
