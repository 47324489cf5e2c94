#include <gtest/gtest.h>

#include "desktop.h"

namespace ql::test {
namespace {

class Episodes : public Desktop {
protected:
    void SetUp() override { install(); }
    void advanceTo(std::uint64_t t) {
        ASSERT_GE(t, sim.now());
        sim.advance(t - sim.now());
    }
    Point position() { return {characterRect().left, characterRect().top}; }
    std::uint8_t opacity() {
        const SimSystem::Layering l = sim.layering(character());
        return (l.flags & kLwaAlpha) ? l.alpha : 255;
    }

    // One whole cycle on the 1024 x 738 work area, from a walk begun at `t0`
    // at the start place; returns when the next walk has begun.
    void checkCycle(std::uint64_t t0) {
        const std::uint64_t arrival = t0 + 216000;
        advanceTo(arrival - 1);
        EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
        EXPECT_EQ(position().x, 595);
        advanceTo(arrival);
        EXPECT_EQ(position().x, 598);
        EXPECT_EQ(position().y, 628);
        EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
        EXPECT_EQ(program->form1.txt.Text(), "0");
        const int lastWalkFrame = shownFrame();
        EXPECT_GE(lastWalkFrame, 1);
        EXPECT_LE(lastWalkFrame, 8);

        // The first drinking pass.
        advanceTo(arrival + 299);
        EXPECT_EQ(shownFrame(), lastWalkFrame) << "the arrival shows no frame";
        advanceTo(arrival + 300);
        EXPECT_EQ(shownFrame(), 9);
        advanceTo(arrival + 3600);
        EXPECT_EQ(shownFrame(), 20);
        EXPECT_EQ(runningTimers(), "Form2.Timer1 tmrdrinkwait");
        advanceTo(arrival + 8600);
        EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
        EXPECT_EQ(shownFrame(), 20);
        advanceTo(arrival + 8900);
        EXPECT_EQ(shownFrame(), 9);

        // The clock comes in a pause (6 passes of 8.6 s, then 3.6 s of clip).
        advanceTo(arrival + 60000);
        EXPECT_EQ(runningTimers(), "tmrmsn tmrmsnwait");
        EXPECT_EQ(program->form1.txtdrink.Text(), "0");
        EXPECT_EQ(shownFrame(), 20);
        advanceTo(arrival + 60300);
        EXPECT_EQ(shownFrame(), 21);
        advanceTo(arrival + 62100);
        EXPECT_EQ(shownFrame(), 27);
        advanceTo(arrival + 62400);
        EXPECT_EQ(shownFrame(), 21);

        // The messenger's end: frame 28 through a 2-s block, then the closing drinking.
        advanceTo(arrival + 74999);
        sim.setTracing(true);
        sim.clearTrace();
        advanceTo(arrival + 75000);
        sim.setTracing(false);
        EXPECT_EQ(sim.now(), arrival + 77000);
        EXPECT_EQ(sim.trace(), std::vector<std::string>{"Sleep 2000"});
        EXPECT_EQ(shownFrame(), 28);
        EXPECT_EQ(runningTimers(), "tmrdrink tmrdrinkwait tmrlastclip");
        advanceTo(arrival + 77299);
        EXPECT_EQ(shownFrame(), 28);
        advanceTo(arrival + 77300);
        EXPECT_EQ(shownFrame(), 9);

        // The end show: 254 fade steps of one level, then the 255th tick ends it.
        const std::uint64_t fadeStart = arrival + 107000;
        advanceTo(fadeStart);
        EXPECT_EQ(opacity(), 255);
        EXPECT_TRUE(program->form2.tmrendshow.Enabled());
        for (int step = 1; step <= 254; ++step) {
            advanceTo(fadeStart + 10 * static_cast<std::uint64_t>(step));
            ASSERT_EQ(opacity(), 255 - step) << "fade tick " << step;
            ASSERT_EQ(sim.layering(character()).flags, kLwaColorKey | kLwaAlpha);
        }
        EXPECT_TRUE(program->form2.tmrendshow.Enabled());
        const std::uint64_t fadeEnd = fadeStart + 2550;
        advanceTo(fadeEnd);
        EXPECT_FALSE(program->form2.tmrendshow.Enabled());
        EXPECT_TRUE(program->form2.tmrreloder.Enabled());
        EXPECT_EQ(program->form2.FadeLevel, 0);
        EXPECT_EQ(opacity(), 1);
        EXPECT_TRUE(sim.isVisible(character()));
        EXPECT_EQ(position().x, 598);

        // The reload, 15 s after the fade.
        advanceTo(fadeEnd + 14999);
        EXPECT_EQ(opacity(), 1);
        advanceTo(fadeEnd + 15000);
        EXPECT_EQ(position().x, -50);
        EXPECT_EQ(position().y, -20);
        EXPECT_EQ(opacity(), 255);
        EXPECT_EQ(sim.layering(character()).flags, kLwaColorKey);
        EXPECT_EQ(shownFrame(), 1);
        EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
        for (const StateCell* cell : {&program->form1.txt, &program->form1.txtdrink, &program->form1.txtmsn})
            EXPECT_EQ(cell->Text(), "0");
        EXPECT_EQ(program->form2.FadeLevel, 255);
    }
};

TEST_F(Episodes, TwoWholeCyclesFollowTheTimeline) {
    start();
    checkCycle(0);
    const std::uint64_t secondWalk = sim.now();
    EXPECT_EQ(secondWalk, 216000u + 107000 + 2550 + 15000);
    checkCycle(secondWalk);
    EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(Episodes, TheWalkWaddlesThroughEightFramesFivePerStep) {
    start();
    std::vector<int> frames;
    for (int i = 1; i <= 10; ++i) {
        advanceTo(200u * static_cast<unsigned>(i));
        frames.push_back(shownFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2}));
    EXPECT_EQ(position().x, -50 + 3 * 2);
    EXPECT_EQ(position().y, -20 + 3 * 2);
}

TEST_F(Episodes, RightEdgeTestHoldsFromPosX923) {
    for (const auto& [before, arrives] : {std::pair{919, false}, std::pair{920, true}, std::pair{930, true}}) {
        SCOPED_TRACE(before);
        SimSystem fresh;
        fresh.regPutDword(kSettingsKey, kOnTopValue, 0);
        fresh.setWorkArea({0, 0, 1024, 5000});
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        q.values.PosX = before;
        fresh.advance(1000);
        EXPECT_EQ(q.values.PosX, before + 3);
        EXPECT_EQ(q.form1.tmrmove.Enabled(), !arrives);
        EXPECT_EQ(q.form2.Timer1.Enabled(), arrives);
    }
}

TEST_F(Episodes, BothArrivalTestsInOneTickHandOverOnce) {
    sim.setWorkArea({0, 0, 1024, 1065});  // tick 325: PosX 925 >= 923 and PosY 955 >= 955
    start();
    advanceTo(324000);
    EXPECT_TRUE(program->form1.tmrmove.Enabled());
    advanceTo(325000);
    EXPECT_EQ(position().x, 925);
    EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
    advanceTo(325000 + 59999);
    EXPECT_TRUE(program->form2.Timer1.Enabled());
    advanceTo(325000 + 60000);
    EXPECT_EQ(runningTimers(), "tmrmsn tmrmsnwait");
}

TEST_F(Episodes, ClockDuringAClipResumesItAfterTheMessenger) {
    start();
    advanceTo(216000 + 1500);
    ASSERT_EQ(program->form1.txtdrink.Text(), "5");
    sim.run([&] { program->form2.Timer1_Timer(); });
    const std::uint64_t clock = sim.now();
    EXPECT_EQ(runningTimers(), "tmrmsn tmrmsnwait");
    EXPECT_EQ(shownFrame(), 13);
    advanceTo(clock + 15000);  // the end tick and its block
    EXPECT_EQ(sim.now(), clock + 17000);
    advanceTo(clock + 17300);
    EXPECT_EQ(shownFrame(), 14);
    advanceTo(clock + 17000 + 2100);
    EXPECT_EQ(shownFrame(), 20);
    EXPECT_EQ(runningTimers(), "tmrdrinkwait tmrlastclip");
}

TEST_F(Episodes, FirstPauseOfTheClosingDrinkingEndsFiveSecondsAfterItBegan) {
    start();
    const std::uint64_t closing = 216000 + 77000;
    advanceTo(closing + 3600);
    EXPECT_EQ(shownFrame(), 20);
    EXPECT_EQ(runningTimers(), "tmrdrinkwait tmrlastclip");
    advanceTo(closing + 5000);  // switching the running pause timer on again did not restart it
    EXPECT_EQ(runningTimers(), "tmrdrink tmrlastclip");
    advanceTo(closing + 5300);
    EXPECT_EQ(shownFrame(), 9);
    advanceTo(closing + 5000 + 8600);
    EXPECT_EQ(runningTimers(), "tmrdrink tmrlastclip");
}

TEST_F(Episodes, AnUnknownCellTextFreezesOnlyItsOwnClip) {
    start();
    advanceTo(400);
    program->form1.txt.setText("x");
    const int frozen = shownFrame();
    advanceTo(3000);
    EXPECT_EQ(shownFrame(), frozen);
    EXPECT_EQ(position().x, -50 + 9) << "the walk goes on moving";

    advanceTo(216000);  // arrival leaves txt at "0" and drinks from "0"
    program->form1.txtdrink.setText("12");
    advanceTo(216000 + 30000);
    EXPECT_EQ(shownFrame(), frozen);
    EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1") << "the pause is never reached";
    advanceTo(216000 + 60000);
    EXPECT_EQ(runningTimers(), "tmrmsn tmrmsnwait") << "the clock still comes";
    advanceTo(216000 + 60300);
    EXPECT_EQ(shownFrame(), 21);
}

TEST_F(Episodes, AChangedWorkAreaTakesEffectAtTheNextReload) {
    start();
    advanceTo(10000);
    sim.setWorkArea({0, 0, 1024, 300});
    advanceTo(216000);
    EXPECT_EQ(position().y, 628) << "the walk keeps the limits it started with";
    EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
    const std::uint64_t reload = 216000 + 107000 + 2550 + 15000;
    advanceTo(reload);
    EXPECT_EQ(program->values.WorkBottom, 300);
    advanceTo(reload + 63000);  // PosY -20 + 3 * 63 = 169 < 190
    EXPECT_TRUE(program->form1.tmrmove.Enabled());
    advanceTo(reload + 70000);  // PosY 190 = 300 - 110
    EXPECT_EQ(position().y, 190);
    EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
}

TEST_F(Episodes, ReloadAppliesTheStoredStackingAgain) {
    start();
    EXPECT_FALSE(sim.isTopmost(character()));
    const int activationsBefore = sim.activations(character());
    sim.regPutDword(kSettingsKey, kOnTopValue, 1);
    advanceTo(216000 + 107000 + 2550 + 15000);
    EXPECT_TRUE(sim.isTopmost(character()));
    EXPECT_EQ(program->values.OnTopSetting, 1);
    EXPECT_EQ(sim.activations(character()), activationsBefore + 1) << "the topmost reload row activates";
    sim.regPutDword(kSettingsKey, kOnTopValue, 0);
    const int activationsTopmost = sim.activations(character());
    advanceTo(sim.now() + 216000 + 107000 + 2550 + 15000);
    EXPECT_FALSE(sim.isTopmost(character()));
    EXPECT_EQ(sim.activations(character()), activationsTopmost) << "the ordinary reload row does not";
}

TEST_F(Episodes, WalkingNeitherActivatesNorAllocatesWindowsOrKeys) {
    start();
    const int activations = sim.activations(character());
    const int windows = sim.windowCount();
    advanceTo(216000 * 3);
    EXPECT_EQ(sim.activations(character()), activations);
    EXPECT_EQ(sim.windowCount(), windows);
    EXPECT_EQ(sim.openKeyCount(), 0);
}

}  // namespace
}  // namespace ql::test
