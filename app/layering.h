// Layered-window operations. Each call is complete in itself: it fetches the
// window handle and, where it merges styles, reads the style again.
#pragma once

#include <cstdint>

namespace ql {

class Quorlin;

// The character window becomes layered with pure blue keyed out, fully opaque.
void ApplyColorKey(Quorlin& program);
// The character keeps its key and is drawn at opacity level/255. A level
// outside 0-255 raises "Overflow" after the style change.
void SetCharacterAlpha(Quorlin& program, std::int32_t level);
// The About window's extended style becomes exactly WS_EX_LAYERED and it is
// drawn at opacity level/255; same overflow rule.
void SetAboutAlpha(Quorlin& program, std::int32_t level);

}  // namespace ql
