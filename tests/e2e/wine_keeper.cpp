// Does nothing, for as long as it runs: keeps wine's session processes alive
// between test programs.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(INFINITE);
    return 0;
}
