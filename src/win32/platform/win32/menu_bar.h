// The menu bar a form window is created with.
#pragma once

#include <vector>

#include "platform/system.h"

#include <windows.h>

namespace ql {

HMENU createMenuBar(const std::vector<MenuSpec>& items);

}  // namespace ql
