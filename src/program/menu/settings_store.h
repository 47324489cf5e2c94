// The one stored setting, Keep on top, under the current user's registry.
// Every operation opens the key, does its work and closes it again. The
// program never creates the key: the installer does.
#pragma once

#include <cstdint>

namespace ql {

class Runtime;

inline constexpr const char* kSettingsKey = "Software\\Kestrane's Software\\Quorlin\\1.0";
inline constexpr const char* kOnTopValue = "ontop";

// status = the open's result code, then the read's; 0 means installed.
void CheckSettings(Runtime& runtime, std::int32_t& status);
// value = the stored number when the key opens (0 when the value is missing,
// too long or not a 32-bit number); left alone when the key does not open.
void ReadOnTop(Runtime& runtime, std::int32_t& value);
// Store 1 / 0 when the key opens; otherwise nothing, silently.
void SaveOnTopOn(Runtime& runtime);
void SaveOnTopOff(Runtime& runtime);

}  // namespace ql
