// Controls and the shell on the real system: labels drawn with GDI text in
// their fonts, pictures and shapes composed into the window's pixels, the
// hand pointer from the program's cursor resource, tooltips from the common
// controls, the hidden owner that keeps windows out of the taskbar, and
// ShellExecuteA.
#include "platform/win32/controls.h"

#include <cmath>

#include "platform/win32/win32_system.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

namespace ql {

namespace {

// Makes the DC's font `font` until the end of the scope.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    ~SelectedFont() { SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

HFONT createFont(const FontSpec& stored, int pixelsPerInchY) {
    LOGFONTA lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(stored.points * pixelsPerInchY / 72.0));
    lf.lfWeight = stored.weight;
    lf.lfUnderline = stored.underline ? TRUE : FALSE;
    lf.lfCharSet = stored.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, stored.name.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

RECT rectOf(const ControlSpec& c) { return {c.left, c.top, c.left + c.width, c.top + c.height}; }

}  // namespace

WindowControls::WindowControls(HWND window, std::vector<ControlSpec> controls, int pixelsPerInchY)
    : controls_(std::move(controls)), fontOf_(controls_.size(), -1) {
    ScreenDc screen;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        ControlSpec& c = controls_[i];
        if (c.kind != ControlKind::Label) continue;
        int font = -1;
        for (std::size_t f = 0; f < fontSpecs_.size() && font < 0; ++f)
            if (fontSpecs_[f] == c.font) font = static_cast<int>(f);
        if (font < 0) {
            fontSpecs_.push_back(c.font);
            fonts_.emplace_back(createFont(c.font, pixelsPerInchY));
            font = static_cast<int>(fonts_.size()) - 1;
        }
        fontOf_[i] = font;
        if (c.autoSize) {
            SelectedFont selected(screen.get(), fonts_[static_cast<std::size_t>(font)].get());
            RECT r{0, 0, 0, 0};
            DrawTextA(screen.get(), c.caption.c_str(), -1, &r, kTextFormat | DT_CALCRECT);
            c.width = r.right - r.left;
            c.height = r.bottom - r.top;
        }
    }

    const HINSTANCE instance = GetModuleHandleA(nullptr);
    bool pointers = false;
    HWND tip = nullptr;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlSpec& c = controls_[i];
        pointers |= c.pointer == PointerShape::Hand;
        if (c.toolTip.empty() || c.kind == ControlKind::Shape) continue;
        if (!tip) {
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
            InitCommonControlsEx(&classes);
            // Owned by the form window, so it is destroyed with it.
            tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                  instance, nullptr);
            if (!tip) break;
        }
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every common-controls version
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = i;
        tool.rect = rectOf(c);
        tool.hinst = instance;
        tool.lpszText = const_cast<char*>(c.toolTip.c_str());  // copied by the tooltip
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (pointers) {
        hand_ = LoadCursorA(instance, "HANDCURSOR");
        if (!hand_) hand_ = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    }
}

void WindowControls::compose(std::vector<std::uint32_t>& pixels, int width, int height) const {
    composeControlPixels(pixels, width, height, controls_,
                         [](ColorRef colour) { return static_cast<ColorRef>(GetSysColor(systemColourIndex(colour))); });
}

void WindowControls::drawText(HDC dc) const {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = GetTextColor(dc);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlSpec& c = controls_[i];
        if (fontOf_[i] < 0) continue;
        const ColorRef colour = isSystemColour(c.foreColor)
                                    ? static_cast<ColorRef>(GetSysColor(systemColourIndex(c.foreColor)))
                                    : c.foreColor;
        SetTextColor(dc, colour);
        SelectedFont selected(dc, fonts_[static_cast<std::size_t>(fontOf_[i])].get());
        RECT r = rectOf(c);
        // Unclipped: where the system substitutes a wider face for the one
        // asked for, a fixed-size label still shows its whole line.
        DrawTextA(dc, c.caption.c_str(), -1, &r, kTextFormat | DT_NOCLIP);
    }
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

bool WindowControls::setCursor(HWND window) const {
    POINT p;
    if (!hand_ || !GetCursorPos(&p) || !ScreenToClient(window, &p)) return false;
    const int i = controlAt(controls_, p.x, p.y);
    if (i < 0 || controls_[static_cast<std::size_t>(i)].pointer != PointerShape::Hand) return false;
    SetCursor(hand_);
    return true;
}

// An unowned window without the tool-window style gets a taskbar button; an
// owned one never does. The owner is a plain hidden window, not a form.
Win32System::HiddenOwner::~HiddenOwner() {
    if (window_) DestroyWindow(reinterpret_cast<HWND>(window_));
}

Hwnd Win32System::HiddenOwner::get() {
    if (!window_)
        window_ = reinterpret_cast<Hwnd>(CreateWindowExA(0, "STATIC", "Quorlin owner", WS_POPUP, 0, 0, 0, 0, nullptr,
                                                         nullptr, GetModuleHandleA(nullptr), nullptr));
    return window_;
}

Point Win32System::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void Win32System::showActivated(Hwnd window) {
    const HWND h = reinterpret_cast<HWND>(window);
    ShowWindow(h, SW_SHOW);
    // Forward even when the system refuses to hand over the foreground.
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(h);
}

LongPtr Win32System::shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                                  const char* directory, int showCommand) {
    // The shell may hand the address to extensions that need COM on this thread.
    if (!comInitialised_) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        comInitialised_ = true;
    }
    const HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), operation, file, parameters, directory, showCommand);
    return reinterpret_cast<LongPtr>(result);
}

}  // namespace ql
