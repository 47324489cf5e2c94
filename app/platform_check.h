#pragma once

#include <cstdint>

namespace ql {

class Quorlin;

// The platform identifier of the running system: 0 Win32s, 1 the 95/98/Me
// family, 2 the NT family; 0 when the version query fails.
void GetPlatformId(Quorlin& program, std::int32_t& platformId);

}  // namespace ql
