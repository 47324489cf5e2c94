// The timer facility and the event order, on a small form of the test's own.
#include <gtest/gtest.h>

#include "platform/runtime/form.h"
#include "platform/sim/sim_system.h"

namespace ql::test {
namespace {

class Probe : public Form {
public:
    explicit Probe(Runtime& runtime) : Form(runtime, stored()) {}

    void slow_Timer() {
        log.push_back("slow@" + std::to_string(system().now()));
        if (blockNextTick) system().sleep(2000);
        blockNextTick = false;
    }
    void fast_Timer() { log.push_back("fast@" + std::to_string(system().now())); }

    Timer slow{*this, 1000, &Form::handler<&Probe::slow_Timer>};
    Timer fast{*this, 1, &Form::handler<&Probe::fast_Timer>};
    std::vector<std::string> log;
    bool blockNextTick = false;

    SimSystem& system() { return static_cast<SimSystem&>(Form::system()); }

protected:
    void Form_MouseDown(int Button, int, float X, float) override {
        log.push_back("down" + std::to_string(Button) + " x" + std::to_string(static_cast<int>(X)) + "@" +
                      std::to_string(system().now()));
    }

private:
    static WindowSpec stored() {
        WindowSpec s;
        s.formName = "Probe";
        s.width = 10;
        s.height = 10;
        return s;
    }
};

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        probe.Load();
        probe.setVisible(true);
    }
    SimSystem sim;
    Runtime runtime{sim, "Test"};
    Probe probe{runtime};
};

TEST_F(Timers, ShortIntervalsRunAtTheSystemMinimum) {
    probe.fast.setEnabled(true);
    sim.advance(35);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"fast@10", "fast@20", "fast@30"}));
}

TEST_F(Timers, OnFromOffStartsAFullIntervalOnWhileOnDoesNot) {
    probe.slow.setEnabled(true);
    sim.advance(600);
    probe.slow.setEnabled(true);  // already on: countdown untouched
    sim.advance(400);
    EXPECT_EQ(probe.log, std::vector<std::string>{"slow@1000"});
    sim.advance(300);
    probe.slow.setEnabled(false);
    probe.slow.setEnabled(true);  // off then on: a full new interval
    sim.advance(999);
    EXPECT_EQ(probe.log.size(), 1u);
    sim.advance(1);
    EXPECT_EQ(probe.log.back(), "slow@2300");
}

TEST_F(Timers, InputDuringABlockRunsAfterItInOrderAndOverdueTimersTickOnce) {
    probe.blockNextTick = true;
    probe.slow.setEnabled(true);
    probe.fast.setEnabled(true);
    sim.postMouse(MouseAction::Down, 1, 3, 0, 1500);
    sim.postMouse(MouseAction::Down, 2, 4, 0, 1200);
    sim.advance(995);
    probe.log.clear();
    sim.advance(5);  // the slow tick at 1000 blocks until 3000
    EXPECT_EQ(sim.now(), 3000u);
    sim.advance(10);
    const std::vector<std::string> expected = {
        "slow@1000",                          // switched on first, so first of the two due at 1000
        "down2 x60@3000", "down1 x45@3000",  // the queued input, in time order, before any tick
        "fast@3000",                          // overdue 200 times over, ticks once
        "slow@3000",                          // came due at 2000 during its own block
        "fast@3010",
    };
    EXPECT_EQ(probe.log, expected);
}

TEST_F(Timers, NoTickAfterTheWindowIsUnloaded) {
    probe.slow.setEnabled(true);
    probe.Unload();
    sim.advance(5000);
    EXPECT_TRUE(probe.log.empty());
    EXPECT_FALSE(probe.slow.Enabled());
}

}  // namespace
}  // namespace ql::test
