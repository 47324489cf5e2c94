#include <gtest/gtest.h>

#include "app/layering.h"
#include "desktop.h"

namespace ql::test {
namespace {

class Layering : public Desktop {
protected:
    void SetUp() override {
        install();
        sim.setDesktopColour(rgb(0, 0, 0));
        start();
        // A light pixel of frame 1 inside the part of the window on screen.
        const Image& frame = program->form1.imgl.ListImage(1);
        for (int y = 20; y < 117 && drawnX < 0; ++y)
            for (int x = 50; x < 95 && drawnX < 0; ++x)
                if ((frame.at(x, y) & 0xFF) > 0x80 && (frame.at(x, y) & 0xFFFFFF) != 0x0000FF)
                    drawnX = x, drawnY = y, drawnColour = frame.at(x, y) & 0xFFFFFF;
        ASSERT_GE(drawnX, 0) << "frame 1 has no light pixel on screen";
    }
    // The window stands at (-50, -20); columns from 95 on are key blue.
    std::uint32_t drawnPixelShown() { return sim.screenPixel(drawnX - 50, drawnY - 20); }
    std::uint32_t keyedPixelShown() { return sim.screenPixel(100 - 50, 0); }

    int drawnX = -1, drawnY = -1;
    std::uint32_t drawnColour = 0;
};

TEST_F(Layering, FadeKeepsTheKeyAndApplyColorKeyRestoresFullOpacity) {
    ASSERT_EQ(keyedPixelShown(), 0u);
    ASSERT_EQ(drawnPixelShown(), drawnColour);
    SetCharacterAlpha(sim, character(), program->values.LastApiResult, 40);
    EXPECT_EQ(sim.layering(character()).flags, kLwaColorKey | kLwaAlpha);
    const std::uint32_t faded = drawnPixelShown();
    EXPECT_LT(faded & 0xFF, drawnColour & 0xFF);
    EXPECT_GT(faded & 0xFF, 0u);

    SetCharacterAlpha(sim, character(), program->values.LastApiResult, 1);
    EXPECT_LE(drawnPixelShown() & 0xFF, 1u);
    EXPECT_EQ(keyedPixelShown(), 0u);  // key stays fully transparent, not faint

    ApplyColorKey(sim, character(), program->values.LastApiResult);
    EXPECT_EQ(drawnPixelShown(), drawnColour);
    EXPECT_EQ(keyedPixelShown(), 0u);
}

TEST_F(Layering, LevelsOutsideAByteOverflowAfterTheStyleChange) {
    SetCharacterAlpha(sim, character(), program->values.LastApiResult, 40);
    for (std::int32_t level : {256, -1, 100000}) {
        // Another style bit was cleared behind the program's back; the call restores the layered bit first.
        sim.setWindowLong(character(), kGwlExStyle, kWsExToolWindow);
        try {
            SetCharacterAlpha(sim, character(), program->values.LastApiResult, level);
            ADD_FAILURE() << "level " << level << " did not overflow";
        } catch (const RuntimeError& e) {
            EXPECT_STREQ(e.what(), "Overflow");
        }
        EXPECT_EQ(sim.getWindowLong(character(), kGwlExStyle) & kWsExLayered, kWsExLayered);
    }
    for (std::int32_t level : {0, 255}) EXPECT_NO_THROW(SetCharacterAlpha(sim, character(), program->values.LastApiResult, level));
}

TEST_F(Layering, OverflowKeepsThePreviousKeyAndOpacity) {
    SetCharacterAlpha(sim, character(), program->values.LastApiResult, 40);
    EXPECT_THROW(SetCharacterAlpha(sim, character(), program->values.LastApiResult, 256), RuntimeError);
    EXPECT_EQ(sim.layering(character()).alpha, 40);
    EXPECT_EQ(sim.layering(character()).key, rgb(0, 0, 255));
}

}  // namespace
}  // namespace ql::test
