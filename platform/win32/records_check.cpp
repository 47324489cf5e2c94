// Our declarations of the system's records and constants must be the
// system's own. Ours are captured before the system header is read, because
// that header defines the same names as macros.
#include <cstddef>

#include "platform/types.h"

namespace {
constexpr int ourGwlExStyle = ql::GWL_EXSTYLE;
constexpr std::int32_t ourLayered = ql::WS_EX_LAYERED;
constexpr std::int32_t ourToolWindow = ql::WS_EX_TOOLWINDOW;
constexpr std::uint32_t ourColorKey = ql::LWA_COLORKEY;
constexpr std::uint32_t ourAlpha = ql::LWA_ALPHA;
constexpr std::uint32_t ourWorkArea = ql::SPI_GETWORKAREA;
constexpr std::uint32_t ourSwpFlags = ql::SWP_NOSIZE | ql::SWP_NOMOVE | ql::SWP_NOZORDER | ql::SWP_NOACTIVATE |
                                      ql::SWP_SHOWWINDOW | ql::SWP_HIDEWINDOW;
constexpr std::uint32_t ourBoxIcons = ql::MB_ICONHAND | (ql::MB_ICONEXCLAMATION << 8) | (ql::MB_ICONWARNING << 16);
constexpr std::uint32_t ourKeyRead = ql::KEY_READ;
constexpr std::uint32_t ourKeyWrite = ql::KEY_WRITE;
constexpr std::uint32_t ourDword = ql::REG_DWORD;
constexpr std::int32_t ourMoreData = ql::ERROR_MORE_DATA;
constexpr std::uint32_t ourMessages = ql::WM_DRAWITEM | (ql::WM_MEASUREITEM << 8) | (ql::WM_COMMAND << 16);
constexpr std::uint32_t ourMenuFlags = ql::MF_BYPOSITION | ql::MF_OWNERDRAW | ql::MF_CHECKED;
constexpr std::uint32_t ourItemStates = ql::ODS_SELECTED | ql::ODS_CHECKED | ql::ODS_NOACCEL;
constexpr std::uint32_t ourSrcCopy = ql::SRCCOPY;
constexpr int ourWndProc = ql::GWL_WNDPROC;
}  // namespace

#include <windows.h>

static_assert(ourGwlExStyle == GWL_EXSTYLE);
static_assert(ourLayered == WS_EX_LAYERED && ourToolWindow == WS_EX_TOOLWINDOW);
static_assert(ourColorKey == LWA_COLORKEY && ourAlpha == LWA_ALPHA);
static_assert(ourWorkArea == SPI_GETWORKAREA);
static_assert(ourSwpFlags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_HIDEWINDOW));
static_assert(ourBoxIcons == (MB_ICONHAND | (MB_ICONEXCLAMATION << 8) | (MB_ICONWARNING << 16)));
static_assert(ourKeyRead == KEY_READ && ourKeyWrite == KEY_WRITE && ourDword == REG_DWORD);
static_assert(ourMoreData == ERROR_MORE_DATA);
static_assert(ourMessages == (WM_DRAWITEM | (WM_MEASUREITEM << 8) | (WM_COMMAND << 16)));
static_assert(ourMenuFlags == (MF_BYPOSITION | MF_OWNERDRAW | MF_CHECKED));
static_assert(ourItemStates == (ODS_SELECTED | ODS_CHECKED | ODS_NOACCEL));
static_assert(ourSrcCopy == SRCCOPY && ourWndProc == GWLP_WNDPROC);

static_assert(sizeof(ql::MeasureItemRecord) == sizeof(MEASUREITEMSTRUCT));
static_assert(offsetof(ql::MeasureItemRecord, itemData) == offsetof(MEASUREITEMSTRUCT, itemData));
static_assert(sizeof(ql::DrawItemRecord) == sizeof(DRAWITEMSTRUCT));
static_assert(offsetof(ql::DrawItemRecord, hDC) == offsetof(DRAWITEMSTRUCT, hDC));
static_assert(offsetof(ql::DrawItemRecord, rcItem) == offsetof(DRAWITEMSTRUCT, rcItem));
static_assert(offsetof(ql::DrawItemRecord, itemData) == offsetof(DRAWITEMSTRUCT, itemData));

static_assert(sizeof(ql::OsVersionInfoA) == sizeof(OSVERSIONINFOA));
static_assert(offsetof(ql::OsVersionInfoA, dwPlatformId) == offsetof(OSVERSIONINFOA, dwPlatformId));
static_assert(sizeof(ql::Rect) == sizeof(RECT) && offsetof(ql::Rect, bottom) == offsetof(RECT, bottom));
static_assert(sizeof(ql::Hwnd) == sizeof(HWND) && sizeof(ql::LongPtr) == sizeof(LONG_PTR));
