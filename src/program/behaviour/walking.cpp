// The walk: the eight-frame waddle and the 3-px diagonal step, until the
// window reaches the right edge or comes within 110 px of the bottom.
#include "app/quorlin.h"
#include "behaviour/clip_cell.h"
#include "platform/runtime/conversions.h"

namespace ql {

void Form1::Timer1_Timer() {
    playClipStep(txt, 8, 1, [&](int frame) { ShowFrame(frame); });
}

void Form1::tmrmove_Timer() {
    ProgramValues& v = program_.values;
    v.PosX = checkedAdd(v.PosX, 3);
    v.PosY = checkedAdd(v.PosY, 3);
    const float tppX = runtime().TwipsPerPixelX();
    const float tppY = runtime().TwipsPerPixelY();
    system().moveWindow(hWnd(), v.PosX, v.PosY, twipsToPixels(Width(), tppX), twipsToPixels(Height(), tppY), 1);

    runtime().DoEvents();

    // The right-edge test uses the exact, unrounded width.
    if (static_cast<double>(v.WorkRight) - static_cast<double>(Width()) / tppX <= static_cast<double>(v.PosX))
        arrive();
    if (static_cast<std::int64_t>(v.PosY) >= static_cast<std::int64_t>(v.WorkBottom) - 110) arrive();
}

void Form1::arrive() {
    tmrmove.setEnabled(false);
    Timer1.setEnabled(false);
    tmrdrink.setEnabled(true);
    program_.form2.Timer1.setEnabled(true);
    txt.setText("0");
}

}  // namespace ql
