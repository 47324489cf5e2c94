// The simulated desktop. It stands in for the real windowing system, registry
// and clock: windows are records with a position, extended style, layered
// attributes and a z-order band, composited over a plain desktop into screen
// pixels; the registry is an in-memory per-user tree returning the real
// result codes; time is virtual and moves only when a test advances it. It
// leaves out everything the program does not use: no window manager, no
// non-client areas, no keyboard, one screen.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/display_scale.h"
#include "platform/picture_sets.h"
#include "platform/system.h"
#include "platform/window_controls.h"

namespace ql {

struct SimMessageBox {
    std::string text;
    std::string title;
    std::uint32_t type = 0;
    std::uint64_t atMs = 0;
};

struct SimRegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class SimSystem;

// An open popup menu as a test sees it: each item is measured and drawn
// through the owner's current window procedure, into the menu's pixels.
class SimPopup {
public:
    struct Item {
        std::uint32_t commandId = 0;
        UintPtr itemData = 0;
        bool ownerDrawn = false;
        bool checked = false;
        std::string caption;
        MeasureItemRecord measured{};  // what the owner reported
        Rect rect;                     // where the item lies in the menu
    };

    const std::vector<Item>& items() const { return items_; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t pixel(int x, int y) const;  // 0x00RRGGBB
    // The pointer moves onto item `index` (-1: off every item): the item left
    // is drawn normal, the item entered selected.
    void hover(int index);
    // Draws item `index` again in its current state.
    void redraw(int index);
    // Chooses item `index`; the menu closes and the owner gets its command.
    void choose(int index) { chosen_ = index; }

private:
    friend class SimSystem;
    SimPopup(SimSystem& system, Hwnd owner) : system_(system), owner_(owner) {}
    void draw(int index, bool selected);

    SimSystem& system_;
    Hwnd owner_;
    std::vector<Item> items_;
    Hdc surface_ = nullptr;
    int width_ = 0, height_ = 0;
    int hovered_ = -1;
    int chosen_ = -1;
};

class SimSystem final : public System {
public:
    SimSystem();
    ~SimSystem() override;

    // --- Test controls -------------------------------------------------
    // Desktop.
    void setScreenSize(int width, int height);
    void setWorkArea(Rect area);
    void setDesktopColour(ColorRef colour) { desktop_ = colour; }
    void setPixelsPerInch(int x, int y) { dpi_ = {x, y}; }
    // The display's scale as a per-monitor aware program meets it: the
    // program keeps 96-DPI pixels and this system maps them, the way the real
    // backend does. The screen, work area, mouse input and screen pixels of
    // these test controls are physical pixels. A change is the system's
    // scale-change message: every window keeps its logical place and takes
    // its new size and picture set at once.
    void setDisplayDpi(int dpi);
    Rect physicalRect(Hwnd window) const;
    void setPlatform(std::uint32_t platformId, bool versionCallSucceeds = true);
    // The next call of the named operation ("SetLayeredWindowAttributes",
    // "RegOpenKeyExA", ...) raises a runtime error with this description.
    void failNext(const std::string& operation, const std::string& description);

    // Registry (paths below HKEY_CURRENT_USER; names are case-insensitive).
    void regCreateKey(const std::string& path);
    void regDeleteKey(const std::string& path);
    void regPut(const std::string& path, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data);
    void regPutDword(const std::string& path, const std::string& name, std::uint32_t value);
    void regDeleteValue(const std::string& path, const std::string& name);
    void regDenyAccess(const std::string& path, bool denied);
    std::optional<SimRegistryValue> regGet(const std::string& path, const std::string& name) const;
    int openKeyCount() const { return static_cast<int>(openKeys_.size()); }

    // Time and input.
    std::uint64_t now() const { return nowMs_; }
    // Runs everything that falls due within the next `ms`, in time order.
    void advance(std::uint64_t ms);
    // Queues mouse input at screen pixel coordinates, to be handled at `atMs`
    // (now when omitted) by the window holding the capture or under the point.
    void postMouse(MouseAction action, int buttons, int screenX, int screenY, std::optional<std::uint64_t> atMs = {});
    // Runs `body` as the system would run program code: an End inside it
    // unwinds to here.
    void run(const std::function<void()>& body);
    // Called after every event handed to the program (timer tick, mouse
    // input, posted command), nested ones included, for checks of what must
    // hold between handlers.
    void setAfterEachEvent(std::function<void()> check) { afterEachEvent_ = std::move(check); }

