// The settings store on the real system: the ANSI registry calls.
#include "platform/win32/win32_system.h"

#include <windows.h>

namespace ql {

std::int32_t Win32System::regOpenKeyEx(Hkey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                                       Hkey* result) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(reinterpret_cast<HKEY>(root), subKey, options, access, &opened);
    *result = reinterpret_cast<Hkey>(opened);
    return status;
}

std::int32_t Win32System::regQueryValueEx(Hkey key, const char* name, std::uint32_t* reserved,
                                          std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
    return RegQueryValueExA(reinterpret_cast<HKEY>(key), name, reinterpret_cast<LPDWORD>(reserved),
                            reinterpret_cast<LPDWORD>(type), data, reinterpret_cast<LPDWORD>(size));
}

std::int32_t Win32System::regSetValueEx(Hkey key, const char* name, std::uint32_t reserved, std::uint32_t type,
                                        const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(reinterpret_cast<HKEY>(key), name, reserved, type, data, size);
}

std::int32_t Win32System::regCloseKey(Hkey key) { return RegCloseKey(reinterpret_cast<HKEY>(key)); }

}  // namespace ql
