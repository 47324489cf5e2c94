// The simulated process: version information, named mutexes, message boxes
// answered by the test, the end of the process and of the user's session,
// the program's asset files (read from the source tree) and fault injection.
#include <fstream>
#include <iterator>

#include "platform/errors.h"
#include "platform/sim/sim_system.h"

namespace ql {

SimSystem::SimSystem() = default;
SimSystem::~SimSystem() = default;

// Callers test tracing_ before building the line: with tracing off the
// simulated desktop allocates nothing on a timer tick.
void SimSystem::note(const std::string& line) {
    if (tracing_) trace_.push_back(line);
}

void SimSystem::failNext(const std::string& operation, const std::string& description) {
    faults_[operation] = description;
}

void SimSystem::raiseIfFailing(const char* operation) {
    auto it = faults_.find(operation);
    if (it == faults_.end()) return;
    const std::string description = it->second;
    faults_.erase(it);
    throw RuntimeError(description);
}

void SimSystem::setScreenSize(int width, int height) {
    screenWidth_ = width;
    screenHeight_ = height;
}

void SimSystem::setWorkArea(Rect area) { workArea_ = area; }

void SimSystem::setPlatform(std::uint32_t platformId, bool versionCallSucceeds) {
    platformId_ = platformId;
    versionCallSucceeds_ = versionCallSucceeds;
}

std::int32_t SimSystem::getVersionEx(OsVersionInfoA* info) {
    raiseIfFailing("GetVersionExA");
    if (!versionCallSucceeds_ || info->dwOSVersionInfoSize != sizeof(OsVersionInfoA)) return 0;
    info->dwMajorVersion = 10;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 19045;
    info->dwPlatformId = platformId_;
    return 1;
}

std::int32_t SimSystem::systemParametersInfo(std::uint32_t action, std::uint32_t /*param*/, void* data,
                                             std::uint32_t /*winIni*/) {
    if (action != kSpiGetWorkArea || !data) return 0;
    *static_cast<Rect*>(data) = scale_.rectToLogical(workArea_);
    return 1;
}

Handle SimSystem::createMutex(void* /*attributes*/, std::int32_t /*initialOwner*/, const char* name) {
    ++mutexes_[name ? name : ""];
    if (tracing_) note(std::string("CreateMutexA ") + (name ? name : ""));
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(0x5000 + mutexes_.size()));
}

int SimSystem::mutexCount(const std::string& name) const {
    auto it = mutexes_.find(name);
    return it == mutexes_.end() ? 0 : it->second;
}

int SimSystem::messageBox(const char* text, const char* title, std::uint32_t type) {
    boxes_.push_back({text, title, type, nowMs_});
    if (tracing_) note("MessageBox " + std::to_string(type) + " " + text);
    return responder_ ? responder_(boxes_.back()) : kIdOk;
}

void SimSystem::endProcess() {
    if (tracing_) note("End");
    ended_ = true;
    input_.clear();
    posted_.clear();
    timers_.clear();
}

bool SimSystem::endSession() {
    const std::vector<Hwnd> windows = zOrder();
    for (Hwnd handle : windows)
        if (windows_.count(handle) && callWindowProc(windows_[handle].procedure, handle, kWmQueryEndSession, 0, 0) == 0)
            return false;
    if (tracing_) note("EndSession");
    run([&] {
        for (Hwnd handle : windows)
            if (!ended_ && windows_.count(handle)) callWindowProc(windows_[handle].procedure, handle, kWmEndSession, 1, 0);
    });
    return true;
}

std::vector<std::uint8_t> SimSystem::loadAsset(const char* fileName) {
    const std::string path = std::string(QL_ASSET_DIR) + "/" + fileName;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw RuntimeError("File not found: " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace ql
