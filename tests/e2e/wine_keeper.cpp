// Does nothing, for as long as it runs: keeps wine's session processes alive
// between test programs.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Wine starts its desktop process for the first program that asks for the
    // desktop; started here it outlives every test and holds none of their pipes.
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