    // Message boxes: each is recorded; the answer comes from the responder
    // (OK when none is set).
    void setMessageBoxResponder(std::function<int(const SimMessageBox&)> responder) { responder_ = std::move(responder); }
    const std::vector<SimMessageBox>& messageBoxes() const { return boxes_; }

    // Popup menus: the responder acts on the open menu (hover, choose, or
    // neither, which is Escape). Without one every menu closes at once.
    void setPopupResponder(std::function<void(SimPopup&)> responder) { popupResponder_ = std::move(responder); }
    int popupsOpened() const { return popupsOpened_; }
    bool menuItemChecked(Hwnd window, std::uint32_t commandId) const;
    int pictureDcCount() const { return static_cast<int>(surfaces_.size()); }
    std::uint32_t surfacePixel(Hdc dc, int x, int y) const;  // 0x00RRGGBB

    bool processEnded() const { return ended_; }
    // Logs off as the system does: asks every window, top first, whether the
    // session may end, then tells each that it ends. False when a window
    // refused; the windows are told nothing then.
    bool endSession();
    int mutexCount(const std::string& name) const;

    // Windows.
    Hwnd findWindow(const std::string& formName) const;
    // Window properties, for platform/window_property.h.
    void setProperty(Hwnd window, const char* name, void* value);
    void* property(Hwnd window, const char* name) const;
    void removeProperty(Hwnd window, const char* name);
    static SimSystem& owning(Hwnd window) { return **reinterpret_cast<SimSystem* const*>(window); }
    int windowCount() const { return static_cast<int>(windows_.size()); }
    bool isTopmost(Hwnd window) const;
    bool isLayered(Hwnd window) const;
    struct Layering {
        ColorRef key = 0;
        std::uint8_t alpha = 255;
        std::uint32_t flags = 0;
    };
    Layering layering(Hwnd window) const;
    int activations(Hwnd window) const;
    const Image* picture(Hwnd window) const;
    bool timerRunning(Hwnd window, int timerId) const;
    // The windows in stacking order, top first.
    std::vector<Hwnd> zOrder() const;

    // Screen pixels as 0x00RRGGBB: the desktop with every visible window
    // composited over it, applying colour keys and whole-window opacity.
    std::uint32_t screenPixel(int x, int y) const;

    // A log of the calls that change what the user sees, the registry or the
    // program's life, one line each ("SetWindowPos Form1 TOPMOST -50 -20 0x41").
    void setTracing(bool on) { tracing_ = on; }
    const std::vector<std::string>& trace() const { return trace_; }
    void clearTrace() { trace_.clear(); }

