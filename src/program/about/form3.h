// The About window: the version line, lines about the maker, the two links
// and a picture of Pobo inside a one-pixel frame on white. It has no title
// bar; its close picture fades it out and then unloads it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/timer.h"

namespace ql {

class Quorlin;

class Form3 : public Form {
public:
    explicit Form3(Quorlin& program);

    void Image2_Click();
    void Timer1_Timer();
    void Label1_Click();
    void Label4_Click();

    // The window's opacity during the close fade, 255 from its load on.
    std::int32_t AboutAlpha = 0;

    Timer Timer1{*this, 1, &Form::handler<&Form3::Timer1_Timer>};

    ImageControl Image2;
    Label Label5;
    Label Label6;
    Label Label7;
    Label Label10;
    Label Label9;
    Label Label4;
    Label Label1;
    Label Label11;
    Label Label3;
    Label Label2;
    ImageControl Image1;
    Shape Shape1;

protected:
    void Form_Load() override;

private:
    // Opens a page of the maker's site with the system's handler. Every error
    // is ignored: a step that fails is skipped and the next one runs.
    void openLink(const char* page);

    Quorlin& program_;
};

}  // namespace ql
