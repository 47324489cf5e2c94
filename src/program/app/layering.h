// Layered-window operations. Each call is complete in itself: it is handed the
// window and, where it merges styles, reads the style again. Each keeps the
// result of its latest style call in `lastApiResult`.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace ql {

// The character window becomes layered with pure blue keyed out, fully opaque.
void ApplyColorKey(System& system, Hwnd character, std::int32_t& lastApiResult);
// The character keeps its key and is drawn at opacity level/255. A level
// outside 0-255 raises "Overflow" after the style change.
void SetCharacterAlpha(System& system, Hwnd character, std::int32_t& lastApiResult, std::int32_t level);
// The About window's extended style becomes exactly the layered style and it
// is drawn at opacity level/255; same overflow rule.
void SetAboutAlpha(System& system, Hwnd about, std::int32_t& lastApiResult, std::int32_t level);

}  // namespace ql
