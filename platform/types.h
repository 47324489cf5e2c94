// Handles, records and constants of the windowing system, declared by us with
// the values the system publishes, so program code never needs the system's
// own headers. platform/win32/ static_asserts that the records match.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define QL_CALLBACK __stdcall
#else
#define QL_CALLBACK
#endif

namespace ql {

using Hwnd = struct HwndOpaque*;
using Hmenu = struct HmenuOpaque*;
using Hdc = struct HdcOpaque*;
using Hkey = struct HkeyOpaque*;
using Handle = void*;
using LongPtr = std::intptr_t;
using UintPtr = std::uintptr_t;
using ColorRef = std::uint32_t;  // 0x00BBGGRR

using WindowProc = LongPtr(QL_CALLBACK*)(Hwnd, std::uint32_t, UintPtr, LongPtr);

constexpr ColorRef rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Point {
    std::int32_t x = 0, y = 0;
};

// The ANSI version record: five 32-bit fields and a 128-byte service-pack text.
struct OsVersionInfoA {
    std::uint32_t dwOSVersionInfoSize = 0;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};
static_assert(sizeof(OsVersionInfoA) == 148);

constexpr std::uint32_t VER_PLATFORM_WIN32s = 0;
constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

// Window longs and styles.
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_WNDPROC = -4;
constexpr std::int32_t WS_EX_TOPMOST = 0x00000008;
constexpr std::int32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr std::int32_t WS_EX_APPWINDOW = 0x00040000;
constexpr std::int32_t WS_EX_LAYERED = 0x00080000;

// Layered windows.
constexpr std::uint32_t LWA_COLORKEY = 1;
constexpr std::uint32_t LWA_ALPHA = 2;

// System parameters.
constexpr std::uint32_t SPI_GETWORKAREA = 48;

// Stacking.
inline Hwnd hwndTopmost() { return reinterpret_cast<Hwnd>(LongPtr{-1}); }
inline Hwnd hwndNotopmost() { return reinterpret_cast<Hwnd>(LongPtr{-2}); }
constexpr std::uint32_t SWP_NOSIZE = 0x0001;
constexpr std::uint32_t SWP_NOMOVE = 0x0002;
constexpr std::uint32_t SWP_NOZORDER = 0x0004;
constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;
constexpr std::uint32_t SWP_SHOWWINDOW = 0x0040;
constexpr std::uint32_t SWP_HIDEWINDOW = 0x0080;

// Message boxes.
constexpr std::uint32_t MB_OK = 0x00000000;
constexpr std::uint32_t MB_ICONHAND = 0x00000010;
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x00000030;
constexpr std::uint32_t MB_ICONWARNING = 0x00000030;
constexpr int IDOK = 1;

// Registry.
inline Hkey hkeyCurrentUser() { return reinterpret_cast<Hkey>(LongPtr{static_cast<std::int32_t>(0x80000001u)}); }
constexpr std::int32_t ERROR_SUCCESS = 0;
constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
constexpr std::int32_t ERROR_MORE_DATA = 234;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;
constexpr std::uint32_t REG_QWORD = 11;
constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::uint32_t KEY_WRITE = 0x20006;

// Messages.
constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_QUERYENDSESSION = 0x0011;
constexpr std::uint32_t WM_ENDSESSION = 0x0016;
constexpr std::uint32_t WM_DRAWITEM = 0x002B;
constexpr std::uint32_t WM_MEASUREITEM = 0x002C;
constexpr std::uint32_t WM_COMMAND = 0x0111;

// Menus.
constexpr std::uint32_t MF_BYCOMMAND = 0x0000;
constexpr std::uint32_t MF_BYPOSITION = 0x0400;
constexpr std::uint32_t MF_OWNERDRAW = 0x0100;
constexpr std::uint32_t MF_UNCHECKED = 0x0000;
constexpr std::uint32_t MF_CHECKED = 0x0008;
constexpr std::uint32_t ODT_MENU = 1;
constexpr std::uint32_t ODS_SELECTED = 0x0001;
constexpr std::uint32_t ODS_CHECKED = 0x0008;
constexpr std::uint32_t ODS_NOACCEL = 0x0100;

// The owner-drawn item records, laid out as the system publishes them.
struct MeasureItemRecord {
    std::uint32_t CtlType;
    std::uint32_t CtlID;
    std::uint32_t itemID;
    std::uint32_t itemWidth;
    std::uint32_t itemHeight;
    UintPtr itemData;
};

struct DrawItemRecord {
    std::uint32_t CtlType;
    std::uint32_t CtlID;
    std::uint32_t itemID;
    std::uint32_t itemAction;
    std::uint32_t itemState;
    Hwnd hwndItem;
    Hdc hDC;
    Rect rcItem;
    UintPtr itemData;
};

// Raster operations.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;

// Show commands.
constexpr int SW_SHOWMAXIMIZED = 3;

// Mouse buttons as the form runtime reports them.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

}  // namespace ql
