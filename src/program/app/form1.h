// The character window: a borderless window on pure blue, keyed out, showing
// one sprite frame. Its start-up and mouse handlers live in app/, its episode
// tick handlers in behaviour/.
#pragma once

#include "platform/runtime/form.h"
#include "platform/runtime/image_list.h"
#include "platform/runtime/state_cell.h"
#include "platform/runtime/timer.h"

namespace ql {

class Quorlin;

class Form1 : public Form {
public:
    explicit Form1(Quorlin& program);

    void Form_Initialize();
    void ShowFrame(int n);

    // Episode tick handlers.
    void Timer1_Timer();
    void tmrmove_Timer();
    void tmrdrink_Timer();
    void tmrmsn_Timer();

    StateCell txt;
    StateCell txtdrink;
    StateCell txtmsn;
    StateCell txtdetect{"0"};

    Timer Timer1{*this, 200, &Form::handler<&Form1::Timer1_Timer>};
    Timer tmrmove{*this, 1000, &Form::handler<&Form1::tmrmove_Timer>};
    Timer tmrdrink{*this, 300, &Form::handler<&Form1::tmrdrink_Timer>};
    Timer tmrmsn{*this, 300, &Form::handler<&Form1::tmrmsn_Timer>};

    ImageList imgl;

protected:
    void Form_Load() override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;

private:
    void arrive();

    Quorlin& program_;
    float GrabX = 0.0f;  // the grab point: where the pointer was over the window when no button was held
    float GrabY = 0.0f;
};

}  // namespace ql
