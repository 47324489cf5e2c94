#include "platform/runtime/state_cell.h"

namespace ql {

// Out of line: inlined with literal arguments, GCC 12 reports a false
// overlap in the string copy (-Wrestrict).
void StateCell::setText(std::string_view text) { text_.assign(text); }

}  // namespace ql
