#include "menu/form2.h"

#include "app/quorlin.h"
#include "menu/menu_host.h"

namespace ql {

namespace {

WindowSpec form2Stored() {
    WindowSpec stored;
    stored.formName = "Form2";
    stored.text = "Quorlin menu host";
    stored.width = 1;
    stored.height = 1;
    stored.showInTaskbar = false;
    return stored;
}

}  // namespace

Form2::Form2(Quorlin& program) : Form(program.runtime, form2Stored()), program_(program) {}

void Form2::Form_Load() {
    Hide();
    FadeLevel = 255;
    HookMenuHost(program_);
    MakeMenuOwnerDrawn(system(), hWnd());
    ProgramValues& v = program_.values;
    system().setWindowPos(program_.form1.hWnd(), hwndNotopmost(), v.PosX, v.PosY, 0, 0,
                          kSwpNoSize | kSwpNoMove | kSwpNoActivate | kSwpShowWindow);
}

void Form2::Form_QueryUnload() { UnhookMenuHost(program_); }

}  // namespace ql
