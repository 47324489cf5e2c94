#include "menu/settings_store.h"

#include <exception>

#include "app/quorlin.h"

namespace ql {

namespace {

// Closes the key however the operation leaves, so no handle outlives it.
class OpenKey {
public:
    OpenKey(System& system, std::uint32_t access, std::int32_t& result) : system_(system) {
        result = system_.regOpenKeyEx(hkeyCurrentUser(), kSettingsKey, 0, access, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
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
    StoredNumber stored{0, REG_DWORD, 0};
    std::uint32_t size = 4;
    stored.result = system.regQueryValueEx(key, kOnTopValue, nullptr, &stored.type,
                                           reinterpret_cast<std::uint8_t*>(&stored.value), &size);
    return stored;
}

// Unexpected failures are reported with the warning icon and the operation
// returns normally, keeping whatever it had already handed back.
template <class Operation>
void trapped(Quorlin& program, Operation&& operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        program.runtime.MsgBox(error.what(), MB_OK | MB_ICONWARNING);
    }
}

void store(Quorlin& program, std::uint32_t number) {
    trapped(program, [&] {
        std::int32_t opened = 0;
        OpenKey key(program.system(), KEY_WRITE, opened);
        if (!key.get()) return;
        program.system().regSetValueEx(key.get(), kOnTopValue, 0, REG_DWORD,
                                       reinterpret_cast<const std::uint8_t*>(&number), sizeof number);
    });
}

}  // namespace

void CheckSettings(Quorlin& program, std::int32_t& status) {
    trapped(program, [&] {
        OpenKey key(program.system(), KEY_READ, status);
        if (key.get()) status = readStoredNumber(program.system(), key.get()).result;
    });
}

void ReadOnTop(Quorlin& program, std::int32_t& value) {
    trapped(program, [&] {
        std::int32_t opened = 0;
        OpenKey key(program.system(), KEY_READ, opened);
        if (!key.get()) return;
        const StoredNumber stored = readStoredNumber(program.system(), key.get());
        // A value that is missing, longer than four bytes or of another type
        // reads as 0: its buffer contents are not a stored number.
        const bool isNumber = stored.result == ERROR_SUCCESS && stored.type == REG_DWORD;
        value = isNumber ? static_cast<std::int32_t>(stored.value) : 0;
    });
}

void SaveOnTopOn(Quorlin& program) { store(program, 1); }
void SaveOnTopOff(Quorlin& program) { store(program, 0); }

}  // namespace ql
