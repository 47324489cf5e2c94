// The simulated clock, timers and input queue. Stands in for the system's
// message queue: input is handled before timer ticks, a timer below 10 ms
// runs at 10 ms, and a timer that came due several times while the program
// was busy ticks once. Time moves only in advance() and sleep().
#include <algorithm>

#include "platform/errors.h"
#include "platform/sim/sim_system.h"

namespace ql {

namespace {
constexpr std::uint64_t kMinimumInterval = 10;
}

void SimSystem::startTimer(Hwnd handle, int timerId, std::uint32_t intervalMs) {
    if (!findWindow(handle)) return;
    const std::uint64_t interval = std::max<std::uint64_t>(intervalMs, kMinimumInterval);
    for (SimTimer& t : timers_) {
        if (t.window == handle && t.id == timerId) {
            t.interval = interval;
            t.due = nowMs_ + interval;
            return;
        }
    }
    timers_.push_back({handle, timerId, interval, nowMs_ + interval, ++timerOrder_});
}

void SimSystem::stopTimer(Hwnd handle, int timerId) {
    std::erase_if(timers_, [&](const SimTimer& t) { return t.window == handle && t.id == timerId; });
}

bool SimSystem::timerRunning(Hwnd handle, int timerId) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const SimTimer& t) { return t.window == handle && t.id == timerId; });
}

bool SimSystem::dispatchNext(std::uint64_t limit) {
    if (ended_) return false;
    // After a block the clock may stand past the limit: all that came due meanwhile is pending.
    limit = std::max(limit, nowMs_);
    // Posted messages come before input and timers, as in the system's queue.
    if (!posted_.empty()) {
        const Posted message = posted_.front();
        posted_.pop_front();
        const Window& w = window(message.window);
        callWindowProc(w.procedure, message.window, message.message, message.wParam, message.lParam);
        if (afterEachEvent_) afterEachEvent_();
        return true;
    }
    const bool inputDue = !input_.empty() && input_.front().atMs <= limit;
    const SimTimer* next = nullptr;
    for (const SimTimer& t : timers_) {
        if (t.due > limit) continue;
        if (!next || t.due < next->due || (t.due == next->due && t.order < next->order)) next = &t;
    }
    if (!inputDue && !next) return false;

    const std::uint64_t inputAt = inputDue ? std::max(input_.front().atMs, nowMs_) : 0;
    const std::uint64_t timerAt = next ? std::max(next->due, nowMs_) : 0;
    if (inputDue && (!next || inputAt <= timerAt)) {
        nowMs_ = inputAt;
        const Input input = input_.front();
        input_.pop_front();
        deliverMouse(input);
        if (afterEachEvent_) afterEachEvent_();
        return true;
    }
    nowMs_ = timerAt;
    const Hwnd handle = next->window;
    const int id = next->id;
    // Rescheduled before the tick runs, so the handler may switch it off or on.
    SimTimer& running = const_cast<SimTimer&>(*next);
    running.due = nowMs_ + running.interval;
    window(handle).events->onTimer(id);
    if (afterEachEvent_) afterEachEvent_();
    return true;
}

void SimSystem::advance(std::uint64_t ms) {
    const std::uint64_t target = nowMs_ + ms;
    run([&] {
        while (dispatchNext(target)) {
        }
    });
    nowMs_ = std::max(nowMs_, target);
}

void SimSystem::run(const std::function<void()>& body) {
    if (ended_) return;
    try {
        body();
    } catch (const ProgramEnded&) {
    }
}

void SimSystem::pumpMessages() {
    while (dispatchNext(nowMs_)) {
    }
}

void SimSystem::sleep(std::uint32_t milliseconds) {
    if (tracing_) note("Sleep " + std::to_string(milliseconds));
    nowMs_ += milliseconds;
}

void SimSystem::postMouse(MouseAction action, int buttons, int screenX, int screenY, std::optional<std::uint64_t> atMs) {
    const std::uint64_t at = atMs.value_or(nowMs_);
    // Kept in time order; equal times keep the order they were posted in.
    auto it = std::upper_bound(input_.begin(), input_.end(), at,
                               [](std::uint64_t t, const Input& queued) { return t < queued.atMs; });
    input_.insert(it, Input{at, action, buttons, screenX, screenY});
}

void SimSystem::deliverMouse(const Input& input) {
    const Hwnd target = capture_ ? capture_ : windowAt(input.x, input.y);
    if (!target) return;
    Window& w = window(target);
    // Like the real window layer, a press captures the pointer until its release.
    if (input.action == MouseAction::Down) capture_ = target;
    if (input.action == MouseAction::Up) capture_ = nullptr;
    // The client point as the real backend maps it: physical offset, then logical.
    const int x = scale_.toLogical(input.x - w.rect.left), y = scale_.toLogical(input.y - w.rect.top);
    if (routeToControl(w, input.action, input.buttons, x, y)) return;  // the window may be gone
    w.events->onMouse(input.action, input.buttons, x, y);
}

}  // namespace ql
