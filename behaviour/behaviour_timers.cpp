#include "behaviour/behaviour_timers.h"

#include "app/quorlin.h"

namespace ql {

void StopBehaviourTimers(Quorlin& program) {
    Form1& f1 = program.form1;
    Form2& f2 = program.form2;
    for (Timer* timer : {&f1.Timer1, &f1.tmrdrink, &f1.tmrmove, &f1.tmrmsn, &f2.Timer1, &f2.tmrdrinkwait,
                         &f2.tmrendshow, &f2.tmrlastclip, &f2.tmrmsnwait, &f2.tmrreloder})
        timer->setEnabled(false);
}

}  // namespace ql
