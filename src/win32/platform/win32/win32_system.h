// The real system: every operation calls the Windows API. This header stays
// free of the system's own headers so program code never sees them.
#pragma once

#include <deque>
#include <map>
#include <memory>

#include "platform/display_scale.h"
#include "platform/picture_sets.h"
#include "platform/system.h"

struct HWND__;
struct HICON__;

namespace ql {

class Win32System final : public System {
public:
    Win32System();
    ~Win32System() override;

    // Runs the message loop until the process ends.
    int runMessageLoop();

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
    Point pixelsPerInch() override;
    std::vector<std::uint8_t> loadAsset(const char* fileName) override;
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

    struct WindowState;  // what the window procedure needs of a form window
    // For the window procedure: a scale change, and the picture set the
    // open menu is drawn from.
    void rescale(HWND__* window, WindowState& state, int dpi);
    int menuPictureScale() const { return menuScale_.pictureScale(); }

private:
    void layOut(HWND__* window, WindowState& state);
    void compose(WindowState& state, std::vector<std::uint32_t>& into);
    DisplayScale scaleOf(Hwnd window) const;
    // The hand pointer of a picture set, made from it on first use; null at
    // 100 %, where the program's cursor resource serves.
    HICON__* handCursor(int percent);
    PictureSets pictures_{[this](const char* name) { return loadAsset(name); }};
    std::map<int, HICON__*> handCursors_;  // destroyed with the system
    DisplayScale menuScale_;  // of the monitor where the popup opened
    // The form windows' class, registered for the system's life.
    class WindowClass {
    public:
        WindowClass();
        ~WindowClass();
        WindowClass(const WindowClass&) = delete;
        WindowClass& operator=(const WindowClass&) = delete;

    private:
        void* smallIcon_ = nullptr;
    };
    WindowClass windowClass_;
    std::map<Hwnd, std::unique_ptr<WindowState>> windows_;
    struct PictureDc {  // a memory DC with the picture's bitmap selected into it
        void* bitmap;
        void* previous;
        const Image* picture;  // the program's, at 100 %
        int percent;           // the set the bitmap is from
    };
    void fillPictureDc(Hdc dc, PictureDc& held);
    std::map<Hdc, PictureDc> pictureDcs_;
    bool taskVisible_ = true;

    // --- About window: the screen, activation (window.cpp), the shell (shell.cpp)
public:
    LongPtr shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                         const char* directory, int showCommand) override;
    Point screenSize() override;
    void showActivated(Hwnd window) override;

private:
    // The hidden window that owns windows kept out of the taskbar, made on
    // first use; destroyed after the form windows.
    class HiddenOwner {
    public:
        HiddenOwner() = default;
        ~HiddenOwner();
        HiddenOwner(const HiddenOwner&) = delete;
        HiddenOwner& operator=(const HiddenOwner&) = delete;
        Hwnd get();

    private:
        Hwnd window_ = nullptr;
    };
    HiddenOwner hiddenOwner_;
    bool comInitialised_ = false;
};

}  // namespace ql
