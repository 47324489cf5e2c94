// Simulated menus, window procedures and painting surfaces. Stands in for
// the system's menu manager: menus are lists of entries, a popup measures
// and draws its owner-drawn items through the owner's current window
// procedure exactly as the real one does, and a chosen item's command is
// posted to the owner once the menu has closed. Device contexts are plain
// pixel surfaces. There is no keyboard navigation and no menu bar drawing.
#include <algorithm>

#include "platform/image_codec.h"
#include "platform/sim/sim_system.h"

namespace ql {

namespace {

// Stands for the runtime's own window procedure in the procedure chain.
LongPtr QL_CALLBACK baseProcedure(Hwnd, std::uint32_t, UintPtr, LongPtr) { return 0; }

constexpr std::uint32_t kMenuGround = 0xF0F0F0;
constexpr int kCheckRoom = 18;  // what the menu adds to the width an item reports

}  // namespace

Hmenu SimSystem::buildMenu(const std::vector<MenuSpec>& items) {
    const Hmenu handle = reinterpret_cast<Hmenu>(nextMenu_);
    nextMenu_ += 4;
    std::vector<MenuEntry> entries;
    for (const MenuSpec& stored : items) {
        MenuEntry entry{stored.caption, stored.id, 0, 0, false, nullptr};
        if (!stored.items.empty()) entry.popup = buildMenu(stored.items);
        entries.push_back(entry);
    }
    menus_[handle] = std::move(entries);
    return handle;
}

SimSystem::MenuEntry* SimSystem::findMenuEntry(Hmenu menu, std::uint32_t commandId) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return nullptr;
    for (MenuEntry& entry : it->second) {
        if (entry.popup) {
            if (MenuEntry* inner = findMenuEntry(entry.popup, commandId)) return inner;
        } else if (entry.id == commandId) {
            return &entry;
        }
    }
    return nullptr;
}

const SimSystem::MenuEntry* SimSystem::findMenuEntry(Hmenu menu, std::uint32_t commandId) const {
    return const_cast<SimSystem*>(this)->findMenuEntry(menu, commandId);
}

WindowProc SimSystem::setWindowProc(Hwnd handle, WindowProc procedure) {
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w) return nullptr;
    const WindowProc previous = w->procedure ? w->procedure : &baseProcedure;
    w->procedure = procedure == &baseProcedure ? nullptr : procedure;
    if (tracing_)
        note("SetWindowLongPtrA " + w->stored.formName + " WNDPROC " + (w->procedure ? "replaced" : "restored"));
    return previous;
}

LongPtr SimSystem::callWindowProc(WindowProc procedure, Hwnd handle, std::uint32_t message, UintPtr wParam,
                                  LongPtr lParam) {
    if (procedure == &baseProcedure || procedure == nullptr) return baseWindowProc(handle, message, wParam, lParam);
    return procedure(handle, message, wParam, lParam);
}

LongPtr SimSystem::baseWindowProc(Hwnd handle, std::uint32_t message, UintPtr wParam, LongPtr lParam) {
    Window* w = windows_.count(handle) ? &windows_[handle] : nullptr;
    if (!w) return 0;
    switch (message) {
        case kWmMeasureItem:
            measuredAtPictureScale(*reinterpret_cast<MeasureItemRecord*>(lParam), scale_.pictureScale());
            return 0;
        case kWmCommand: w->events->onCommand(static_cast<std::uint32_t>(wParam & 0xFFFF)); return 0;
        case kWmQueryEndSession: return 1;
        case kWmEndSession:
            if (wParam) w->events->onSessionEnd();
            return 0;
        default: return 0;
    }
}

Hmenu SimSystem::getMenu(Hwnd handle) {
    const Window* w = findWindow(handle);
    return w ? w->menuBar : nullptr;
}

Hmenu SimSystem::getSubMenu(Hmenu menu, int position) {
    auto it = menus_.find(menu);
    if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) return nullptr;
    return it->second[static_cast<std::size_t>(position)].popup;
}

std::uint32_t SimSystem::getMenuItemID(Hmenu menu, int position) {
    auto it = menus_.find(menu);
    if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) return 0xFFFFFFFFu;
    const MenuEntry& entry = it->second[static_cast<std::size_t>(position)];
    return entry.popup ? 0xFFFFFFFFu : entry.id;
}

std::int32_t SimSystem::modifyMenu(Hmenu menu, std::uint32_t position, std::uint32_t flags, UintPtr newId,
                                   LongPtr newItem) {
    MenuEntry* entry = nullptr;
    if (flags & kMfByPosition) {
        auto it = menus_.find(menu);
        if (it != menus_.end() && position < it->second.size()) entry = &it->second[position];
    } else {
        entry = findMenuEntry(menu, position);
    }
    if (!entry) return 0;
    entry->id = static_cast<std::uint32_t>(newId);
    entry->flags = flags & kMfOwnerDraw;
    entry->checked = (flags & kMfChecked) != 0;
    if (flags & kMfOwnerDraw) {
        entry->itemData = static_cast<UintPtr>(newItem);
        entry->caption.clear();
    } else {
        entry->caption = newItem ? reinterpret_cast<const char*>(newItem) : "";
    }
    return 1;
}

void SimSystem::checkMenuItem(Hmenu menu, std::uint32_t commandId, bool checked) {
    if (MenuEntry* entry = findMenuEntry(menu, commandId)) entry->checked = checked;
}

bool SimSystem::menuItemChecked(Hwnd window, std::uint32_t commandId) const {
    const Window* w = findWindow(window);
    const MenuEntry* entry = w ? findMenuEntry(w->menuBar, commandId) : nullptr;
    return entry && entry->checked;
}

