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

std::uint32_t Form::addMenuItem(MenuItem& item) {
    menuItems_.push_back(&item);
    return static_cast<std::uint32_t>(menuItems_.size());
}

std::vector<MenuSpec> Form::storedMenuBar() const {
    std::vector<MenuSpec> bar;
    for (const MenuItem* top : menuItems_) {
        if (top->parent()) continue;
        MenuSpec menu{top->Caption(), top->commandId(), {}};
        for (const MenuItem* item : menuItems_)
            if (item->parent() == top) menu.items.push_back({item->Caption(), item->commandId(), {}});
        bar.push_back(std::move(menu));
    }
    return bar;
}

std::vector<ControlSpec> Form::storedControls() const {
    std::vector<ControlSpec> stored;
    for (const Control* control : controls_) stored.push_back(control->stored_);
    return stored;
}

void Form::Load() {
    if (window_) return;
    stored_.menuBar = storedMenuBar();
    stored_.controls = storedControls();
    if (stored_.centred) {
        const Point screen = system().screenSize();
        stored_.left = (screen.x - stored_.width) / 2;
        stored_.top = (screen.y - stored_.height) / 2;
    }
    window_ = system().createWindow(stored_, *this);
    for (const MenuItem* item : menuItems_)
        if (item->Checked()) system().checkMenuItem(system().getMenu(window_), item->commandId(), true);
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
    system().showActivated(window_);
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
    system().setWindowPos(window_, nullptr, x, y, 0, 0, kSwpNoSize | kSwpNoZOrder | kSwpNoActivate);
}

void Form::setPicture(const Image* picture) {
    picture_ = picture;
    system().setWindowPicture(window_, picture);
}

void Form::PopupMenu(MenuItem& popup) {
    Form& host = popup.owner();
    host.Load();
    int position = 0;
    for (const MenuItem* item : host.menuItems_) {
        if (item == &popup) break;
        if (!item->parent()) ++position;
    }
    const Hmenu menu = system().getSubMenu(system().getMenu(host.hWnd()), position);
    system().trackPopupMenu(menu, host.hWnd());
}

void Form::onCommand(std::uint32_t commandId) {
    for (MenuItem* item : menuItems_) {
        if (item->commandId() != commandId) continue;
        if (item->click_) runtime_.dispatch([&] { item->click_(*this); });
        return;
    }
}

void Form::onControlClick(int control) {
    if (control < 0 || control >= static_cast<int>(controls_.size())) return;
    const Control::Handler click = controls_[static_cast<std::size_t>(control)]->click_;
    if (click) runtime_.dispatch([&] { click(*this); });
}

// Nothing is left to save (the one setting is written when it changes), so
// the program ends at once, whatever it is doing, and asks nothing.
void Form::onSessionEnd() {
    if (!runtime_.ended()) runtime_.End();
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
