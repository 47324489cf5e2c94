// The Windows program: the program built on the real system.
#include <exception>

#include "app/quorlin.h"
#include "platform/win32/win32_system.h"

int main() {
    ql::Win32System system;
    try {
        ql::Quorlin program(system);
        program.start();
        return system.runMessageLoop();
    } catch (const std::exception& error) {
        // Only a damaged program file gets here: its pictures could not be read.
        system.messageBox(error.what(), "Quorlin", ql::kMbOk | ql::kMbIconHand);
        return 1;
    }
}
