// The scale of a window or a monitor on the real system. The calls that give
// one window's or one monitor's DPI came with later Windows versions and are
// looked up when first needed; where they are missing, every window has the
// screen's DPI. Internal to platform/win32/.
#pragma once

#include <windows.h>

#include "platform/display_scale.h"

namespace ql {

// The scale a window is drawn at.
DisplayScale scaleOfWindow(HWND window);
// The scale of the monitor nearest to a physical point.
DisplayScale scaleAt(POINT point);

}  // namespace ql
