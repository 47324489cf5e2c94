// Menus, window procedures and picture holders on the real system. The
// popup is tracked with the owner made foreground first and a null message
// posted after, which is what lets a click elsewhere close a menu whose owner
// is a hidden window.
#include "platform/image_codec.h"
#include "platform/window_property.h"
#include "platform/win32/dib.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/menu_bar.h"
#include "platform/win32/win32_system.h"

#include <cstring>

namespace ql {

namespace {
HWND raw(Hwnd window) { return reinterpret_cast<HWND>(window); }
HMENU raw(Hmenu menu) { return reinterpret_cast<HMENU>(menu); }
}  // namespace

HMENU createMenuBar(const std::vector<MenuSpec>& items) {
    HMENU bar = CreateMenu();
    for (const MenuSpec& stored : items) {
        if (stored.items.empty()) {
            AppendMenuA(bar, MF_STRING, stored.id, stored.caption.c_str());
            continue;
        }
        HMENU popup = CreatePopupMenu();
        for (const MenuSpec& item : stored.items) AppendMenuA(popup, MF_STRING, item.id, item.caption.c_str());
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), stored.caption.c_str());
    }
    return bar;
}

WindowProc Win32System::setWindowProc(Hwnd window, WindowProc procedure) {
    return reinterpret_cast<WindowProc>(
        SetWindowLongPtrA(raw(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LongPtr Win32System::callWindowProc(WindowProc procedure, Hwnd window, std::uint32_t message, UintPtr wParam,
                                    LongPtr lParam) {
    return CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), raw(window), message, wParam, lParam);
}

void setWindowProperty(Hwnd window, const char* name, void* value) {
    if (!SetPropA(raw(window), name, value)) raiseSystemError("SetPropA");
}

void* windowProperty(Hwnd window, const char* name) { return GetPropA(raw(window), name); }

void removeWindowProperty(Hwnd window, const char* name) { RemovePropA(raw(window), name); }

Hmenu Win32System::getMenu(Hwnd window) { return reinterpret_cast<Hmenu>(GetMenu(raw(window))); }

Hmenu Win32System::getSubMenu(Hmenu menu, int position) {
    return reinterpret_cast<Hmenu>(GetSubMenu(raw(menu), position));
}

std::uint32_t Win32System::getMenuItemID(Hmenu menu, int position) { return GetMenuItemID(raw(menu), position); }

std::int32_t Win32System::modifyMenu(Hmenu menu, std::uint32_t position, std::uint32_t flags, UintPtr newId,
                                     LongPtr newItem) {
    return ModifyMenuA(raw(menu), position, flags, newId, reinterpret_cast<LPCSTR>(newItem));
}

std::int32_t Win32System::bitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX,
                                 int sourceY, std::uint32_t rop) {
    // The program copies a picture by its 100 % size; the copy is of the set's.
    if (auto it = pictureDcs_.find(source); it != pictureDcs_.end()) {
        width = pictureLength(width, it->second.percent);
        height = pictureLength(height, it->second.percent);
    }
    return BitBlt(reinterpret_cast<HDC>(target), x, y, width, height, reinterpret_cast<HDC>(source), sourceX,
                  sourceY, rop);
}

void Win32System::checkMenuItem(Hmenu menu, std::uint32_t commandId, bool checked) {
    CheckMenuItem(raw(menu), commandId, static_cast<UINT>(MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)));
}

void Win32System::trackPopupMenu(Hmenu popup, Hwnd owner) {
    POINT pointer{};
    GetCursorPos(&pointer);
    // The menu is drawn at the scale of the monitor it opens on.
    menuScale_ = scaleAt(pointer);
    for (auto& [dc, held] : pictureDcs_)
        if (held.percent != menuScale_.pictureScale()) fillPictureDc(dc, held);
    SetForegroundWindow(raw(owner));
    TrackPopupMenu(raw(popup), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, raw(owner),
                   nullptr);
    PostMessageA(raw(owner), WM_NULL, 0, 0);
}

Hdc Win32System::createPictureDc(const Image& picture) {
    MemoryDc dc(checked(CreateCompatibleDC(nullptr), "CreateCompatibleDC"));
    const Hdc handle = reinterpret_cast<Hdc>(dc.get());
    PictureDc held{nullptr, nullptr, &picture, 0};
    fillPictureDc(handle, held);
    // Held from here on by the map, until deletePictureDc.
    pictureDcs_[handle] = held;
    dc.release();
    return handle;
}

// Selects into `dc` a bitmap of the picture from the menu's set, in place of
// the one it held.
void Win32System::fillPictureDc(Hdc dc, PictureDc& held) {
    const int percent = menuScale_.pictureScale();
    const Image& picture = pictures_.forScale(*held.picture, percent);
    const HDC raw = reinterpret_cast<HDC>(dc);
    const BITMAPINFO info = topDownBitmapInfo(picture.width, picture.height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(checked(CreateDIBSection(raw, &info, DIB_RGB_COLORS, &bits, nullptr, 0), "CreateDIBSection"));
    std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
    const HGDIOBJ replaced = SelectObject(raw, bitmap.get());
    if (held.bitmap) {
        DeleteObject(replaced);
    } else {
        held.previous = replaced;
    }
    held.bitmap = bitmap.release();
    held.percent = percent;
}

void Win32System::deletePictureDc(Hdc dc) {
    auto it = pictureDcs_.find(dc);
    if (it == pictureDcs_.end()) return;
    SelectObject(reinterpret_cast<HDC>(dc), static_cast<HGDIOBJ>(it->second.previous));
    DeleteObject(static_cast<HGDIOBJ>(it->second.bitmap));
    DeleteDC(reinterpret_cast<HDC>(dc));
    pictureDcs_.erase(it);
}

}  // namespace ql
