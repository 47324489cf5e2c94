#include "platform/runtime/form.h"

#include <cmath>

namespace ql {

int twipsToPixels(double twips, double twipsPerPixel) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);  // default rounding: ties to even
    if (!(pixels >= -2147483648.0 && pixels <= 2147483647.0)) throw RuntimeError("Overflow");
    return static_cast<int>(pixels);
}

Form::Form(Runtime& runtime, WindowSpec stored) : runtime_(runtime), stored_(std::move(stored)) {}

Form::~Form() {
    if (window_) system().destroyWindow(window_);
}

int Form::addTimer(Timer& timer) {
    timers_.push_back(&timer);
    return static_cast<int>(timers_.size());
}

void Form::Load() {
    if (window_) return;
    window_ = system().createWindow(stored_, *this);
    for (Timer* timer : timers_) timer->windowReady();
    Form_Load();
}

void Form::Unload() {
    if (!window_) return;
    Form_QueryUnload();
    for (Timer* timer : timers_) timer->windowGone();
    system().destroyWindow(window_);
    window_ = nullptr;
    picture_ = nullptr;
}

void Form::Show() {
    Load();
    setVisible(true);
}

void Form::Hide() { setVisible(false); }

bool Form::Visible() { return window_ && system().isVisible(window_); }

void Form::setVisible(bool visible) {
    Load();
    system().setVisible(window_, visible);
}

float Form::Left() { return static_cast<float>(system().windowRect(window_).left) * runtime_.TwipsPerPixelX(); }
float Form::Top() { return static_cast<float>(system().windowRect(window_).top) * runtime_.TwipsPerPixelY(); }

float Form::Width() {
    const Rect r = system().windowRect(window_);
    return static_cast<float>(r.right - r.left) * runtime_.TwipsPerPixelX();
}

float Form::Height() {
    const Rect r = system().windowRect(window_);
    return static_cast<float>(r.bottom - r.top) * runtime_.TwipsPerPixelY();
}

void Form::setLeft(float twips) { moveTo(twips, Top()); }
void Form::setTop(float twips) { moveTo(Left(), twips); }

void Form::moveTo(float leftTwips, float topTwips) {
    const int x = twipsToPixels(leftTwips, runtime_.TwipsPerPixelX());
    const int y = twipsToPixels(topTwips, runtime_.TwipsPerPixelY());
    system().setWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setPicture(const Image* picture) {
    picture_ = picture;
    system().setWindowPicture(window_, picture);
}

void Form::onMouse(MouseAction action, int buttons, int x, int y) {
    const float X = static_cast<float>(x) * runtime_.TwipsPerPixelX();
    const float Y = static_cast<float>(y) * runtime_.TwipsPerPixelY();
    runtime_.dispatch([&] {
        switch (action) {
            case MouseAction::Down: Form_MouseDown(buttons, 0, X, Y); break;
            case MouseAction::Move: Form_MouseMove(buttons, 0, X, Y); break;
            case MouseAction::Up: Form_MouseUp(buttons, 0, X, Y); break;
        }
    });
}

void Form::onTimer(int timerId) {
    if (timerId < 1 || timerId > static_cast<int>(timers_.size())) return;
    Timer& timer = *timers_[static_cast<std::size_t>(timerId - 1)];
    runtime_.dispatch([&] { timer.fire(); });
}

}  // namespace ql
