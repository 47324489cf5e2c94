// Our declarations of the system's records and constants must be the
// system's own. Ours have names of their own, so the two live side by side.
#include <windows.h>

#include <cstddef>

#include "platform/types.h"

static_assert(ql::kGwlExStyle == GWL_EXSTYLE && ql::kGwlWndProc == GWLP_WNDPROC);
static_assert(ql::kWsExTopmost == WS_EX_TOPMOST && ql::kWsExToolWindow == WS_EX_TOOLWINDOW);
static_assert(ql::kWsExAppWindow == WS_EX_APPWINDOW && ql::kWsExLayered == WS_EX_LAYERED);
static_assert(ql::kLwaColorKey == LWA_COLORKEY && ql::kLwaAlpha == LWA_ALPHA);
static_assert(ql::kSpiGetWorkArea == SPI_GETWORKAREA);
static_assert(ql::kSwpNoSize == SWP_NOSIZE && ql::kSwpNoMove == SWP_NOMOVE && ql::kSwpNoZOrder == SWP_NOZORDER);
static_assert(ql::kSwpNoActivate == SWP_NOACTIVATE && ql::kSwpShowWindow == SWP_SHOWWINDOW &&
              ql::kSwpHideWindow == SWP_HIDEWINDOW);
static_assert(ql::kMbOk == MB_OK && ql::kMbIconHand == MB_ICONHAND && ql::kMbIconExclamation == MB_ICONEXCLAMATION &&
              ql::kMbIconWarning == MB_ICONWARNING && ql::kIdOk == IDOK);
static_assert(ql::kErrorSuccess == ERROR_SUCCESS && ql::kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              ql::kErrorAccessDenied == ERROR_ACCESS_DENIED && ql::kErrorInvalidHandle == ERROR_INVALID_HANDLE &&
              ql::kErrorMoreData == ERROR_MORE_DATA);
static_assert(ql::kRegSz == REG_SZ && ql::kRegBinary == REG_BINARY && ql::kRegDword == REG_DWORD &&
              ql::kRegQword == REG_QWORD);
static_assert(ql::kKeyRead == KEY_READ && ql::kKeyWrite == KEY_WRITE);
static_assert(ql::kWmNull == WM_NULL && ql::kWmQueryEndSession == WM_QUERYENDSESSION &&
              ql::kWmEndSession == WM_ENDSESSION && ql::kWmDrawItem == WM_DRAWITEM &&
              ql::kWmMeasureItem == WM_MEASUREITEM && ql::kWmCommand == WM_COMMAND);
static_assert(ql::kMfByCommand == MF_BYCOMMAND && ql::kMfByPosition == MF_BYPOSITION &&
              ql::kMfOwnerDraw == MF_OWNERDRAW && ql::kMfUnchecked == MF_UNCHECKED && ql::kMfChecked == MF_CHECKED);
static_assert(ql::kOdtMenu == ODT_MENU && ql::kOdsSelected == ODS_SELECTED && ql::kOdsChecked == ODS_CHECKED &&
              ql::kOdsNoAccel == ODS_NOACCEL);
static_assert(ql::kSrcCopy == SRCCOPY && ql::kSwShowMaximized == SW_SHOWMAXIMIZED);
static_assert(ql::kPlatformWin32s == VER_PLATFORM_WIN32s && ql::kPlatformWin32Windows == VER_PLATFORM_WIN32_WINDOWS &&
              ql::kPlatformWin32Nt == VER_PLATFORM_WIN32_NT);

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
