// The shell on the real system: ShellExecuteA, with COM made ready on this
// thread first, as the shell's handlers may need it (done once, on the first
// link the user follows).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/win32_system.h"

namespace ql {

LongPtr Win32System::shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                                  const char* directory, int showCommand) {
    // The shell may hand the address to extensions that need COM on this thread.
    if (!comInitialised_) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        comInitialised_ = true;
    }
    const HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), operation, file, parameters, directory, showCommand);
    return reinterpret_cast<LongPtr>(result);
}
}  // namespace ql
