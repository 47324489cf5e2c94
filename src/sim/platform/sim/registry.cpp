// The simulated per-user registry: keys and values in memory, names compared
// without regard to case, and the result codes the real registry returns.
// Only HKEY_CURRENT_USER exists; there are no security descriptors beyond a
// per-key "access denied" switch.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/sim/sim_system.h"

namespace ql {

namespace {

constexpr std::int32_t ERROR_KEY_DELETED = 1018;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

SimSystem::RegistryKey* SimSystem::key(const std::string& path) {
    auto it = registry_.find(lower(path));
    return it == registry_.end() ? nullptr : &it->second;
}

const SimSystem::RegistryKey* SimSystem::key(const std::string& path) const {
    auto it = registry_.find(lower(path));
    return it == registry_.end() ? nullptr : &it->second;
}

void SimSystem::regCreateKey(const std::string& path) { registry_[lower(path)]; }

void SimSystem::regDeleteKey(const std::string& path) { registry_.erase(lower(path)); }

void SimSystem::regPut(const std::string& path, const std::string& name, std::uint32_t type,
                       std::vector<std::uint8_t> data) {
    registry_[lower(path)].values[lower(name)] = {type, std::move(data)};
}

void SimSystem::regPutDword(const std::string& path, const std::string& name, std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    regPut(path, name, kRegDword, std::move(bytes));
}

void SimSystem::regDeleteValue(const std::string& path, const std::string& name) {
    if (RegistryKey* k = key(path)) k->values.erase(lower(name));
}

void SimSystem::regDenyAccess(const std::string& path, bool denied) { registry_[lower(path)].denied = denied; }

std::optional<SimRegistryValue> SimSystem::regGet(const std::string& path, const std::string& name) const {
    const RegistryKey* k = key(path);
    if (!k) return std::nullopt;
    auto it = k->values.find(lower(name));
    if (it == k->values.end()) return std::nullopt;
    return it->second;
}

std::int32_t SimSystem::regOpenKeyEx(Hkey root, const char* subKey, std::uint32_t /*options*/,
                                     std::uint32_t /*access*/, Hkey* result) {
    raiseIfFailing("RegOpenKeyExA");
    if (root != hkeyCurrentUser()) return kErrorInvalidHandle;
    const RegistryKey* k = key(subKey);
    if (!k) return kErrorFileNotFound;
    if (k->denied) return kErrorAccessDenied;
    const Hkey handle = reinterpret_cast<Hkey>(nextKey_);
    nextKey_ += 4;
    openKeys_[handle] = lower(subKey);
    *result = handle;
    return kErrorSuccess;
}

std::int32_t SimSystem::regQueryValueEx(Hkey handle, const char* name, std::uint32_t* /*reserved*/,
                                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    raiseIfFailing("RegQueryValueExA");
    auto open = openKeys_.find(handle);
    if (open == openKeys_.end()) return kErrorInvalidHandle;
    const RegistryKey* k = key(open->second);
    if (!k) return ERROR_KEY_DELETED;
    auto it = k->values.find(lower(name));
    if (it == k->values.end()) return kErrorFileNotFound;
    const SimRegistryValue& value = it->second;
    if (type) *type = value.type;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data && size && *size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    if (data && needed) std::memcpy(data, value.data.data(), needed);
    if (size) *size = needed;
    return kErrorSuccess;
}

std::int32_t SimSystem::regSetValueEx(Hkey handle, const char* name, std::uint32_t /*reserved*/,
                                      std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
    raiseIfFailing("RegSetValueExA");
    auto open = openKeys_.find(handle);
    if (open == openKeys_.end()) return kErrorInvalidHandle;
    RegistryKey* k = key(open->second);
    if (!k) return ERROR_KEY_DELETED;
    k->values[lower(name)] = {type, std::vector<std::uint8_t>(data, data + size)};
    if (tracing_) {
        std::string bytes;
        for (std::uint32_t i = 0; i < size; ++i) bytes += (i ? " " : "") + std::to_string(data[i]);
        note("RegSetValueExA " + std::string(name) + " type " + std::to_string(type) + " [" + bytes + "]");
    }
    return kErrorSuccess;
}

std::int32_t SimSystem::regCloseKey(Hkey handle) {
    return openKeys_.erase(handle) ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace ql
