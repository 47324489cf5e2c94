// The process on the real system: version information, the named
// mutex, message boxes, ending the process and the assets embedded as
// resources (named after their files: "frame01.bmp" is FRAME01_BMP).
#include <cctype>
#include <string>

#include "platform/errors.h"
#include "platform/win32/win32_system.h"

#include <windows.h>

namespace ql {

std::int32_t Win32System::getVersionEx(OsVersionInfoA* info) {
    // The call is deprecated but still answers the platform question the program asks.
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(info));
}

Handle Win32System::createMutex(void* attributes, std::int32_t initialOwner, const char* name) {
    return CreateMutexA(static_cast<LPSECURITY_ATTRIBUTES>(attributes), initialOwner, name);
}

int Win32System::messageBox(const char* text, const char* title, std::uint32_t type) {
    return MessageBoxA(nullptr, text, title, type | MB_SETFOREGROUND);
}

void Win32System::endProcess() { ExitProcess(0); }

std::vector<std::uint8_t> Win32System::loadAsset(const char* fileName) {
    std::string name;
    for (const char* c = fileName; *c; ++c)
        name += *c == '.' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) throw RuntimeError("Resource not found: " + name);
    return {bytes, bytes + SizeofResource(module, found)};
}

}  // namespace ql
