#include "behaviour/behaviour_timers.h"

#include "app/form1.h"
#include "menu/form2.h"

namespace ql {

void StopBehaviourTimers(Form1& f1, Form2& f2) {
    for (Timer* timer : {&f1.Timer1, &f1.tmrdrink, &f1.tmrmove, &f1.tmrmsn, &f2.Timer1, &f2.tmrdrinkwait,
                         &f2.tmrendshow, &f2.tmrlastclip, &f2.tmrmsnwait, &f2.tmrreloder})
        timer->setEnabled(false);
}

}  // namespace ql
