#include "app/work_area.h"

#include "platform/system.h"

namespace ql {

namespace {

Rect queryWorkArea(System& system) {
    Rect area;
    system.systemParametersInfo(kSpiGetWorkArea, 0, &area, 0);
    return area;
}

}  // namespace

void GetWorkAreaRight(System& system, std::int32_t& right) { right = queryWorkArea(system).right; }
void GetWorkAreaBottom(System& system, std::int32_t& bottom) { bottom = queryWorkArea(system).bottom; }

}  // namespace ql
