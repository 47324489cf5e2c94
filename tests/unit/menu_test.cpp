#include <gtest/gtest.h>

#include "desktop.h"
#include "menu/menu_host.h"

namespace ql::test {
namespace {

class PopupMenu : public Desktop {
protected:
    void SetUp() override {
        install(0);
        start();
    }
    // Right-clicks the character and lets `act` work on the open menu.
    void rightClick(std::function<void(SimPopup&)> act) {
        sim.setPopupResponder(std::move(act));
        const Rect r = characterRect();
        sim.postMouse(MouseAction::Down, vbRightButton, r.left + 60, r.top + 60);
        sim.postMouse(MouseAction::Up, vbRightButton, r.left + 60, r.top + 60);
        sim.advance(1);
    }
    // Does item `index` of the open menu show `picture` over its rectangle?
    // (Each picture is one row taller than its item; the next item covers that row.)
    static bool shows(const SimPopup& menu, int index, const PictureBox& picture) {
        const Rect item = menu.items()[static_cast<std::size_t>(index)].rect;
        for (int y = 0; y < item.bottom - item.top; ++y)
            for (int x = 0; x < picture.ScaleWidth(); ++x)
                if (menu.pixel(x, item.top + y) != (picture.Picture().at(x, y) & 0xFFFFFF)) return false;
        return true;
    }
    Form2& host() { return program->form2; }
};

TEST_F(PopupMenu, ItemsReportTheirPictureSizes) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sizes;
    std::vector<UintPtr> data;
    rightClick([&](SimPopup& menu) {
        for (const SimPopup::Item& item : menu.items()) {
            EXPECT_TRUE(item.ownerDrawn);
            EXPECT_TRUE(item.caption.empty()) << "the pictures carry the captions";
            sizes.emplace_back(item.measured.itemWidth, item.measured.itemHeight);
            data.push_back(item.itemData);
        }
    });
    EXPECT_EQ(sizes, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{124, 27}, {124, 21}, {124, 24}}));
    EXPECT_EQ(data, (std::vector<UintPtr>{0, 1, 2}));
}

TEST_F(PopupMenu, DrawsThePicturesTheSettingAndThePointerAskFor) {
    const struct {
        std::uint32_t stored;
        const PictureBox* normal;  // Keep-on-top item; null: no picture at all
        const PictureBox* selected;
    } cases[] = {
        {0, &host().pic2, &host().picover2},
        {1, &host().pictop1, &host().pictop2},
        {2, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        sim.regPutDword(kSettingsKey, kOnTopValue, c.stored);
        rightClick([&](SimPopup& menu) {
            EXPECT_TRUE(shows(menu, 0, host().pic));
            EXPECT_TRUE(shows(menu, 2, host().Pic3));
            if (c.normal) {
                EXPECT_TRUE(shows(menu, 1, *c.normal));
            } else {
                for (int y = 1; y < 21; ++y) EXPECT_EQ(menu.pixel(60, menu.items()[1].rect.top + y), 0xF0F0F0u);
            }
            menu.hover(1);
            if (c.selected) {
                EXPECT_TRUE(shows(menu, 1, *c.selected));
            } else {
                for (int y = 1; y < 21; ++y) EXPECT_EQ(menu.pixel(60, menu.items()[1].rect.top + y), 0xF0F0F0u);
            }
            menu.hover(0);
            EXPECT_TRUE(shows(menu, 0, host().picover1));
            if (c.normal) {
                EXPECT_TRUE(shows(menu, 1, *c.normal)) << "moving off draws the normal picture";
            }
            menu.hover(2);
            EXPECT_TRUE(shows(menu, 2, host().picover3));
            EXPECT_TRUE(shows(menu, 0, host().pic));
        });
        EXPECT_EQ(program->values.OnTopSetting, static_cast<std::int32_t>(c.stored));
    }
}

TEST_F(PopupMenu, OnlyTheSelectedBitChoosesTheHighlightedPicture) {
    const Image blank{142, 22, std::vector<std::uint32_t>(142 * 22, 0xFF000000u), {}};
    const Hdc target = sim.createPictureDc(blank);
    const Hdc clear = sim.createPictureDc(blank);
    const auto drawnWith = [&](std::uint32_t state) {
        sim.bitBlt(target, 0, 0, 142, 22, clear, 0, 0, kSrcCopy);
        DrawItemRecord record{kOdtMenu, 0, 2, 1, state, nullptr, target, {0, 0, 142, 21}, 1};
        sim.callWindowProc(&MenuHostWindowProc, host().hWnd(), kWmDrawItem, 0, reinterpret_cast<LongPtr>(&record));
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 142; ++x) {
                const std::uint32_t p = sim.surfacePixel(target, x, y);
                if (p != (host().pic2.Picture().at(x, y) & 0xFFFFFF)) {
                    if (p != (host().picover2.Picture().at(x, y) & 0xFFFFFF)) return std::string("neither");
                    return std::string("highlighted");
                }
            }
        return std::string("normal");
    };
    EXPECT_EQ(drawnWith(0), "normal");
    EXPECT_EQ(drawnWith(kOdsChecked), "normal");
    EXPECT_EQ(drawnWith(kOdsNoAccel | kOdsChecked | 0x10u), "normal");
    EXPECT_EQ(drawnWith(kOdsSelected), "highlighted");
    EXPECT_EQ(drawnWith(kOdsSelected | kOdsChecked | kOdsNoAccel), "highlighted");
}

