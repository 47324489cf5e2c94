// A form: one top-level window built from stored properties, with its timers
// and its event handlers. Handlers are virtual members named the runtime's way
// (Form_Load, Form_MouseDown, ...); timers call member functions bound with
// Form::handler<&Derived::tmrX_Timer>.
#pragma once

#include <vector>

#include "platform/runtime/controls.h"
#include "platform/runtime/menu_item.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/timer.h"
#include "platform/system.h"

namespace ql {

class Form : public WindowEvents {
public:
    Form(Runtime& runtime, WindowSpec stored);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    Runtime& runtime() { return runtime_; }
    System& system() { return runtime_.system(); }

    bool loaded() const { return window_ != nullptr; }
    Hwnd hWnd() const { return window_; }

    // Creates the window (hidden) and runs Form_Load; nothing when loaded.
    // An error in Form_Load passes to the caller.
    void Load();
    // Runs Form_QueryUnload and destroys the window with its timers.
    void Unload();
    // Loads when needed, makes the window visible and brings it to the front, activated.
    void Show();
    void Hide();

    bool Visible();
    void setVisible(bool visible);

    // Position and size in twips.
    float Left();
    float Top();
    float Width();
    float Height();
    void setLeft(float twips);
    void setTop(float twips);

    void setPicture(const Image* picture);

    // Opens `popup`, a menu of some form's menu bar, at the pointer, with that
    // form as the menu's owner; returns when the menu closes.
    void PopupMenu(MenuItem& popup);
    const Image* Picture() const { return picture_; }

    template <auto Method>
    static void handler(Form& form);

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload() {}
    virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}

private:
    friend class Timer;
    friend class MenuItem;
    friend class Control;
    int addTimer(Timer& timer);
    void addControl(Control& control) { controls_.push_back(&control); }
    std::vector<ControlSpec> storedControls() const;
    std::uint32_t addMenuItem(MenuItem& item);
    std::vector<MenuSpec> storedMenuBar() const;

    void onMouse(MouseAction action, int buttons, int x, int y) override;
    void onTimer(int timerId) override;
    void onCommand(std::uint32_t commandId) override;
    void onControlClick(int control) override;
    void onSessionEnd() override;
    void moveTo(float leftTwips, float topTwips);

    Runtime& runtime_;
    WindowSpec stored_;
    Hwnd window_ = nullptr;
    const Image* picture_ = nullptr;
    std::vector<Timer*> timers_;
    std::vector<MenuItem*> menuItems_;
    std::vector<Control*> controls_;  // in drawing order: the last is on top
};

namespace detail {
template <class>
struct MemberOf;
template <class C, class R>
struct MemberOf<R (C::*)()> {
    using type = C;
};
}  // namespace detail

template <auto Method>
void Form::handler(Form& form) {
    using Owner = typename detail::MemberOf<decltype(Method)>::type;
    (static_cast<Owner&>(form).*Method)();
}

// Twips to whole pixels: nearest, a half going to the even neighbour.
int twipsToPixels(double twips, double twipsPerPixel);

}  // namespace ql
