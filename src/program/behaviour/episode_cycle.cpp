// The cycle after the walk: the 60-s episode clock, the 30-s countdown, the
// fade and the 15-s reload that starts the next walk from the start place.
#include "app/layering.h"
#include "app/quorlin.h"
#include "app/work_area.h"
#include "behaviour/behaviour_timers.h"
#include "menu/settings_store.h"
#include "platform/runtime/conversions.h"

namespace ql {

void Form2::Timer1_Timer() {
    Form1& form1 = program_.form1;
    form1.tmrdrink.setEnabled(false);
    tmrdrinkwait.setEnabled(false);
    Timer1.setEnabled(false);
    form1.tmrmsn.setEnabled(true);
    tmrmsnwait.setEnabled(true);
}

void Form2::tmrlastclip_Timer() {
    tmrlastclip.setEnabled(false);
    tmrendshow.setEnabled(true);
}

void Form2::tmrendshow_Timer() {
    FadeLevel = checkedAdd(FadeLevel, -1);
    if (FadeLevel > 0) {
        SetCharacterAlpha(system(), program_.form1.hWnd(), program_.values.LastApiResult, FadeLevel);
    } else {
        tmrendshow.setEnabled(false);
        tmrreloder.setEnabled(true);
    }
}

void Form2::tmrreloder_Timer() {
    Form1& form1 = program_.form1;
    ProgramValues& v = program_.values;
    StopBehaviourTimers(program_.form1, *this);

    GetWorkAreaRight(system(), v.WorkRight);
    GetWorkAreaBottom(system(), v.WorkBottom);
    v.PosX = -50;
    v.PosY = -20;

    ReadOnTop(runtime(), v.OnTopSetting);
    if (v.OnTopSetting == 1)
        system().setWindowPos(form1.hWnd(), hwndTopmost(), v.PosX, v.PosY, 0, 0, kSwpNoSize | kSwpShowWindow);
    else
        system().setWindowPos(form1.hWnd(), hwndNotopmost(), v.PosX, v.PosY, 0, 0,
                              kSwpNoSize | kSwpNoActivate | kSwpShowWindow);

    ApplyColorKey(system(), program_.form1.hWnd(), v.LastApiResult);
    form1.ShowFrame(1);
    form1.txt.setText("0");
    form1.txtdrink.setText("0");
    form1.txtmsn.setText("0");
    form1.tmrmove.setEnabled(true);
    form1.Timer1.setEnabled(true);
    FadeLevel = 255;
}

}  // namespace ql
