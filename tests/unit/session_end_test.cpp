#include <gtest/gtest.h>

#include "desktop.h"

namespace ql::test {
namespace {

enum class State { Walking, Dragging, AboutOpen, Fading };

std::string stateName(const ::testing::TestParamInfo<State>& info) {
    static const char* const names[] = {"Walking", "Dragging", "AboutOpen", "Fading"};
    return names[static_cast<int>(info.param)];
}

class SessionEnd : public Desktop, public ::testing::WithParamInterface<State> {
protected:
    void reach(State state) {
        switch (state) {
            case State::Walking: sim.advance(3000); break;
            case State::Dragging: {
                const Rect r = characterRect();
                sim.postMouse(MouseAction::Down, vbLeftButton, r.left + 40, r.top + 60);
                sim.postMouse(MouseAction::Move, vbLeftButton, r.left + 90, r.top + 90);
                sim.advance(0);
                break;
            }
            case State::AboutOpen:
                sim.advance(30000);
                sim.run([&] { program->form3.Show(); });
                break;
            case State::Fading: sim.advance(20000 + 107000 + 500); break;
        }
    }
};

// Whatever the program is doing, a log-off neither waits for it nor asks the
// user anything, nothing of it runs afterwards, and the setting is kept.
TEST_P(SessionEnd, EndsTheProgramAtOnceWithoutAPrompt) {
    install(1);
    start();
    reach(GetParam());
    ASSERT_FALSE(sim.processEnded());
    const Rect before = characterRect();
    const std::size_t boxes = sim.messageBoxes().size();

    EXPECT_TRUE(sim.endSession()) << "the program never holds up the session's end";
    EXPECT_TRUE(sim.processEnded());
    EXPECT_EQ(sim.messageBoxes().size(), boxes);
    sim.advance(60000);
    EXPECT_EQ(characterRect().left, before.left) << "no tick after the end";
    EXPECT_EQ(characterRect().top, before.top);
    const auto setting = sim.regGet(kSettingsKey, kOnTopValue);
    ASSERT_TRUE(setting);
    EXPECT_EQ(setting->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(InEveryState, SessionEnd,
                         ::testing::Values(State::Walking, State::Dragging, State::AboutOpen, State::Fading),
                         stateName);

}  // namespace
}  // namespace ql::test
