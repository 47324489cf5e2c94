// The messenger: a seven-frame loop for 15 s, then the closing pose held for
// 2 s with the whole program blocked, then back to drinking.
#include "app/quorlin.h"
#include "behaviour/clip_cell.h"

namespace ql {

void Form1::tmrmsn_Timer() {
    playClipStep(txtmsn, 7, 21, [&](int frame) { ShowFrame(frame); });
}

void Form2::tmrmsnwait_Timer() {
    Form1& form1 = program_.form1;
    form1.tmrmsn.setEnabled(false);
    form1.ShowFrame(28);  // repaints at once, so the pose is on screen for the block
    system().sleep(2000);
    form1.tmrdrink.setEnabled(true);
    tmrdrinkwait.setEnabled(true);
    tmrlastclip.setEnabled(true);
    tmrmsnwait.setEnabled(false);
}

}  // namespace ql
