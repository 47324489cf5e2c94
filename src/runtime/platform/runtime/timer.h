// A form's timer control. Its interval never changes; switching it on from
// off starts a full interval, switching it on while on leaves the countdown
// alone, switching it off stops it at once.
#pragma once

#include <cstdint>

namespace ql {

class Form;

class Timer {
public:
    using Handler = void (*)(Form&);

    Timer(Form& owner, std::uint32_t intervalMs, Handler handler);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::uint32_t Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

private:
    friend class Form;
    void fire();         // called by the owner when a tick arrives
    void windowGone();   // the owner's window was destroyed with the timer in it
    void windowReady();  // the owner's window exists: a timer switched on before starts now

    Form& owner_;
    std::uint32_t interval_;
    Handler handler_;
    int id_;
    bool enabled_ = false;
};

}  // namespace ql
