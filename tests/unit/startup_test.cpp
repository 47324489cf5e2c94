#include <gtest/gtest.h>

#include "app/platform_check.h"
#include "desktop.h"

namespace ql::test {
namespace {

using Startup = Desktop;

TEST_F(Startup, RunsItsStepsInOrderAndEndsWalking) {
    install(0);
    sim.setTracing(true);
    Quorlin& q = start();

    const std::vector<std::string> expected = {
        "CreateWindow Form1",
        "CreateWindow Form2",
        "SetWindowLongPtrA Form2 WNDPROC replaced",
        "SetWindowPos Form1 NOTOPMOST 0 0 0x53",
        "CreateMutexA Quorlin 1.0",
        "SetWindowPos Form1 NOTOPMOST -50 -20 0x41",
        "SetWindowLongA Form1 EXSTYLE 0x80080",
        "SetLayeredWindowAttributes Form1 0xFF0000 128 1",
    };
    EXPECT_EQ(sim.trace(), expected);
    EXPECT_FALSE(sim.taskVisible());

    const Rect r = characterRect();
    EXPECT_EQ(r.left, -50);
    EXPECT_EQ(r.top, -20);
    EXPECT_EQ(r.right - r.left, 101);
    EXPECT_EQ(r.bottom - r.top, 125);
    EXPECT_TRUE(sim.isVisible(character()));
    EXPECT_FALSE(sim.isVisible(q.form2.hWnd()));
    EXPECT_EQ(q.form2.FadeLevel, 255);
    EXPECT_EQ(shownFrame(), 1);
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    for (const StateCell* cell : {&q.form1.txt, &q.form1.txtdrink, &q.form1.txtmsn, &q.form1.txtdetect})
        EXPECT_EQ(cell->Text(), "0");
    EXPECT_EQ(q.values.WorkRight, 1024);
    EXPECT_EQ(q.values.WorkBottom, 738);
    EXPECT_TRUE(sim.messageBoxes().empty());
    EXPECT_FALSE(sim.processEnded());
    EXPECT_EQ(sim.openKeyCount(), 0);
}

TEST_F(Startup, StartPlaceIgnoresWhereTheWorkAreaIs) {
    install();
    sim.setWorkArea({200, 60, 1024, 768});  // taskbar on the left and at the top
    Quorlin& q = start();
    EXPECT_EQ(characterRect().left, -50);
    EXPECT_EQ(characterRect().top, -20);
    EXPECT_EQ(q.values.WorkRight, 1024);
    EXPECT_EQ(q.values.WorkBottom, 768);
}

TEST_F(Startup, OnlyTheNtFamilyRuns) {
    const struct {
        std::uint32_t platform;
        bool callSucceeds;
        bool runs;
    } cases[] = {{0, true, false}, {1, true, false}, {2, true, true}, {3, true, true}, {2, false, false}};
    for (const auto& c : cases) {
        SimSystem fresh;
        fresh.regPutDword(kSettingsKey, kOnTopValue, 0);
        fresh.setPlatform(c.platform, c.callSucceeds);
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        SCOPED_TRACE(testing::Message() << "platform " << c.platform << " call ok " << c.callSucceeds);
        EXPECT_EQ(fresh.processEnded(), !c.runs);
        if (c.runs) {
            EXPECT_TRUE(fresh.messageBoxes().empty());
            continue;
        }
        ASSERT_EQ(fresh.messageBoxes().size(), 1u);
        const SimMessageBox& box = fresh.messageBoxes()[0];
        EXPECT_EQ(box.text, "Operating System does not support. This program will run only on NT Platform.");
        EXPECT_EQ(box.title, "Quorlin");
        EXPECT_EQ(box.type, kMbOk | kMbIconHand);
        // Nothing after the check ran: no menu host, no mutex, no character.
        EXPECT_FALSE(q.form2.loaded());
        EXPECT_EQ(fresh.mutexCount("Quorlin 1.0"), 0);
        EXPECT_FALSE(fresh.isVisible(q.form1.hWnd()));
    }
}

TEST_F(Startup, PlatformIdReadsAZeroedRecordOf148Bytes) {
    install();
    Quorlin q(sim);
    std::int32_t id = -7;
    GetPlatformId(sim, q.values.LastApiResult, id);
    EXPECT_EQ(id, 2);
    EXPECT_EQ(q.values.LastApiResult, 1);
}

TEST_F(Startup, RefusesWhenTheSettingIsNotInstalled) {
    const std::string message =
        "Program has not installed correctly. Please report this problem to support@kestrane.example ";
    const struct {
        const char* name;
        void (*prepare)(SimSystem&);
    } cases[] = {
        {"no key", [](SimSystem&) {}},
        {"no value", [](SimSystem& s) { s.regCreateKey(kSettingsKey); }},
        {"value too long", [](SimSystem& s) { s.regPut(kSettingsKey, kOnTopValue, kRegBinary, {1, 0, 0, 0, 0}); }},
        {"access denied",
         [](SimSystem& s) {
             s.regPutDword(kSettingsKey, kOnTopValue, 0);
             s.regDenyAccess(kSettingsKey, true);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimSystem fresh;
        c.prepare(fresh);
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        ASSERT_EQ(fresh.messageBoxes().size(), 1u);
        EXPECT_EQ(fresh.messageBoxes()[0].text, message);
        EXPECT_EQ(fresh.messageBoxes()[0].type, kMbOk | kMbIconHand);
        EXPECT_TRUE(fresh.processEnded());
        EXPECT_FALSE(q.form2.loaded());
        EXPECT_EQ(fresh.mutexCount("Quorlin 1.0"), 0);
        EXPECT_FALSE(fresh.isVisible(q.form1.hWnd()));
        EXPECT_EQ(fresh.openKeyCount(), 0);
    }
}

TEST_F(Startup, AValueOfAnotherTypeThatFitsPassesTheCheck) {
    sim.regPut(kSettingsKey, kOnTopValue, kRegSz, {'1', 0});
    start();
    EXPECT_TRUE(sim.messageBoxes().empty());
    EXPECT_FALSE(sim.processEnded());
    EXPECT_FALSE(sim.isTopmost(character()));  // not a stored number: reads as off
}

TEST_F(Startup, StoredSettingDecidesTopmost) {
    for (std::uint32_t stored : {0u, 1u, 2u}) {
        SCOPED_TRACE(stored);
        SimSystem fresh;
        fresh.regPutDword(kSettingsKey, kOnTopValue, stored);
        Quorlin q(fresh);
        fresh.run([&] { q.start(); });
        EXPECT_EQ(fresh.isTopmost(q.form1.hWnd()), stored == 1);
        EXPECT_EQ(q.values.OnTopSetting, static_cast<std::int32_t>(stored));
    }
}

TEST_F(Startup, AnErrorInTheLoadIsReportedAndTheRestSkipped) {
    install();
    sim.failNext("SetLayeredWindowAttributes", "Invalid procedure call or argument");
    Quorlin& q = start();
    ASSERT_EQ(sim.messageBoxes().size(), 1u);
    EXPECT_EQ(sim.messageBoxes()[0].text, "Invalid procedure call or argument");
    EXPECT_EQ(sim.messageBoxes()[0].title, "Quorlin");
    EXPECT_EQ(sim.messageBoxes()[0].type, kMbOk | kMbIconExclamation);
    // The program goes on where it stopped: placed, but never keyed and never walking.
    EXPECT_FALSE(sim.processEnded());
    EXPECT_EQ(characterRect().left, -50);
    EXPECT_EQ(runningTimers(), "");
    EXPECT_EQ(shownFrame(), 0);
    EXPECT_EQ(q.form1.txt.Text(), "");
    sim.advance(5000);
    EXPECT_EQ(characterRect().left, -50);
}

// The system refusing a window (out of memory or handles): the runtime reports
// the call's failure and ends, with no form left half built behind it.
TEST_F(Startup, AWindowTheSystemRefusesIsReportedAndNoFormIsLeftHalfBuilt) {
    install();
    sim.failNext("CreateWindowExA", "CreateWindowExA failed: Not enough memory resources are available");
    Quorlin& q = start();
    ASSERT_EQ(sim.messageBoxes().size(), 1u);
    EXPECT_EQ(sim.messageBoxes()[0].text, "Run-time error: CreateWindowExA failed: Not enough memory resources are available");
    EXPECT_EQ(sim.messageBoxes()[0].type, kMbOk | kMbIconHand);
    EXPECT_TRUE(sim.processEnded());
    EXPECT_EQ(q.form1.hWnd(), nullptr);
    EXPECT_EQ(sim.windowCount(), 0);
    EXPECT_EQ(runningTimers(), "");
}

TEST_F(Startup, OnScreenTheKeyIsTransparentAndTheCharacterShows) {
    install();
    sim.setDesktopColour(rgb(10, 120, 30));
    start();
    const std::uint32_t desktop = 0x0A781E;
    const Image& frame = program->form1.imgl.ListImage(1);
    int drawn = 0, keyed = 0;
    for (int y = 0; y < 105; ++y) {
        for (int x = 0; x < 51; ++x) {
            const int fx = x + 50, fy = y + 20;  // the window starts at (-50, -20)
            // Below the 120-px frame the window shows its blue background.
            const std::uint32_t source = fy < frame.height ? frame.at(fx, fy) & 0xFFFFFF : 0x0000FF;
            const std::uint32_t shown = sim.screenPixel(x, y);
            if (source == 0x0000FF) {
                ++keyed;
                EXPECT_EQ(shown, desktop);
            } else {
                ++drawn;
                EXPECT_EQ(shown, source);
            }
        }
    }
    EXPECT_GT(drawn, 100);
    EXPECT_GT(keyed, 100);
    // Beyond the 101 x 125 window only the desktop shows.
    EXPECT_EQ(sim.screenPixel(51, 10), desktop);
}

}  // namespace
}  // namespace ql::test
