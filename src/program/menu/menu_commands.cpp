// The popup menu's commands, run after the menu has closed.
#include "app/quorlin.h"
#include "menu/settings_store.h"

namespace ql {

// Loads the About window when it is not loaded; otherwise the same window
// comes to the front, fading or not.
void Form2::About_Click() { program_.form3.Show(); }

void Form2::ontop_Click() {
    // The check mark was set from the store just before the menu opened.
    const bool wasOn = ontop.Checked();
    if (wasOn)
        SaveOnTopOff(runtime());
    else
        SaveOnTopOn(runtime());
    system().setWindowPos(program_.form1.hWnd(), wasOn ? hwndNotopmost() : hwndTopmost(), 0, 0, 0, 0,
                          kSwpNoSize | kSwpNoMove | kSwpShowWindow);
}

void Form2::Close_Click() {
    Unload();
    runtime().End();
}

}  // namespace ql