    // --- System --------------------------------------------------------
    std::int32_t getVersionEx(OsVersionInfoA* info) override;
    Handle createMutex(void* attributes, std::int32_t initialOwner, const char* name) override;
    void sleep(std::uint32_t milliseconds) override;
    std::int32_t getWindowLong(Hwnd window, int index) override;
    std::int32_t setWindowLong(Hwnd window, int index, std::int32_t value) override;
    std::int32_t setLayeredWindowAttributes(Hwnd window, ColorRef key, std::uint8_t alpha, std::uint32_t flags) override;
    std::int32_t systemParametersInfo(std::uint32_t action, std::uint32_t param, void* data, std::uint32_t winIni) override;
    std::int32_t setWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) override;
    std::int32_t moveWindow(Hwnd window, int x, int y, int width, int height, std::int32_t repaint) override;
    std::int32_t regOpenKeyEx(Hkey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                              Hkey* result) override;
    std::int32_t regQueryValueEx(Hkey key, const char* name, std::uint32_t* reserved, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t regSetValueEx(Hkey key, const char* name, std::uint32_t reserved, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t regCloseKey(Hkey key) override;
    Hwnd createWindow(const WindowSpec& stored, WindowEvents& events) override;
    void destroyWindow(Hwnd window) override;
    void setVisible(Hwnd window, bool visible) override;
    bool isVisible(Hwnd window) override;
    Rect windowRect(Hwnd window) override;
    void setWindowPicture(Hwnd window, const Image* picture) override;
    void startTimer(Hwnd window, int timerId, std::uint32_t intervalMs) override;
    void stopTimer(Hwnd window, int timerId) override;
    void pumpMessages() override;
    int messageBox(const char* text, const char* title, std::uint32_t type) override;
    void endProcess() override;
    void setTaskVisible(bool visible) override { taskVisible_ = visible; }
    Point pixelsPerInch() override { return dpi_; }
    WindowProc setWindowProc(Hwnd window, WindowProc procedure) override;
    LongPtr callWindowProc(WindowProc procedure, Hwnd window, std::uint32_t message, UintPtr wParam,
                           LongPtr lParam) override;
    Hmenu getMenu(Hwnd window) override;
    Hmenu getSubMenu(Hmenu menu, int position) override;
    std::uint32_t getMenuItemID(Hmenu menu, int position) override;
    std::int32_t modifyMenu(Hmenu menu, std::uint32_t position, std::uint32_t flags, UintPtr newId,
                            LongPtr newItem) override;
    std::int32_t bitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX, int sourceY,
                        std::uint32_t rop) override;
    void checkMenuItem(Hmenu menu, std::uint32_t commandId, bool checked) override;
    void trackPopupMenu(Hmenu popup, Hwnd owner) override;
    Hdc createPictureDc(const Image& picture) override;
    void deletePictureDc(Hdc dc) override;
    std::vector<std::uint8_t> loadAsset(const char* fileName) override;

    bool taskVisible() const { return taskVisible_; }

private:
    friend class SimPopup;
    struct MenuEntry {
        std::string caption;
        std::uint32_t id = 0;
        std::uint32_t flags = 0;
        UintPtr itemData = 0;
        bool checked = false;
        Hmenu popup = nullptr;
    };
    struct Surface {
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
        const Image* picture = nullptr;     // a picture holder's, at 100 %; null for a menu's
        int percent = 100;                  // the picture set its pixels are from
    };
    struct Posted {
        Hwnd window;
        std::uint32_t message;
        UintPtr wParam;
        LongPtr lParam;
    };

    Hmenu buildMenu(const std::vector<MenuSpec>& items);
    MenuEntry* findMenuEntry(Hmenu menu, std::uint32_t commandId);
    const MenuEntry* findMenuEntry(Hmenu menu, std::uint32_t commandId) const;
    Hdc createSurface(int width, int height);
    // The window procedure every window starts with: the runtime's own.
    LongPtr baseWindowProc(Hwnd window, std::uint32_t message, UintPtr wParam, LongPtr lParam);

    struct Window {
        WindowSpec stored;
        WindowEvents* events = nullptr;
        Rect rect;
        std::int32_t exStyle = 0;
        bool visible = false;
        bool topmost = false;
        std::uint64_t stackStamp = 0;  // larger is higher within its band
        Layering layering;
        bool layeredAttributesSet = false;
        const Image* picture = nullptr;
        std::vector<std::uint32_t> pixels;  // client area, 0x00RRGGBB
        int activations = 0;
        WindowProc procedure = nullptr;  // null: the base procedure
        Hmenu menuBar = nullptr;
        ControlMouse controlMouse;
        std::vector<ControlSpec> drawnControls;  // stored.controls at the display's scale
        std::map<std::string, void*, std::less<>> properties;
    };
    struct SimTimer {
        Hwnd window;
        int id;
        std::uint64_t interval;
        std::uint64_t due;
        std::uint64_t order;
    };
    struct Input {
        std::uint64_t atMs;
        MouseAction action;
        int buttons;
        int x, y;
    };
    struct RegistryKey {
        std::map<std::string, SimRegistryValue> values;  // by lower-case name
        bool denied = false;
    };

    Window& window(Hwnd handle);
    const Window* findWindow(Hwnd handle) const;
    std::string nameOf(Hwnd handle) const;
    void note(const std::string& line);
    void raiseIfFailing(const char* operation);
    void placeOnTop(Window& w, bool topmost);
    void activate(Window& w);
    void repaint(Window& w);
    void resize(Window& w, int width, int height);  // physical

    // Dispatches the next event due at or before `limit`; false when none.
    bool dispatchNext(std::uint64_t limit);
    void deliverMouse(const Input& input);
    Hwnd windowAt(int x, int y) const;

    RegistryKey* key(const std::string& path);
    const RegistryKey* key(const std::string& path) const;

    std::map<Hwnd, Window> windows_;
    // A window handle is the address of one of these, each naming this
    // system, so that a window property (platform/window_property.h) finds
    // its window from the handle alone. Kept for the system's life.
    std::deque<SimSystem*> handleCells_;
    std::uint64_t nextStamp_ = 1;
    int screenWidth_ = 1024, screenHeight_ = 768;
    Rect workArea_{0, 0, 1024, 738};
    ColorRef desktop_ = 0x00A08040;
    Point dpi_{96, 96};
    DisplayScale scale_;
    PictureSets pictures_{[this](const char* name) { return loadAsset(name); }};
    void fillPictureSurface(Surface& surface);
    std::uint32_t platformId_ = 2;
    bool versionCallSucceeds_ = true;
    std::map<std::string, std::string, std::less<>> faults_;  // found without building a key string

    std::uint64_t nowMs_ = 0;
    std::uint64_t timerOrder_ = 0;
    std::vector<SimTimer> timers_;
    std::deque<Input> input_;
    std::deque<Posted> posted_;
    std::function<void()> afterEachEvent_;
    std::map<Hmenu, std::vector<MenuEntry>> menus_;
    std::uintptr_t nextMenu_ = 0x7000;
    std::map<Hdc, Surface> surfaces_;
    std::uintptr_t nextSurface_ = 0x9000;
    std::function<void(SimPopup&)> popupResponder_;
    int popupsOpened_ = 0;
    Hwnd capture_ = nullptr;

    std::map<std::string, RegistryKey> registry_;  // by lower-case path
    std::map<Hkey, std::string> openKeys_;
    std::uintptr_t nextKey_ = 0x100;

    std::vector<SimMessageBox> boxes_;
    std::function<int(const SimMessageBox&)> responder_;
    std::map<std::string, int> mutexes_;
    bool ended_ = false;
    bool taskVisible_ = true;
    bool tracing_ = false;
    std::vector<std::string> trace_;

    // --- About window: controls and the shell (controls.cpp) ------------
public:
    LongPtr shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                         const char* directory, int showCommand) override;
    Point screenSize() override { return {scale_.toLogical(screenWidth_), scale_.toLogical(screenHeight_)}; }
    void showActivated(Hwnd window) override;

