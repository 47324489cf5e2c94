// Drinking: a twelve-frame clip 300 ms apart, then a 5-s pause on its last frame.
#include "app/quorlin.h"
#include "behaviour/clip_cell.h"

namespace ql {

void Form1::tmrdrink_Timer() {
    const int played = playClipStep(txtdrink, 12, 9, [&](int frame) { ShowFrame(frame); });
    if (played == 11) {
        tmrdrink.setEnabled(false);
        program_.form2.tmrdrinkwait.setEnabled(true);
    }
}

void Form2::tmrdrinkwait_Timer() {
    program_.form1.tmrdrink.setEnabled(true);
    tmrdrinkwait.setEnabled(false);
}

}  // namespace ql
