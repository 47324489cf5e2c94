#include "menu/menu_host.h"

#include <cstring>

#include "app/quorlin.h"
#include "menu/settings_store.h"
#include "platform/window_property.h"

namespace ql {

namespace {

// A window procedure is a plain function: it finds its program through the
// menu host window, which holds it under this name while hooked.
constexpr const char* kProgramProperty = "Quorlin.Program";

enum ItemData : UintPtr { kAboutItem = 0, kOnTopItem = 1, kEndItem = 2 };

void draw(Quorlin& program, PictureBox* picture, const DrawItemRecord& record) {
    if (!picture) return;
    program.system().bitBlt(record.hDC, record.rcItem.left, record.rcItem.top, picture->ScaleWidth(),
                            picture->ScaleHeight(), picture->hDC(), 0, 0, kSrcCopy);
}

void measureItem(Quorlin& program, LongPtr lParam) {
    Form2& host = program.form2;
    MeasureItemRecord& copy = host.MeasureItemCopy;
    std::memmove(&copy, reinterpret_cast<const void*>(lParam), sizeof copy);
    PictureBox* picture = nullptr;
    switch (copy.itemData) {
        case kAboutItem: picture = &host.pic; break;
        case kOnTopItem: picture = &host.pic2; break;  // all four Keep-on-top pictures share one size
        case kEndItem: picture = &host.Pic3; break;
        default: break;
    }
    if (picture) {
        copy.itemHeight = static_cast<std::uint32_t>(picture->ScaleHeight() - 1);
        copy.itemWidth = static_cast<std::uint32_t>(picture->ScaleWidth() - 18);
    }
    std::memmove(reinterpret_cast<void*>(lParam), &copy, sizeof copy);
}

void drawItem(Quorlin& program, LongPtr lParam) {
    Form2& host = program.form2;
    DrawItemRecord& copy = host.DrawItemCopy;
    std::memmove(&copy, reinterpret_cast<const void*>(lParam), sizeof copy);
    std::int32_t& setting = program.values.OnTopSetting;
    PictureBox* normal = nullptr;
    PictureBox* selected = nullptr;
    switch (copy.itemData) {
        case kAboutItem:
            normal = &host.pic;
            selected = &host.picover1;
            break;
        case kOnTopItem:
            ReadOnTop(program.runtime, setting);
            if (setting == 1) {
                normal = &host.pictop1;
                selected = &host.pictop2;
            } else if (setting == 0) {
                normal = &host.pic2;
                selected = &host.picover2;
            }
            break;
        case kEndItem:
            normal = &host.Pic3;
            selected = &host.picover3;
            break;
        default: break;
    }
    draw(program, normal, copy);
    if (copy.itemState & kOdsSelected) draw(program, selected, copy);
}

}  // namespace

void HookMenuHost(Quorlin& program) {
    Form2& host = program.form2;
    setWindowProperty(host.hWnd(), kProgramProperty, &program);
    host.PreviousWindowProc = program.system().setWindowProc(host.hWnd(), &MenuHostWindowProc);
}

void UnhookMenuHost(Quorlin& program) {
    Form2& host = program.form2;
    program.system().setWindowProc(host.hWnd(), host.PreviousWindowProc);
    removeWindowProperty(host.hWnd(), kProgramProperty);
}

void MakeMenuOwnerDrawn(System& system, Hwnd host) {
    const Hmenu base = system.getSubMenu(system.getMenu(host), 0);
    for (std::uint32_t position = 0; position < 3; ++position) {
        const std::uint32_t id = system.getMenuItemID(base, static_cast<int>(position));
        system.modifyMenu(base, position, kMfByPosition | kMfOwnerDraw, id, static_cast<LongPtr>(position));
    }
}

LongPtr QL_CALLBACK MenuHostWindowProc(Hwnd window, std::uint32_t message, UintPtr wParam, LongPtr lParam) {
    // The handle serves only to find the program; the calls below use the host's own.
    Quorlin& program = *static_cast<Quorlin*>(windowProperty(window, kProgramProperty));
    // Painting runs nested in the popup call; an error must not unwind
    // through the system's menu loop, so it goes to the runtime here.
    if (message == kWmMeasureItem) program.runtime.dispatch([&] { measureItem(program, lParam); });
    if (message == kWmDrawItem) program.runtime.dispatch([&] { drawItem(program, lParam); });
    Form2& host = program.form2;
    return program.system().callWindowProc(host.PreviousWindowProc, host.hWnd(), message, wParam, lParam);
}

}  // namespace ql
