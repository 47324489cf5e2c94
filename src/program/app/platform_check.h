#pragma once

#include <cstdint>

namespace ql {

class System;

// The platform identifier of the running system: 0 Win32s, 1 the 95/98/Me
// family, 2 the NT family; 0 when the version query fails. The query's
// result goes to `lastApiResult`.
void GetPlatformId(System& system, std::int32_t& lastApiResult, std::int32_t& platformId);

}  // namespace ql
