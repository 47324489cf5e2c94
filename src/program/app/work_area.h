#pragma once

#include <cstdint>

namespace ql {

class System;

// Right and bottom edge of the desktop work area in pixels; 0 when the query fails.
void GetWorkAreaRight(System& system, std::int32_t& right);
void GetWorkAreaBottom(System& system, std::int32_t& bottom);

}  // namespace ql