TEST_F(PopupMenu, ASettingChangedWhileOpenShowsAtTheNextDraw) {
    rightClick([&](SimPopup& menu) {
        EXPECT_TRUE(shows(menu, 1, host().pic2));
        sim.regPutDword(kSettingsKey, kOnTopValue, 1);
        EXPECT_TRUE(shows(menu, 1, host().pic2)) << "nothing redraws by itself";
        menu.redraw(1);
        EXPECT_TRUE(shows(menu, 1, host().pictop1));
    });
}

TEST_F(PopupMenu, TheCheckMarkFollowsTheStoreBeforeEveryPopup) {
    for (std::uint32_t stored : {1u, 0u, 2u, 1u}) {
        sim.regPutDword(kSettingsKey, kOnTopValue, stored);
        bool checked = !(stored == 1);
        rightClick([&](SimPopup& menu) { checked = menu.items()[1].checked; });
        EXPECT_EQ(checked, stored == 1) << stored;
    }
    sim.regDeleteKey(kSettingsKey);
    bool checked = true;
    rightClick([&](SimPopup& menu) { checked = menu.items()[1].checked; });
    EXPECT_FALSE(checked) << "nothing readable: unchecked";
    EXPECT_EQ(sim.popupsOpened(), 5);
}

TEST_F(PopupMenu, KeepOnTopFlipsTheStoreAndTheStacking) {
    const struct {
        std::uint32_t stored;
        std::uint32_t storedAfter;
        bool topmostAfter;
    } cases[] = {{0, 1, true}, {1, 0, false}, {2, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        sim.regPutDword(kSettingsKey, kOnTopValue, c.stored);
        sim.advance(5000);
        const Rect before = characterRect();
        rightClick([](SimPopup& menu) { menu.choose(1); });
        ASSERT_TRUE(sim.regGet(kSettingsKey, kOnTopValue));
        EXPECT_EQ(sim.regGet(kSettingsKey, kOnTopValue)->data[0], c.storedAfter);
        EXPECT_EQ(sim.isTopmost(character()), c.topmostAfter);
        EXPECT_EQ(characterRect().left, before.left);
        EXPECT_EQ(characterRect().top, before.top);
        EXPECT_TRUE(sim.isVisible(character()));
        EXPECT_EQ(program->values.OnTopSetting, static_cast<std::int32_t>(c.stored))
            << "read by the menu's drawing; the command itself leaves it";
        EXPECT_FALSE(sim.processEnded());
    }
}

TEST_F(PopupMenu, KeepOnTopWithTheKeyGoneStillChangesTheStacking) {
    sim.regDeleteKey(kSettingsKey);
    rightClick([](SimPopup& menu) { menu.choose(1); });
    EXPECT_TRUE(sim.isTopmost(character()));
    EXPECT_FALSE(sim.regGet(kSettingsKey, kOnTopValue));
    EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(PopupMenu, AboutShowsTheAboutWindowAndShowsTheSameOneAgain) {
    rightClick([](SimPopup& menu) { menu.choose(0); });
    Form3& about = program->form3;
    ASSERT_TRUE(about.loaded());
    const Hwnd first = about.hWnd();
    EXPECT_TRUE(sim.isVisible(first));
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove") << "the character goes on";
    rightClick([](SimPopup& menu) { menu.choose(0); });
    EXPECT_EQ(about.hWnd(), first) << "not loaded a second time";
    EXPECT_EQ(sim.windowCount(), 3);
}

TEST_F(PopupMenu, EscapeClosesTheMenuAndTheProgramGoesOn) {
    rightClick([](SimPopup&) {});
    sim.advance(3000);
    EXPECT_EQ(runningTimers(), "Form1.Timer1 tmrmove");
    EXPECT_EQ(characterRect().left, -50 + 9);
}

TEST_F(PopupMenu, EndDuringTheEndShowEndsAtOnceWithoutFading) {
    sim.advance(216000 + 107000 + 500);  // half a second into the fade
    const std::int32_t level = host().FadeLevel;
    ASSERT_LT(level, 255);
    sim.setTracing(true);
    rightClick([](SimPopup& menu) { menu.choose(2); });
    EXPECT_TRUE(sim.processEnded());
    EXPECT_EQ(sim.trace().back(), "End");
    EXPECT_NE(std::find(sim.trace().begin(), sim.trace().end(), "SetWindowLongPtrA Form2 WNDPROC restored"),
              sim.trace().end())
        << "the menu host's procedure is put back as it unloads";
    EXPECT_EQ(host().FadeLevel, level);
    const std::size_t traced = sim.trace().size();
    sim.advance(60000);
    EXPECT_EQ(sim.trace().size(), traced) << "nothing runs after the end";
}

}  // namespace
}  // namespace ql::test
