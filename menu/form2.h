// The menu host: a top-level window that is never shown. It holds the popup
// menu and the six timers that pace the episode cycle; those tick handlers
// live in behaviour/.
#pragma once

#include <cstdint>

#include "platform/runtime/form.h"
#include "platform/runtime/timer.h"

namespace ql {

class Quorlin;

class Form2 : public Form {
public:
    explicit Form2(Quorlin& program);

    // Episode tick handlers.
    void Timer1_Timer();
    void tmrdrinkwait_Timer();
    void tmrmsnwait_Timer();
    void tmrlastclip_Timer();
    void tmrendshow_Timer();
    void tmrreloder_Timer();

    std::int32_t FadeLevel = 0;

    Timer Timer1{*this, 60000, &Form::handler<&Form2::Timer1_Timer>};
    Timer tmrdrinkwait{*this, 5000, &Form::handler<&Form2::tmrdrinkwait_Timer>};
    Timer tmrmsnwait{*this, 15000, &Form::handler<&Form2::tmrmsnwait_Timer>};
    Timer tmrlastclip{*this, 30000, &Form::handler<&Form2::tmrlastclip_Timer>};
    Timer tmrendshow{*this, 1, &Form::handler<&Form2::tmrendshow_Timer>};
    Timer tmrreloder{*this, 15000, &Form::handler<&Form2::tmrreloder_Timer>};

protected:
    void Form_Load() override;

private:
    Quorlin& program_;
};

}  // namespace ql
