// The simulated shell: ShellExecuteA records what it was handed, for the
// test to read, and answers with the result the test chose.
#include <optional>

#include "platform/sim/sim_system.h"

namespace ql {

LongPtr SimSystem::shellExecute(Hwnd owner, const char* operation, const char* file, const char* parameters,
                                const char* directory, int showCommand) {
    raiseIfFailing("ShellExecuteA");
    auto text = [](const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; };
    shellCalls_.push_back({owner, text(operation), text(file), text(parameters), text(directory), showCommand});
    if (tracing_)
        note("ShellExecuteA " + nameOf(owner) + " " + (file ? file : "(none)") + " " + std::to_string(showCommand));
    return shellResult_;
}

}  // namespace ql