Hdc SimSystem::createSurface(int width, int height) {
    const Hdc handle = reinterpret_cast<Hdc>(nextSurface_);
    nextSurface_ += 4;
    surfaces_[handle] = {width, height, std::vector<std::uint32_t>(pixelCount(width, height))};
    return handle;
}

Hdc SimSystem::createPictureDc(const Image& picture) {
    const Hdc handle = createSurface(0, 0);
    Surface& surface = surfaces_[handle];
    surface.picture = &picture;
    fillPictureSurface(surface);
    return handle;
}

void SimSystem::fillPictureSurface(Surface& surface) {
    surface.percent = scale_.pictureScale();
    const Image& shown = pictures_.forScale(*surface.picture, surface.percent);
    surface.width = shown.width;
    surface.height = shown.height;
    surface.pixels.resize(shown.pixels.size());
    for (std::size_t i = 0; i < surface.pixels.size(); ++i) surface.pixels[i] = shown.pixels[i] & 0xFFFFFF;
}

void SimSystem::deletePictureDc(Hdc dc) { surfaces_.erase(dc); }

std::uint32_t SimSystem::surfacePixel(Hdc dc, int x, int y) const {
    const Surface& s = surfaces_.at(dc);
    return s.pixels.at(pixelIndex(x, y, s.width));
}

std::int32_t SimSystem::bitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX,
                               int sourceY, std::uint32_t rop) {
    auto to = surfaces_.find(target), from = surfaces_.find(source);
    if (to == surfaces_.end() || from == surfaces_.end() || rop != kSrcCopy) return 0;
    Surface& t = to->second;
    const Surface& f = from->second;
    if (f.picture) {
        // The program copies a picture by its 100 % size; the copy is of the set's.
        width = pictureLength(width, f.percent);
        height = pictureLength(height, f.percent);
    }
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < width; ++dx) {
            const int tx = x + dx, ty = y + dy, fx = sourceX + dx, fy = sourceY + dy;
            if (tx < 0 || ty < 0 || tx >= t.width || ty >= t.height) continue;
            if (fx < 0 || fy < 0 || fx >= f.width || fy >= f.height) continue;
            t.pixels[pixelIndex(tx, ty, t.width)] = f.pixels[pixelIndex(fx, fy, f.width)];
        }
    if (tracing_)
        note("BitBlt " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + "x" +
             std::to_string(height));
    return 1;
}

void SimSystem::trackPopupMenu(Hmenu popup, Hwnd owner) {
    auto it = menus_.find(popup);
    Window* host = windows_.count(owner) ? &windows_[owner] : nullptr;
    if (it == menus_.end() || !host) return;
    ++popupsOpened_;
    if (tracing_) note("TrackPopupMenu " + host->stored.formName);

    SimPopup menu(*this, owner);
    int top = 0;
    for (const MenuEntry& entry : it->second) {
        SimPopup::Item item;
        item.commandId = entry.id;
        item.itemData = entry.itemData;
        item.ownerDrawn = (entry.flags & kMfOwnerDraw) != 0;
        item.checked = entry.checked;
        item.caption = entry.caption;
        item.measured = {kOdtMenu, 0, entry.id, 0, 0, entry.itemData};
        if (item.ownerDrawn) {
            const Window& w = windows_.at(owner);
            callWindowProc(w.procedure ? w.procedure : &baseProcedure, owner, kWmMeasureItem, 0,
                           reinterpret_cast<LongPtr>(&item.measured));
        } else {
            item.measured.itemWidth = static_cast<std::uint32_t>(entry.caption.size() * 6);
            item.measured.itemHeight = 19;
        }
        menu.items_.push_back(item);
    }
    for (const SimPopup::Item& item : menu.items_)
        menu.width_ = std::max(menu.width_, static_cast<int>(item.measured.itemWidth) + scale_.toPhysical(kCheckRoom));
    for (SimPopup::Item& item : menu.items_) {
        item.rect = {0, top, menu.width_, top + static_cast<int>(item.measured.itemHeight)};
        top = item.rect.bottom;
    }
    menu.height_ = top;
    menu.surface_ = createSurface(menu.width_, menu.height_);
    std::fill(surfaces_[menu.surface_].pixels.begin(), surfaces_[menu.surface_].pixels.end(), kMenuGround);
    for (int i = 0; i < static_cast<int>(menu.items_.size()); ++i) menu.draw(i, false);

    if (popupResponder_) popupResponder_(menu);
    surfaces_.erase(menu.surface_);
    if (menu.chosen_ >= 0 && menu.chosen_ < static_cast<int>(menu.items_.size()))
        posted_.push_back({owner, kWmCommand, menu.items_[static_cast<std::size_t>(menu.chosen_)].commandId, 0});
}

void SimPopup::draw(int index, bool selected) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const Item& item = items_[static_cast<std::size_t>(index)];
    if (!item.ownerDrawn) return;
    const SimSystem::Window* w = system_.findWindow(owner_);
    if (!w) return;
    DrawItemRecord record{kOdtMenu, 0, item.commandId, 1,
                          (selected ? kOdsSelected : 0u) | (item.checked ? kOdsChecked : 0u),
                          nullptr, surface_, item.rect, item.itemData};
    system_.callWindowProc(w->procedure ? w->procedure : &baseProcedure, owner_, kWmDrawItem, 0,
                           reinterpret_cast<LongPtr>(&record));
}

void SimPopup::hover(int index) {
    if (hovered_ == index) return;
    draw(hovered_, false);
    hovered_ = index;
    draw(hovered_, true);
}

void SimPopup::redraw(int index) { draw(index, index == hovered_); }

std::uint32_t SimPopup::pixel(int x, int y) const {
    const SimSystem::Surface& s = system_.surfaces_.at(surface_);
    return s.pixels[pixelIndex(x, y, s.width)];
}

}  // namespace ql
