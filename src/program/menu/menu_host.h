// The owner-drawn popup menu: the hook on the menu host's window procedure,
// the marking of the three items, and the procedure that measures and paints
// them from their pictures.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace ql {

class Quorlin;

void HookMenuHost(Quorlin& program);
void UnhookMenuHost(Quorlin& program);
void MakeMenuOwnerDrawn(System& system, Hwnd host);
LongPtr QL_CALLBACK MenuHostWindowProc(Hwnd window, std::uint32_t message, UintPtr wParam, LongPtr lParam);

}  // namespace ql
