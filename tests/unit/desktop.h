// A fresh simulated desktop with the program installed on it, for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/quorlin.h"
#include "menu/settings_store.h"
#include "platform/sim/sim_system.h"

namespace ql::test {

class Desktop : public ::testing::Test {
protected:
    void install(std::uint32_t ontop = 0) { sim.regPutDword(kSettingsKey, kOnTopValue, ontop); }

    // Starts the program as the system would; an End during start-up unwinds here.
    Quorlin& start() {
        program = std::make_unique<Quorlin>(sim);
        sim.run([&] { program->start(); });
        return *program;
    }

    Hwnd character() const { return program->form1.hWnd(); }
    Rect characterRect() { return sim.windowRect(character()); }

    // Which of the ten behaviour timers run, in the drag table's order.
    std::string runningTimers() const {
        const Form1& f1 = program->form1;
        const Form2& f2 = program->form2;
        const std::pair<const Timer*, const char*> timers[] = {
            {&f1.Timer1, "Form1.Timer1"}, {&f1.tmrdrink, "tmrdrink"},         {&f1.tmrmove, "tmrmove"},
            {&f1.tmrmsn, "tmrmsn"},       {&f2.Timer1, "Form2.Timer1"},      {&f2.tmrdrinkwait, "tmrdrinkwait"},
            {&f2.tmrendshow, "tmrendshow"}, {&f2.tmrlastclip, "tmrlastclip"}, {&f2.tmrmsnwait, "tmrmsnwait"},
            {&f2.tmrreloder, "tmrreloder"}};
        std::string on;
        for (const auto& [timer, name] : timers)
            if (timer->Enabled()) on += (on.empty() ? "" : " ") + std::string(name);
        return on;
    }

    // The sprite frame the character window shows (1-28), 0 for none.
    int shownFrame() const {
        const Image* picture = program->form1.Picture();
        for (int n = 1; n <= 28; ++n)
            if (picture == &program->form1.imgl.ListImage(n)) return n;
        return 0;
    }

    SimSystem sim;
    std::unique_ptr<Quorlin> program;
};

}  // namespace ql::test
