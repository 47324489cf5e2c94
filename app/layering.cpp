#include "app/layering.h"

#include "app/quorlin.h"
#include "platform/runtime/conversions.h"

namespace ql {

namespace {

constexpr ColorRef kKeyColour = rgb(0, 0, 255);

// Adds the layered bit to whatever extended style the character window has.
Hwnd makeCharacterLayered(Quorlin& program) {
    System& system = program.system();
    const Hwnd window = program.form1.hWnd();
    program.values.LastApiResult = system.getWindowLong(window, GWL_EXSTYLE);
    program.values.LastApiResult =
        system.setWindowLong(window, GWL_EXSTYLE, program.values.LastApiResult | WS_EX_LAYERED);
    return window;
}

}  // namespace

void ApplyColorKey(Quorlin& program) {
    const Hwnd window = makeCharacterLayered(program);
    // With the key flag alone the opacity argument is ignored: this is what
    // brings a faded character back.
    program.system().setLayeredWindowAttributes(window, kKeyColour, 128, LWA_COLORKEY);
}

void SetCharacterAlpha(Quorlin& program, std::int32_t level) {
    const Hwnd window = makeCharacterLayered(program);
    const std::uint8_t alpha = toByte(level);
    program.system().setLayeredWindowAttributes(window, kKeyColour, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void SetAboutAlpha(Quorlin& program, std::int32_t level) {
    const Hwnd window = program.form3.hWnd();
    program.values.LastApiResult = program.system().setWindowLong(window, GWL_EXSTYLE, WS_EX_LAYERED);
    const std::uint8_t alpha = toByte(level);
    program.system().setLayeredWindowAttributes(window, rgb(255, 0, 0), alpha, LWA_ALPHA);
}

}  // namespace ql
