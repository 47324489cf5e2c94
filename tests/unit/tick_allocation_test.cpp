// Once the first cycle has run, no timer tick and no drag move allocates:
// what runs many times a second must not touch the heap, in any state.
#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "desktop.h"

namespace ql::test {
namespace {

// On a work area 150 px high the walk arrives after 20 s.
constexpr std::uint64_t kArrival = 20000;
constexpr std::uint64_t kCycle = kArrival + 107000 + 2550 + 15000;

class TickAllocations : public Desktop {
protected:
    void SetUp() override {
        install(0);
        sim.setWorkArea({0, 0, 1024, 150});
        sim.setAfterEachEvent([this] { ++events; });
        start();
        sim.advance(kCycle);  // the warm-up cycle; the second walk begins now
        ASSERT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    }
    void advanceTo(std::uint64_t t) { sim.advance(t - sim.now()); }

    std::size_t events = 0;
};

TEST_F(TickAllocations, TheCounterSeesAnAllocation) {
    AllocationCounter counter;
    // Called directly: a compiler may leave out a new-expression whose block
    // nothing uses, but not a call of the allocation function.
    void* block = ::operator new(64);
    EXPECT_EQ(counter.allocations(), 1u);
    ::operator delete(block);
}

TEST_F(TickAllocations, NoTickAllocatesInAnyState) {
    const std::uint64_t t0 = sim.now();
    const struct {
        const char* state;
        std::uint64_t from, to;  // since the walk began
        const char* timersAtStart;
    } windows[] = {
        {"walking", 500, 19500, "Form1.Timer1 tmrmove"},
        {"first drinking", kArrival + 500, kArrival + 59500, nullptr},
        {"messenger loop", kArrival + 60500, kArrival + 74500, "tmrmsn tmrmsnwait"},
        {"messenger end and closing drinking", kArrival + 74500, kArrival + 106500, nullptr},
        {"fading", kArrival + 106900, kArrival + 109600, nullptr},
        {"waiting for the reload", kArrival + 109600, kArrival + 124500, nullptr},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.state);
        advanceTo(t0 + w.from);
        if (w.timersAtStart) {
            EXPECT_EQ(runningTimers(), w.timersAtStart);
        }
        const std::size_t eventsBefore = events;
        std::size_t allocations = 0;
        {
            AllocationCounter counter;
            advanceTo(t0 + w.to);
            allocations = counter.allocations();
        }
        const std::size_t ticks = events - eventsBefore;
        EXPECT_GE(ticks, 10u);
        EXPECT_EQ(allocations, 0u) << "in " << ticks << " ticks";
    }
    EXPECT_EQ(program->form2.FadeLevel, 0) << "the fade ran within its window";
    EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(TickAllocations, NoDragMoveAllocates) {
    sim.advance(5000);
    const Rect r = characterRect();
    const int x = r.left + 40, y = r.top + 60;
    sim.postMouse(MouseAction::Move, 0, x, y);
    sim.postMouse(MouseAction::Down, vbLeftButton, x, y);
    sim.postMouse(MouseAction::Move, vbLeftButton, x + 1, y + 1);
    sim.advance(0);  // the first move of the drag
    for (int i = 2; i <= 50; ++i) sim.postMouse(MouseAction::Move, vbLeftButton, x + i, y + i / 2);
    std::size_t allocations = 0;
    {
        AllocationCounter counter;
        sim.advance(0);
        allocations = counter.allocations();
    }
    EXPECT_EQ(characterRect().left, r.left + 50);
    EXPECT_EQ(program->form1.txtdetect.Text(), "1");
    EXPECT_EQ(allocations, 0u);
}

}  // namespace
}  // namespace ql::test
