#include "app/platform_check.h"

#include "platform/system.h"

namespace ql {

void GetPlatformId(System& system, std::int32_t& lastApiResult, std::int32_t& platformId) {
    OsVersionInfoA info{};
    info.dwOSVersionInfoSize = sizeof(OsVersionInfoA);
    lastApiResult = system.getVersionEx(&info);
    platformId = static_cast<std::int32_t>(info.dwPlatformId);
}

}  // namespace ql
