// Start-up: Form1's Form_Initialize and Form_Load.
#include <exception>

#include "app/layering.h"
#include "app/platform_check.h"
#include "app/quorlin.h"
#include "app/work_area.h"
#include "menu/settings_store.h"

namespace ql {

namespace {

constexpr const char* kNotInstalled =
    "Program has not installed correctly. Please report this problem to "
    "support@kestrane.example"  // the maker's support address
    " ";

void placeAtStart(Quorlin& program) {
    ProgramValues& v = program.values;
    const Hwnd insertAfter = v.OnTopSetting == 1 ? hwndTopmost() : hwndNotopmost();
    program.system().setWindowPos(program.form1.hWnd(), insertAfter, v.PosX, v.PosY, 0, 0,
                                  kSwpNoSize | kSwpShowWindow);
}

}  // namespace

void Form1::Form_Initialize() { runtime().setTaskVisible(false); }

void Form1::Form_Load() {
    ProgramValues& v = program_.values;
    try {
        GetPlatformId(system(), v.LastApiResult, v.PlatformId);
        if (v.PlatformId < 2) {
            runtime().MsgBox("Operating System does not support. This program will run only on NT Platform.",
                             kMbOk | kMbIconHand);
            runtime().End();
        }

        CheckSettings(runtime(), v.OnTopSetting);
        if (v.OnTopSetting != 0) {
            runtime().MsgBox(kNotInstalled, kMbOk | kMbIconHand);
            runtime().End();
        }

        program_.form2.Unload();
        program_.form2.Load();

        system().createMutex(nullptr, 0, "Quorlin 1.0");  // lives as long as the process

        GetWorkAreaRight(system(), v.WorkRight);
        GetWorkAreaBottom(system(), v.WorkBottom);
        v.PosX = v.WorkRight - (v.WorkRight + 50);
        v.PosY = v.WorkBottom - (v.WorkBottom + 20);

        ReadOnTop(runtime(), v.OnTopSetting);
        placeAtStart(program_);
        ApplyColorKey(system(), hWnd(), v.LastApiResult);
        setVisible(true);
        ShowFrame(1);
        Timer1.setEnabled(true);
        txt.setText("0");
        txtdrink.setText("0");
        txtmsn.setText("0");
        tmrmove.setEnabled(true);
    } catch (const std::exception& error) {
        runtime().MsgBox(error.what(), kMbOk | kMbIconExclamation);
    }
}

}  // namespace ql
