// The program: its runtime, shared values and windows, built on one System.
// main builds one on the real system; a test builds a fresh one on a
// simulated desktop.
#pragma once

#include "about/form3.h"
#include "app/form1.h"
#include "app/program_values.h"
#include "menu/form2.h"
#include "platform/runtime/runtime.h"

namespace ql {

class Quorlin {
public:
    explicit Quorlin(System& system);

    // What the runtime does when the program starts: creates Form1, runs its
    // Form_Initialize, then loads it. An untrapped error is reported and ends
    // the program; so does an End, which unwinds as ProgramEnded.
    void start();

    System& system() { return runtime.system(); }

    Runtime runtime;
    ProgramValues values;
    Form1 form1;
    Form2 form2;
    Form3 form3;  // loaded only while the About window is open
};

}  // namespace ql
