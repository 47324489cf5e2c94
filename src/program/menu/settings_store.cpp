#include "menu/settings_store.h"

#include <exception>

#include "platform/runtime/runtime.h"

namespace ql {

namespace {

// Closes the key however the operation leaves, so no handle outlives it.
class OpenKey {
public:
    OpenKey(System& system, std::uint32_t access, std::int32_t& result) : system_(system) {
        result = system_.regOpenKeyEx(hkeyCurrentUser(), kSettingsKey, 0, access, &key_);
        if (result != kErrorSuccess) key_ = nullptr;
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) system_.regCloseKey(key_);
    }
    Hkey get() const { return key_; }

private:
    System& system_;
    Hkey key_ = nullptr;
};

struct StoredNumber {
    std::int32_t result;
    std::uint32_t type;
    std::uint32_t value;
};

StoredNumber readStoredNumber(System& system, Hkey key) {
    StoredNumber stored{0, kRegDword, 0};
    std::uint32_t size = 4;
    stored.result = system.regQueryValueEx(key, kOnTopValue, nullptr, &stored.type,
                                           reinterpret_cast<std::uint8_t*>(&stored.value), &size);
    return stored;
}

// Unexpected failures are reported with the warning icon and the operation
// returns normally, keeping whatever it had already handed back.
template <class Operation>
void trapped(Runtime& runtime, Operation&& operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        runtime.MsgBox(error.what(), kMbOk | kMbIconWarning);
    }
}

void store(Runtime& runtime, std::uint32_t number) {
    trapped(runtime, [&] {
        std::int32_t opened = 0;
        OpenKey key(runtime.system(), kKeyWrite, opened);
        if (!key.get()) return;
        runtime.system().regSetValueEx(key.get(), kOnTopValue, 0, kRegDword,
                                       reinterpret_cast<const std::uint8_t*>(&number), sizeof number);
    });
}

}  // namespace

void CheckSettings(Runtime& runtime, std::int32_t& status) {
    trapped(runtime, [&] {
        OpenKey key(runtime.system(), kKeyRead, status);
        if (key.get()) status = readStoredNumber(runtime.system(), key.get()).result;
    });
}

void ReadOnTop(Runtime& runtime, std::int32_t& value) {
    trapped(runtime, [&] {
        std::int32_t opened = 0;
        OpenKey key(runtime.system(), kKeyRead, opened);
        if (!key.get()) return;
        const StoredNumber stored = readStoredNumber(runtime.system(), key.get());
        // A value that is missing, longer than four bytes or of another type
        // reads as 0: its buffer contents are not a stored number.
        const bool isNumber = stored.result == kErrorSuccess && stored.type == kRegDword;
        value = isNumber ? static_cast<std::int32_t>(stored.value) : 0;
    });
}

void SaveOnTopOn(Runtime& runtime) { store(runtime, 1); }
void SaveOnTopOff(Runtime& runtime) { store(runtime, 0); }

}  // namespace ql
