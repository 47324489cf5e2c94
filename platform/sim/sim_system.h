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

#include "platform/system.h"

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

    // Message boxes: each is recorded; the answer comes from the responder
    // (OK when none is set).
    void setMessageBoxResponder(std::function<int(const SimMessageBox&)> responder) { responder_ = std::move(responder); }
    const std::vector<SimMessageBox>& messageBoxes() const { return boxes_; }

    bool processEnded() const { return ended_; }
    int mutexCount(const std::string& name) const;

    // Windows.
    Hwnd findWindow(const std::string& formName) const;
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
    Hwnd createWindow(const WindowSpec& spec, WindowEvents& events) override;
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
    std::vector<std::uint8_t> loadAsset(const char* fileName) override;

    bool taskVisible() const { return taskVisible_; }

private:
    struct Window {
        WindowSpec spec;
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

    // Dispatches the next event due at or before `limit`; false when none.
    bool dispatchNext(std::uint64_t limit);
    void deliverMouse(const Input& input);
    Hwnd windowAt(int x, int y) const;

    RegistryKey* key(const std::string& path);
    const RegistryKey* key(const std::string& path) const;

    std::map<Hwnd, Window> windows_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::uint64_t nextStamp_ = 1;
    int screenWidth_ = 1024, screenHeight_ = 768;
    Rect workArea_{0, 0, 1024, 738};
    ColorRef desktop_ = 0x00A08040;
    Point dpi_{96, 96};
    std::uint32_t platformId_ = 2;
    bool versionCallSucceeds_ = true;
    std::map<std::string, std::string> faults_;

    std::uint64_t nowMs_ = 0;
    std::uint64_t timerOrder_ = 0;
    std::vector<SimTimer> timers_;
    std::deque<Input> input_;
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
};

}  // namespace ql
