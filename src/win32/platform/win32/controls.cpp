// A form window's controls on the real system: labels drawn with GDI text in
// their fonts, pictures and shapes composed into the window's pixels, the
// hand pointer from the program's cursor resource and tooltips from the
// common controls.
#include "platform/win32/controls.h"

#include <commctrl.h>

#include <cmath>

#include "platform/win32/handles.h"

namespace ql {

namespace {

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

WindowControls::WindowControls(HWND window, std::vector<ControlSpec> controls, int pixelsPerInchY, HCURSOR hand)
    : controls_(std::move(controls)), fontOf_(controls_.size(), -1), hand_(hand) {
    WindowDc screen;
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
            SelectedObject selected(screen.get(), fonts_[static_cast<std::size_t>(font)].get());
            RECT r{0, 0, 0, 0};
            DrawTextA(screen.get(), c.caption.c_str(), -1, &r, kTextFormat | DT_CALCRECT);
            c.width = r.right - r.left;
            c.height = r.bottom - r.top;
        }
    }

    const HINSTANCE instance = GetModuleHandleA(nullptr);
    bool pointers = false;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlSpec& c = controls_[i];
        pointers |= c.pointer == PointerShape::Hand;
        if (c.toolTip.empty() || c.kind == ControlKind::Shape) continue;
        if (!toolTip_) {
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
            InitCommonControlsEx(&classes);
            // Owned by the form window, so it goes with it; a new layout (a
            // scale change) destroys it first.
            toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                  instance, nullptr);
            if (!toolTip_) break;
        }
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every common-controls version
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = i;
        tool.rect = rectOf(c);
        tool.hinst = instance;
        tool.lpszText = const_cast<char*>(c.toolTip.c_str());  // copied by the tooltip
        SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (pointers && !hand_) {
        hand_ = LoadCursorA(instance, "HANDCURSOR");
        if (!hand_) hand_ = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    }
}

WindowControls::~WindowControls() {
    if (toolTip_ && IsWindow(toolTip_)) DestroyWindow(toolTip_);
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
        SelectedObject selected(dc, fonts_[static_cast<std::size_t>(fontOf_[i])].get());
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

}  // namespace ql
