// Dragging the character with the left button, and its popup menu on the right.
#include "app/quorlin.h"
#include "behaviour/behaviour_timers.h"
#include "menu/settings_store.h"

namespace ql {

void Form1::Form_MouseDown(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button != vbRightButton) return;
    std::int32_t stored = 0;
    ReadOnTop(runtime(), stored);
    program_.form2.ontop.setChecked(stored == 1);
    PopupMenu(program_.form2.Base);
}

void Form1::Form_MouseMove(int Button, int /*Shift*/, float X, float Y) {
    if (Button == 0) {
        GrabX = X;
        GrabY = Y;
        return;
    }
    if (Button != vbLeftButton) return;
    // Summed wide, stored as single precision, as the runtime does.
    setLeft(static_cast<float>(static_cast<double>(Left()) + X - GrabX));
    setTop(static_cast<float>(static_cast<double>(Top()) + Y - GrabY));
    StopBehaviourTimers(*this, program_.form2);
    txtdetect.setText("1");
}

void Form1::Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (txtdetect.Text() != "1") return;
    ProgramValues& v = program_.values;
    v.PosX = twipsToPixels(Left(), runtime().TwipsPerPixelX());
    v.PosY = twipsToPixels(Top(), runtime().TwipsPerPixelY());
    StopBehaviourTimers(*this, program_.form2);
    txt.setText("0");
    txtdrink.setText("0");
    txtmsn.setText("0");
    txtdetect.setText("0");
    tmrmove.setEnabled(true);
    Timer1.setEnabled(true);
}

}  // namespace ql
