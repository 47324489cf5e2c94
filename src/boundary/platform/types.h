// Handles, records and constants of the windowing system, declared by us with
// the values the system publishes, so program code never needs the system's
// own headers. The constants have names of their own (kGwlExStyle for
// GWL_EXSTYLE, ...): the system's header defines its names as macros, and
// ours must not clash with them in a file that includes both, in any order.
// platform/win32/records_check.cpp static_asserts that ours are the system's.
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

constexpr std::uint32_t kPlatformWin32s = 0;
constexpr std::uint32_t kPlatformWin32Windows = 1;
constexpr std::uint32_t kPlatformWin32Nt = 2;

// Window longs and styles.
constexpr int kGwlExStyle = -20;
constexpr int kGwlWndProc = -4;
constexpr std::int32_t kWsExTopmost = 0x00000008;
constexpr std::int32_t kWsExToolWindow = 0x00000080;
constexpr std::int32_t kWsExAppWindow = 0x00040000;
constexpr std::int32_t kWsExLayered = 0x00080000;

// Layered windows.
constexpr std::uint32_t kLwaColorKey = 1;
constexpr std::uint32_t kLwaAlpha = 2;

// System parameters.
constexpr std::uint32_t kSpiGetWorkArea = 48;

// Stacking.
inline Hwnd hwndTopmost() { return reinterpret_cast<Hwnd>(LongPtr{-1}); }
inline Hwnd hwndNotopmost() { return reinterpret_cast<Hwnd>(LongPtr{-2}); }
constexpr std::uint32_t kSwpNoSize = 0x0001;
constexpr std::uint32_t kSwpNoMove = 0x0002;
constexpr std::uint32_t kSwpNoZOrder = 0x0004;
constexpr std::uint32_t kSwpNoActivate = 0x0010;
constexpr std::uint32_t kSwpShowWindow = 0x0040;
constexpr std::uint32_t kSwpHideWindow = 0x0080;

// Message boxes.
constexpr std::uint32_t kMbOk = 0x00000000;
constexpr std::uint32_t kMbIconHand = 0x00000010;
constexpr std::uint32_t kMbIconExclamation = 0x00000030;
constexpr std::uint32_t kMbIconWarning = 0x00000030;
constexpr int kIdOk = 1;

// Registry.
inline Hkey hkeyCurrentUser() { return reinterpret_cast<Hkey>(LongPtr{static_cast<std::int32_t>(0x80000001u)}); }
constexpr std::int32_t kErrorSuccess = 0;
constexpr std::int32_t kErrorFileNotFound = 2;
constexpr std::int32_t kErrorAccessDenied = 5;
constexpr std::int32_t kErrorInvalidHandle = 6;
constexpr std::int32_t kErrorMoreData = 234;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegQword = 11;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;

// Messages.
constexpr std::uint32_t kWmNull = 0x0000;
constexpr std::uint32_t kWmQueryEndSession = 0x0011;
constexpr std::uint32_t kWmEndSession = 0x0016;
constexpr std::uint32_t kWmDrawItem = 0x002B;
constexpr std::uint32_t kWmMeasureItem = 0x002C;
constexpr std::uint32_t kWmCommand = 0x0111;

// Menus.
constexpr std::uint32_t kMfByCommand = 0x0000;
constexpr std::uint32_t kMfByPosition = 0x0400;
constexpr std::uint32_t kMfOwnerDraw = 0x0100;
constexpr std::uint32_t kMfUnchecked = 0x0000;
constexpr std::uint32_t kMfChecked = 0x0008;
constexpr std::uint32_t kOdtMenu = 1;
constexpr std::uint32_t kOdsSelected = 0x0001;
constexpr std::uint32_t kOdsChecked = 0x0008;
constexpr std::uint32_t kOdsNoAccel = 0x0100;

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
constexpr std::uint32_t kSrcCopy = 0x00CC0020;

// Show commands.
constexpr int kSwShowMaximized = 3;

// Mouse buttons as the form runtime reports them.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

}  // namespace ql
