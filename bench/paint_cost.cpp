// What the system charges a program for painting a small window, whatever the
// program itself does: a window of the character's size shows one of two
// pictures, changing five times a second, for a while, and the program prints
// its own CPU time per second. Run once with no repaint, once painting a
// colour-keyed layered window (as the character is), once a plain one.
//
//   paint_cost.exe SECONDS [WIDTH HEIGHT]   (101 x 125 unless given)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

int width = 101, height = 125;  // set once, from the command line
constexpr COLORREF kKey = RGB(0, 0, 255);

enum class Painting { None, Keyed, Plain };

struct Pictures {
    HDC dc = nullptr;
    HBITMAP bitmaps[2] = {};
    int shown = 0;
};

Pictures pictures;

double cpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        HGDIOBJ previous = SelectObject(pictures.dc, pictures.bitmaps[pictures.shown]);
        BitBlt(dc, 0, 0, width, height, pictures.dc, 0, 0, SRCCOPY);
        SelectObject(pictures.dc, previous);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Two pictures on the key colour, a figure a few pixels apart, so each change
// alters the window's shape as a walking frame does.
void makePictures() {
    HDC screen = GetDC(nullptr);
    pictures.dc = CreateCompatibleDC(screen);
    for (int i = 0; i < 2; ++i) {
        pictures.bitmaps[i] = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ previous = SelectObject(pictures.dc, pictures.bitmaps[i]);
        HBRUSH key = CreateSolidBrush(kKey), figure = CreateSolidBrush(RGB(30, 30, 50));
        const RECT all{0, 0, width, height};
        FillRect(pictures.dc, &all, key);
        HGDIOBJ brush = SelectObject(pictures.dc, figure);
        Ellipse(pictures.dc, 15 + 4 * i, 10, 85 + 4 * i, 115);
        SelectObject(pictures.dc, brush);
        DeleteObject(figure);
        DeleteObject(key);
        SelectObject(pictures.dc, previous);
    }
    ReleaseDC(nullptr, screen);
}

double measure(Painting painting, int seconds) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PaintCost";
    RegisterClassA(&wc);
    const DWORD exStyle = WS_EX_TOOLWINDOW | (painting == Painting::Plain ? 0 : WS_EX_LAYERED);
    HWND window = CreateWindowExA(exStyle, "PaintCost", "", WS_POPUP, 300, 300, width, height, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    if (exStyle & WS_EX_LAYERED) SetLayeredWindowAttributes(window, kKey, 255, LWA_COLORKEY);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, nullptr);
    MSG message;
    const double start = cpuSeconds();
    const DWORD began = GetTickCount();
    while (GetTickCount() - began < static_cast<DWORD>(seconds) * 1000 && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd && painting != Painting::None) {
            pictures.shown ^= 1;
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);  // as the character does: on screen at once
        }
        DispatchMessageA(&message);
    }
    const double used = cpuSeconds() - start;
    KillTimer(nullptr, timer);
    DestroyWindow(window);
    return 1000.0 * used / seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (argc > 3) {
        width = std::atoi(argv[2]);
        height = std::atoi(argv[3]);
    }
    makePictures();
    const double none = measure(Painting::None, seconds);
    const double keyed = measure(Painting::Keyed, seconds);
    const double plain = measure(Painting::Plain, seconds);
    std::printf("A %d x %d window with a 200-ms timer, %d s each (CPU per s of this program):\n\n", width, height,
                seconds);
    std::printf("| window | CPU per s (ms) | per tick (ms) |\n|---|---:|---:|\n");
    std::printf("| colour-keyed, never repainted | %.2f | %.2f |\n", none, none / 5);
    std::printf("| colour-keyed, picture changed every tick | %.2f | %.2f |\n", keyed, keyed / 5);
    std::printf("| plain, picture changed every tick | %.2f | %.2f |\n", plain, plain / 5);
    return 0;
}
