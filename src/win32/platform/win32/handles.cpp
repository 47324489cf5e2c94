#include "platform/win32/handles.h"

#include "platform/errors.h"

namespace ql {

void raiseSystemError(const char* call) {
    const DWORD code = GetLastError();
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
    std::string description = std::string(call) + " failed: ";
    if (length == 0) {
        description += "error " + std::to_string(code);
    } else {
        description.append(text, length);
        while (!description.empty() && (description.back() == '\n' || description.back() == '\r' ||
                                        description.back() == ' ' || description.back() == '.'))
            description.pop_back();
    }
    throw RuntimeError(description);
}

}  // namespace ql