    // Test controls. Every ShellExecuteA call, with null texts as nullopt;
    // each returns `result` (42, success, unless set).
    struct ShellCall {
        Hwnd owner = nullptr;
        std::optional<std::string> operation, file, parameters, directory;
        int showCommand = 0;
    };
    const std::vector<ShellCall>& shellCalls() const { return shellCalls_; }
    void setShellExecuteResult(LongPtr result) { shellResult_ = result; }
    // A window's controls as laid out. Label text is not drawn into the
    // simulated pixels; an auto-sized label's width comes from a fixed
    // per-character advance (see controls.cpp), its height stays as stored.
    const std::vector<ControlSpec>& controls(Hwnd window) const;
    // The pointer and tooltip over a screen point, from the control there.
    PointerShape pointerAt(int x, int y) const;
    std::string toolTipAt(int x, int y) const;
    // The shell's rule: a visible window gets a taskbar button when it has
    // no owner and is not a tool window, or asks for one (kWsExAppWindow).
    bool hasTaskbarButton(Hwnd window) const;

private:
    static void layOutControls(std::vector<ControlSpec>& controls, Point dpi);
    // A left press and release on a label or picture go to that control,
    // not the form; true when the control took the input.
    bool routeToControl(Window& w, MouseAction action, int buttons, int x, int y);

    std::vector<ShellCall> shellCalls_;
    LongPtr shellResult_ = 42;
};

}  // namespace ql
