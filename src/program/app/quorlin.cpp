#include "app/quorlin.h"

namespace ql {

Quorlin::Quorlin(System& system) : runtime(system, "Quorlin"), form1(*this), form2(*this), form3(*this) {}

void Quorlin::start() {
    runtime.dispatch([&] {
        form1.Form_Initialize();
        form1.Load();
    });
}

}  // namespace ql
