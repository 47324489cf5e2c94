// The menu host: a top-level window that is never shown. It holds the popup
// menu `Base` with its item pictures, and the six timers that pace the
// episode cycle; those tick handlers live in behaviour/.
#pragma once

#include <cstdint>

#include "platform/runtime/form.h"
#include "platform/runtime/menu_item.h"
#include "platform/runtime/picture_box.h"
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

    // Menu commands.
    void About_Click();
    void ontop_Click();
    void Close_Click();

    std::int32_t FadeLevel = 0;

    Timer Timer1{*this, 60000, &Form::handler<&Form2::Timer1_Timer>};
    Timer tmrdrinkwait{*this, 5000, &Form::handler<&Form2::tmrdrinkwait_Timer>};
    Timer tmrmsnwait{*this, 15000, &Form::handler<&Form2::tmrmsnwait_Timer>};
    Timer tmrlastclip{*this, 30000, &Form::handler<&Form2::tmrlastclip_Timer>};
    Timer tmrendshow{*this, 1, &Form::handler<&Form2::tmrendshow_Timer>};
    Timer tmrreloder{*this, 15000, &Form::handler<&Form2::tmrreloder_Timer>};

    MenuItem Base{*this, "Base"};
    MenuItem About{*this, "About Quorlin", &Base, &Form::handler<&Form2::About_Click>};
    MenuItem ontop{*this, "Keep Pobo On Top", &Base, &Form::handler<&Form2::ontop_Click>};
    MenuItem Close{*this, "End Quorlin", &Base, &Form::handler<&Form2::Close_Click>};

    PictureBox pic{system(), "menu_about.bmp"};
    PictureBox picover1{system(), "menu_about_over.bmp"};
    PictureBox pic2{system(), "menu_ontop_off.bmp"};
    PictureBox picover2{system(), "menu_ontop_off_over.bmp"};
    PictureBox pictop1{system(), "menu_ontop_on.bmp"};
    PictureBox pictop2{system(), "menu_ontop_on_over.bmp"};
    PictureBox Pic3{system(), "menu_end.bmp"};
    PictureBox picover3{system(), "menu_end_over.bmp"};

    // What the hook replaced, and the copies the menu host's procedure works on.
    WindowProc PreviousWindowProc = nullptr;
    MeasureItemRecord MeasureItemCopy{};
    DrawItemRecord DrawItemCopy{};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    Quorlin& program_;
};

}  // namespace ql
