#include "app/platform_check.h"

#include "app/quorlin.h"

namespace ql {

void GetPlatformId(Quorlin& program, std::int32_t& platformId) {
    OsVersionInfoA info{};
    info.dwOSVersionInfoSize = sizeof(OsVersionInfoA);
    program.values.LastApiResult = program.system().getVersionEx(&info);
    platformId = static_cast<std::int32_t>(info.dwPlatformId);
}

}  // namespace ql
