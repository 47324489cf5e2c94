#include "app/layering.h"

#include "platform/runtime/conversions.h"

namespace ql {

namespace {

constexpr ColorRef kKeyColour = rgb(0, 0, 255);

// Adds the layered bit to whatever extended style the character window has.
void makeCharacterLayered(System& system, Hwnd character, std::int32_t& lastApiResult) {
    lastApiResult = system.getWindowLong(character, kGwlExStyle);
    lastApiResult = system.setWindowLong(character, kGwlExStyle, lastApiResult | kWsExLayered);
}

}  // namespace

void ApplyColorKey(System& system, Hwnd character, std::int32_t& lastApiResult) {
    makeCharacterLayered(system, character, lastApiResult);
    // With the key flag alone the opacity argument is ignored: this is what
    // brings a faded character back.
    system.setLayeredWindowAttributes(character, kKeyColour, 128, kLwaColorKey);
}

void SetCharacterAlpha(System& system, Hwnd character, std::int32_t& lastApiResult, std::int32_t level) {
    makeCharacterLayered(system, character, lastApiResult);
    const std::uint8_t alpha = toByte(level);
    system.setLayeredWindowAttributes(character, kKeyColour, alpha, kLwaColorKey | kLwaAlpha);
}

void SetAboutAlpha(System& system, Hwnd about, std::int32_t& lastApiResult, std::int32_t level) {
    lastApiResult = system.setWindowLong(about, kGwlExStyle, kWsExLayered);
    const std::uint8_t alpha = toByte(level);
    system.setLayeredWindowAttributes(about, rgb(255, 0, 0), alpha, kLwaAlpha);
}

}  // namespace ql
