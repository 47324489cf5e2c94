#include "menu/form2.h"

#include "app/quorlin.h"
#include "menu/menu_host.h"

namespace ql {

namespace {

WindowSpec form2Stored() {
    WindowSpec spec;
    spec.formName = "Form2";
    spec.text = "Quorlin menu host";
    spec.width = 1;
    spec.height = 1;
    spec.showInTaskbar = false;
    return spec;
}

}  // namespace

Form2::Form2(Quorlin& program) : Form(program.runtime, form2Stored()), program_(program) {}

void Form2::Form_Load() {
    Hide();
    FadeLevel = 255;
    HookMenuHost(program_);
    MakeMenuOwnerDrawn(program_);
    ProgramValues& v = program_.values;
    system().setWindowPos(program_.form1.hWnd(), hwndNotopmost(), v.PosX, v.PosY, 0, 0,
                          SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Form2::Form_QueryUnload() { system().setWindowProc(hWnd(), PreviousWindowProc); }

}  // namespace ql
