// The boundary between the program and the desktop it runs on. The program
// names the Win32 operations it makes (with our own types from types.h), plus
// the few primitives the form runtime needs. platform/win32/ implements it on
// the real system, platform/sim/ on a simulated desktop with a virtual clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/control_spec.h"
#include "platform/types.h"

namespace ql {

struct Image;

// A menu of a form's menu bar, as stored: a caption and a command id, or a
// popup holding items.
struct MenuSpec {
    std::string caption;
    std::uint32_t id = 0;
    std::vector<MenuSpec> items;
};

// What a form window is when it is created.
struct WindowSpec {
    std::string formName;  // the form's name, for diagnostics
    std::string text;           // window text
    int left = 0, top = 0, width = 0, height = 0;  // pixels; the whole window is client area
    ColorRef background = rgb(255, 255, 255);
    bool showInTaskbar = true;
    std::vector<MenuSpec> menuBar;
    std::vector<ControlSpec> controls;  // drawn over the picture in order; the last is on top
    bool centred = false;               // placed at the centre of the screen when loaded
    // Kept out of the taskbar by a hidden owner window of the system layer
    // (not a form), whatever extended style the program gives it later.
    // Without it a window that shows no taskbar button is a tool window.
    bool hiddenOwner = false;
};

enum class MouseAction { Down, Move, Up };

// What a window reports to the form that owns it. Coordinates are client pixels;
// `buttons` is the button pressed or released (Down/Up) or the set held (Move),
// as the form runtime's bits: 1 left, 2 right, 4 middle.
class WindowEvents {
public:
    virtual void onMouse(MouseAction action, int buttons, int x, int y) = 0;
    virtual void onTimer(int timerId) = 0;
    virtual void onCommand(std::uint32_t commandId) = 0;  // a menu item was chosen
    // A left click (press and release) on a label or picture, by its index in
    // WindowSpec::controls; the form's own mouse events do not see it.
    virtual void onControlClick(int control) = 0;
    // The user's session is ending (log-off, shut-down): the program must go.
    virtual void onSessionEnd() = 0;

protected:
    ~WindowEvents() = default;
};

class System {
public:
    virtual ~System() = default;

    // kernel32
    virtual std::int32_t getVersionEx(OsVersionInfoA* info) = 0;
    virtual Handle createMutex(void* attributes, std::int32_t initialOwner, const char* name) = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;

    // user32
    virtual std::int32_t getWindowLong(Hwnd window, int index) = 0;
    virtual std::int32_t setWindowLong(Hwnd window, int index, std::int32_t value) = 0;
    virtual std::int32_t setLayeredWindowAttributes(Hwnd window, ColorRef key, std::uint8_t alpha,
                                                    std::uint32_t flags) = 0;
    virtual std::int32_t systemParametersInfo(std::uint32_t action, std::uint32_t param, void* data,
                                              std::uint32_t winIni) = 0;
    virtual std::int32_t setWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                      std::uint32_t flags) = 0;
    virtual std::int32_t moveWindow(Hwnd window, int x, int y, int width, int height, std::int32_t repaint) = 0;

    // advapi32
    virtual std::int32_t regOpenKeyEx(Hkey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                                      Hkey* result) = 0;
    virtual std::int32_t regQueryValueEx(Hkey key, const char* name, std::uint32_t* reserved, std::uint32_t* type,
                                         std::uint8_t* data, std::uint32_t* size) = 0;
    virtual std::int32_t regSetValueEx(Hkey key, const char* name, std::uint32_t reserved, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t size) = 0;
    virtual std::int32_t regCloseKey(Hkey key) = 0;

    // Menus, window procedures and painting: user32, gdi32.
    // The pointer-sized swap of the window procedure; returns the previous one.
    virtual WindowProc setWindowProc(Hwnd window, WindowProc procedure) = 0;
    virtual LongPtr callWindowProc(WindowProc procedure, Hwnd window, std::uint32_t message, UintPtr wParam,
                                   LongPtr lParam) = 0;
    virtual Hmenu getMenu(Hwnd window) = 0;
    virtual Hmenu getSubMenu(Hmenu menu, int position) = 0;
    virtual std::uint32_t getMenuItemID(Hmenu menu, int position) = 0;
    virtual std::int32_t modifyMenu(Hmenu menu, std::uint32_t position, std::uint32_t flags, UintPtr newId,
                                    LongPtr newItem) = 0;
    virtual std::int32_t bitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX,
                                int sourceY, std::uint32_t rop) = 0;
    // Form runtime: check marks, the popup-menu call (at the pointer, owned by
    // `owner`, returning when the menu closes) and picture holders' DCs.
    virtual void checkMenuItem(Hmenu menu, std::uint32_t commandId, bool checked) = 0;
    virtual void trackPopupMenu(Hmenu popup, Hwnd owner) = 0;
    virtual Hdc createPictureDc(const Image& picture) = 0;
    virtual void deletePictureDc(Hdc dc) = 0;

    // Form runtime primitives.
    virtual Hwnd createWindow(const WindowSpec& stored, WindowEvents& events) = 0;  // hidden
    virtual void destroyWindow(Hwnd window) = 0;
    virtual void setVisible(Hwnd window, bool visible) = 0;
    virtual bool isVisible(Hwnd window) = 0;
    virtual Rect windowRect(Hwnd window) = 0;
    // The picture is drawn at the client origin over the background colour, which
    // also shows through its transparent pixels; the window repaints at once.
    // The image must outlive its use by the window.
    virtual void setWindowPicture(Hwnd window, const Image* picture) = 0;
    virtual void startTimer(Hwnd window, int timerId, std::uint32_t intervalMs) = 0;
    virtual void stopTimer(Hwnd window, int timerId) = 0;
    virtual void pumpMessages() = 0;
    virtual int messageBox(const char* text, const char* title, std::uint32_t type) = 0;
    virtual void endProcess() = 0;  // on the real system this does not return
    virtual void setTaskVisible(bool visible) = 0;
    virtual Point pixelsPerInch() = 0;
    virtual std::vector<std::uint8_t> loadAsset(const char* fileName) = 0;

    // About window: controls and the shell
    // shell32: hands `file` to the system's handler for it; the result is the
    // instance-handle value ShellExecuteA returns (above 32 when it worked).
    virtual LongPtr shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                                 const char* directory, int showCommand) = 0;
    // Form runtime: the primary screen's size in pixels, and showing a window
    // brought to the front and activated (a visible one comes forward).
    virtual Point screenSize() = 0;
    virtual void showActivated(Hwnd window) = 0;
};

}  // namespace ql
