// The values the whole program shares, all 32-bit signed; edges and positions
// are screen pixels.
#pragma once

#include <cstdint>

namespace ql {

struct ProgramValues {
    std::int32_t PlatformId = 0;
    std::int32_t OnTopSetting = 0;
    std::int32_t WorkRight = 0;
    std::int32_t WorkBottom = 0;
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::int32_t LastApiResult = 0;  // never read across operations
};

}  // namespace ql
