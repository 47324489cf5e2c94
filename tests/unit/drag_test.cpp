#include <gtest/gtest.h>

#include "desktop.h"

namespace ql::test {
namespace {

class Dragging : public Desktop {
protected:
    void SetUp() override {
        install(0);
        start();
    }
    void mouse(MouseAction action, int buttons, int x, int y) {
        sim.postMouse(action, buttons, x, y);
        sim.advance(0);
    }
    // Grabs the character 40 px into it and drags it by (dx, dy) with the left button.
    void drag(int dx, int dy, bool drop = true) {
        const Rect r = characterRect();
        const int x = r.left + 40, y = r.top + 60;
        mouse(MouseAction::Move, 0, x, y);
        mouse(MouseAction::Down, vbLeftButton, x, y);
        mouse(MouseAction::Move, vbLeftButton, x + dx / 2, y + dy / 2);
        mouse(MouseAction::Move, vbLeftButton, x + dx, y + dy);
        if (drop) mouse(MouseAction::Up, vbLeftButton, x + dx, y + dy);
    }
    std::uint8_t opacity() {
        const SimSystem::Layering l = sim.layering(character());
        return (l.flags & kLwaAlpha) ? l.alpha : 255;
    }
};

TEST_F(Dragging, ADragMovesByThePointerAndTheWalkGoesOnFromTheDrop) {
    sim.advance(10000);  // at (-20, 10)
    drag(200, 150, false);
    EXPECT_EQ(characterRect().left, 180);
    EXPECT_EQ(characterRect().top, 160);
    EXPECT_EQ(runningTimers(), "") << "every behaviour timer stops while dragging";
    EXPECT_EQ(program->form1.txtdetect.Text(), "1");
    EXPECT_EQ(program->values.PosX, -20) << "the shared position lags until the drop";
    const Rect r = characterRect();
    mouse(MouseAction::Up, vbLeftButton, r.left + 40, r.top + 60);
    EXPECT_EQ(program->values.PosX, 180);
    EXPECT_EQ(program->values.PosY, 160);
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    EXPECT_EQ(program->form1.txtdetect.Text(), "0");
    sim.advance(1000);
    EXPECT_EQ(characterRect().left, 183);
    EXPECT_EQ(characterRect().top, 163);
}

TEST_F(Dragging, OnlyExactlyTheLeftButtonDrags) {
    const struct {
        const char* name;
        int pressed;
        int held;
        bool drags;
    } cases[] = {
        {"left", vbLeftButton, vbLeftButton, true},
        {"middle", vbMiddleButton, vbMiddleButton, false},
        {"left and right together", vbLeftButton, vbLeftButton | vbRightButton, false},
        {"left and middle together", vbLeftButton, vbLeftButton | vbMiddleButton, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimSystem fresh;
        fresh.regPutDword(kSettingsKey, kOnTopValue, 0);
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        fresh.postMouse(MouseAction::Move, 0, 20, 20);
        fresh.postMouse(MouseAction::Down, c.pressed, 20, 20);
        fresh.postMouse(MouseAction::Move, c.held, 70, 40);
        fresh.postMouse(MouseAction::Up, c.pressed, 70, 40);
        fresh.advance(0);
        EXPECT_EQ(fresh.windowRect(q.form1.hWnd()).left, c.drags ? 0 : -50);
        EXPECT_EQ(q.values.PosX, c.drags ? 0 : -50);
        EXPECT_EQ(fresh.popupsOpened(), 0);
        EXPECT_TRUE(q.form1.tmrmove.Enabled());
    }
}

TEST_F(Dragging, APlainClickChangesNothing) {
    sim.advance(400);
    mouse(MouseAction::Move, 0, 10, 10);
    mouse(MouseAction::Down, vbLeftButton, 10, 10);
    mouse(MouseAction::Up, vbLeftButton, 10, 10);
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    EXPECT_EQ(program->form1.txt.Text(), "2") << "the walk cycle was not reset";
    sim.advance(600);
    EXPECT_EQ(characterRect().left, -47);
}

TEST_F(Dragging, ARightPressDuringADragOpensTheMenuAndItsReleaseDrops) {
    drag(100, 50, false);
    const Rect r = characterRect();
    mouse(MouseAction::Down, vbRightButton, r.left + 40, r.top + 60);
    EXPECT_EQ(sim.popupsOpened(), 1);
    EXPECT_EQ(program->form1.txtdetect.Text(), "1");
    mouse(MouseAction::Up, vbRightButton, r.left + 40, r.top + 60);
    EXPECT_EQ(program->form1.txtdetect.Text(), "0");
    EXPECT_EQ(program->values.PosX, r.left);
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    mouse(MouseAction::Move, vbLeftButton, r.left + 60, r.top + 60);  // still held: a new drag
    EXPECT_EQ(runningTimers(), "");
    EXPECT_EQ(characterRect().left, r.left + 20);
}

TEST_F(Dragging, TheGrabPointIsTheLastMoveWithoutButtons) {
    mouse(MouseAction::Move, 0, 10, 10);  // grab point 60 px into the window
    sim.advance(3000);                    // the window walks 9 px under the still pointer
    mouse(MouseAction::Down, vbLeftButton, 10, 10);
    mouse(MouseAction::Move, vbLeftButton, 10, 10);
    EXPECT_EQ(characterRect().left, -50) << "the window jumps back under the recorded point";
}

TEST_F(Dragging, PosXIsLeftInTwipsOverTwipsPerPixel) {
    drag(150, 0);  // from -50 to Left = 1500 twips
    EXPECT_EQ(program->form1.Left(), 1500.0f);
    EXPECT_EQ(program->values.PosX, 100);
}

TEST_F(Dragging, TheDropLeavesEachEngineStateWalking) {
    const struct {
        const char* state;
        std::uint64_t at;  // ms after start
        bool fadesToo;
    } cases[] = {
        {"walking", 5000, false},
        {"first drinking", 216000 + 10000, false},
        {"messenger", 216000 + 65000, false},
        {"closing drinking", 216000 + 90000, false},
        {"fading", 216000 + 107000 + 1000, true},
        {"waiting for reload", 216000 + 107000 + 2550 + 5000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        SimSystem fresh;
        fresh.regPutDword(kSettingsKey, kOnTopValue, 0);
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        fresh.advance(c.at);
        const std::int32_t fadeLevel = q.form2.FadeLevel;
        const SimSystem::Layering layering = fresh.layering(q.form1.hWnd());
        const Rect r = fresh.windowRect(q.form1.hWnd());
        fresh.postMouse(MouseAction::Move, 0, r.left + 40, r.top + 60);
        fresh.postMouse(MouseAction::Down, vbLeftButton, r.left + 40, r.top + 60);
        fresh.postMouse(MouseAction::Move, vbLeftButton, r.left + 90, r.top + 60);
        fresh.advance(0);
        EXPECT_TRUE(q.form2.loaded());
        for (const Timer* t : {&q.form1.Timer1, &q.form1.tmrdrink, &q.form1.tmrmove, &q.form1.tmrmsn, &q.form2.Timer1,
                               &q.form2.tmrdrinkwait, &q.form2.tmrendshow, &q.form2.tmrlastclip, &q.form2.tmrmsnwait,
                               &q.form2.tmrreloder})
            EXPECT_FALSE(t->Enabled());
        fresh.advance(60000);  // frozen: nothing runs while the button is held
        EXPECT_EQ(fresh.windowRect(q.form1.hWnd()).left, r.left + 50);
        fresh.postMouse(MouseAction::Up, vbLeftButton, r.left + 90, r.top + 60);
        fresh.advance(0);
        for (const StateCell* cell : {&q.form1.txt, &q.form1.txtdrink, &q.form1.txtmsn, &q.form1.txtdetect})
            EXPECT_EQ(cell->Text(), "0");
        EXPECT_TRUE(q.form1.tmrmove.Enabled());
        EXPECT_TRUE(q.form1.Timer1.Enabled());
        EXPECT_FALSE(q.form2.Timer1.Enabled());
        EXPECT_EQ(q.form2.FadeLevel, fadeLevel) << "a drag leaves the fade level where it was";
        EXPECT_EQ(fresh.layering(q.form1.hWnd()).alpha, layering.alpha);
        EXPECT_EQ(fresh.layering(q.form1.hWnd()).flags, layering.flags);
        if (c.fadesToo) {
            EXPECT_LT(layering.alpha, 255);
        }
    }
}

TEST_F(Dragging, ADropOnTheArrivalLineHandsOverAtTheNextStep) {
    drag(600, 700);  // from (-50, -20) to (550, 680): beyond the bottom line 628
    EXPECT_EQ(program->values.PosY, 680);
    sim.advance(1000);
    EXPECT_EQ(characterRect().top, 683);
    EXPECT_EQ(runningTimers(), "tmrdrink Form2.Timer1");
    sim.advance(60000);
    EXPECT_EQ(runningTimers(), "tmrmsn tmrmsnwait") << "the clock runs its full minute after the new arrival";
}

TEST_F(Dragging, WaitingForReloadThenDraggedWalksFaintAndTheNextFadeEndsAtOnce) {
    sim.advance(216000 + 107000 + 2550 + 1000);
    ASSERT_TRUE(program->form2.tmrreloder.Enabled());
    drag(10, 10);
    EXPECT_EQ(program->form2.FadeLevel, 0);
    EXPECT_EQ(sim.layering(character()).alpha, 1);
    const std::uint64_t arrival = sim.now() + 1000;  // the drop is past the bottom line
    sim.advance(arrival - sim.now() + 107000 + 10);
    EXPECT_EQ(program->form2.FadeLevel, -1);
    EXPECT_TRUE(program->form2.tmrreloder.Enabled());
    EXPECT_EQ(sim.layering(character()).alpha, 1);
    sim.advance(15000);
    EXPECT_EQ(program->form2.FadeLevel, 255);
    EXPECT_EQ(sim.layering(character()).flags, kLwaColorKey);
}

}  // namespace
}  // namespace ql::test
