#pragma once

namespace ql {

class Form1;
class Form2;

// Switches the ten behaviour timers off, always in the same order: Form1's
// Timer1, tmrdrink, tmrmove, tmrmsn, then Form2's Timer1, tmrdrinkwait,
// tmrendshow, tmrlastclip, tmrmsnwait, tmrreloder.
void StopBehaviourTimers(Form1& f1, Form2& f2);

}  // namespace ql
