#include "platform/runtime/timer.h"

#include "platform/runtime/form.h"

namespace ql {

Timer::Timer(Form& owner, std::uint32_t intervalMs, Handler handler)
    : owner_(owner), interval_(intervalMs), handler_(handler), id_(owner.addTimer(*this)) {}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!owner_.loaded()) return;
    if (enabled)
        owner_.system().startTimer(owner_.hWnd(), id_, interval_);
    else
        owner_.system().stopTimer(owner_.hWnd(), id_);
}

void Timer::fire() {
    // A tick that was already queued when the timer was switched off is dropped.
    if (enabled_) handler_(owner_);
}

void Timer::windowGone() {
    if (enabled_) owner_.system().stopTimer(owner_.hWnd(), id_);
    enabled_ = false;
}

void Timer::windowReady() {
    if (enabled_) owner_.system().startTimer(owner_.hWnd(), id_, interval_);
}

}  // namespace ql
