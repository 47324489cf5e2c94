#pragma once

namespace ql {

class Quorlin;

// Switches the ten behaviour timers off, always in the same order: Form1's
// Timer1, tmrdrink, tmrmove, tmrmsn, then Form2's Timer1, tmrdrinkwait,
// tmrendshow, tmrlastclip, tmrmsnwait, tmrreloder.
void StopBehaviourTimers(Quorlin& program);

}  // namespace ql
