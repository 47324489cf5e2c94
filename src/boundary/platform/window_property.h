// Pointers kept with a window under a name, as the system keeps window
// properties. A window procedure of the program is a plain function that the
// system calls with nothing but the window: this is how it finds the object
// it belongs to. Like the system's own, these need no System: the backend in
// use defines them, and a window handle names its window wherever it is used.
#pragma once

#include "platform/types.h"

namespace ql {

void setWindowProperty(Hwnd window, const char* name, void* value);
void* windowProperty(Hwnd window, const char* name);  // null when none is set
void removeWindowProperty(Hwnd window, const char* name);

}  // namespace ql
