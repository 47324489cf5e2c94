// The program keeps 96-DPI pixels at every display scale; the system maps
// them to the monitor's pixels with one rounding rule.
#include <gtest/gtest.h>

#include "desktop.h"
#include "platform/display_scale.h"
#include "platform/picture_pack.h"

namespace ql::test {
namespace {

TEST(DisplayScaleRule, RoundsHalvesUpAndEveryLogicalPixelComesBack) {
    const struct {
        int dpi, logical, physical;
    } cases[] = {
        {96, 101, 101}, {120, 101, 126}, {144, 101, 152}, {192, 101, 202}, {144, 1, 2},
        {144, -1, -1},  {120, -2, -2},   {144, 3, 5},     {144, -3, -4},   {120, 110, 138},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.logical);
        EXPECT_EQ(DisplayScale{c.dpi}.toPhysical(c.logical), c.physical);
    }
    for (int dpi : {96, 106, 120, 144, 154, 192, 288})
        for (int logical = -400; logical <= 2400; ++logical)
            ASSERT_EQ(DisplayScale{dpi}.toLogical(DisplayScale{dpi}.toPhysical(logical)), logical) << dpi << " dpi";
}

TEST(DisplayScaleRule, AWindowKeepsItsSizeWhereverItStands) {
    const DisplayScale scale{144};
    for (int x = -100; x < 2000; ++x) {
        const Rect r = scale.rectToPhysical({x, 7, x + 101, 7 + 125});
        ASSERT_EQ(r.right - r.left, 152) << x;
        ASSERT_EQ(r.bottom - r.top, 188) << x;
        ASSERT_EQ(scale.rectToLogical(r).left, x);
        ASSERT_EQ(scale.rectToLogical(r).right, x + 101);
    }
}

TEST(DisplayScaleRule, ThePictureSetIsTheLargestNotAboveTheScale) {
    const struct {
        int dpi, percent;
    } cases[] = {{72, 100},  {96, 100},  {106, 100}, {120, 125}, {143, 125}, {144, 150}, {154, 150},
                 {168, 175}, {192, 200}, {216, 200}, {240, 250}, {288, 300}, {384, 300}};
    for (const auto& c : cases) EXPECT_EQ(DisplayScale{c.dpi}.pictureScale(), c.percent) << c.dpi << " dpi";
    EXPECT_EQ(pictureLength(142, 125), 178);
    EXPECT_EQ(pictureLength(21, 125), 26);
}

class ScaledDesktop : public Desktop {
protected:
    // A run of `ms` on a desktop at `dpi` whose physical work area is the
    // 1024 x 738 one at that scale; returns the program's own calls.
    std::vector<std::string> traceAt(int dpi, std::uint64_t ms) {
        const DisplayScale scale{dpi};
        sim.setDisplayDpi(dpi);
        sim.setScreenSize(scale.toPhysical(1024), scale.toPhysical(768));
        sim.setWorkArea(scale.rectToPhysical({0, 0, 1024, 738}));
        sim.setTracing(true);
        install();
        start();
        sim.advance(ms);
        return sim.trace();
    }
};

TEST_F(ScaledDesktop, TheWholeCycleIsTheSameInLogicalPixelsAtEveryScale) {
    std::vector<std::string> at96;
    {
        SimSystem plain;
        plain.setTracing(true);
        plain.regPutDword(kSettingsKey, kOnTopValue, 0);
        Quorlin q(plain);
        plain.run([&] { q.start(); });
        plain.advance(300000);
        at96 = plain.trace();
    }
    EXPECT_EQ(traceAt(192, 300000), at96);
}

class ScaledWalk : public ScaledDesktop, public testing::WithParamInterface<int> {};

TEST_P(ScaledWalk, StepsAreTheLogicalStepsMappedAndTheSizeNeverChanges) {
    const int dpi = GetParam();
    traceAt(dpi, 0);
    const DisplayScale scale{dpi};
    for (int step = 0; step < 40; ++step) {
        sim.advance(1000);
        const Rect logical = characterRect();
        const Rect physical = sim.physicalRect(character());
        ASSERT_EQ(physical.left, scale.toPhysical(logical.left)) << "step " << step;
        ASSERT_EQ(physical.top, scale.toPhysical(logical.top)) << "step " << step;
        ASSERT_EQ(physical.right - physical.left, scale.toPhysical(101)) << "step " << step;
        ASSERT_EQ(physical.bottom - physical.top, scale.toPhysical(125)) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledWalk, testing::Values(96, 120, 144, 192));

TEST_F(ScaledDesktop, ADragFollowsThePhysicalPointer) {
    traceAt(192, 10000);
    const Rect before = sim.physicalRect(character());
    const int x = before.left + 80, y = before.top + 120;
    for (auto [action, buttons, dx] : {std::tuple{MouseAction::Move, 0, 0}, std::tuple{MouseAction::Down, vbLeftButton, 0},
                                       std::tuple{MouseAction::Move, vbLeftButton, 200},
                                       std::tuple{MouseAction::Up, vbLeftButton, 200}}) {
        sim.postMouse(action, buttons, x + dx, y + dx);
        sim.advance(0);
    }
    const Rect after = sim.physicalRect(character());
    EXPECT_EQ(after.left - before.left, 200);
    EXPECT_EQ(after.top - before.top, 200);
    EXPECT_EQ(program->values.PosX, characterRect().left) << "the drop is stored in logical pixels";
    EXPECT_EQ(characterRect().left, DisplayScale{192}.toLogical(after.left));
}

TEST_F(ScaledDesktop, AScaleChangeKeepsTheLogicalPlaceAndTakesTheNewSizeAtOnce) {
    traceAt(96, 20000);
    const Rect logical = characterRect();
    sim.setDisplayDpi(144);
    EXPECT_EQ(characterRect().left, logical.left);
    EXPECT_EQ(characterRect().top, logical.top);
    const Rect physical = sim.physicalRect(character());
    EXPECT_EQ(physical.right - physical.left, 152);
    EXPECT_EQ(physical.left, DisplayScale{144}.toPhysical(logical.left));
    sim.advance(1000);
    EXPECT_EQ(characterRect().left, logical.left + 3) << "the walk goes on in logical pixels";
}

// The set's picture of an asset, as the program's pictures are drawn at a scale.
Image setPicture(SimSystem& sim, const char* asset, int percent) {
    for (PackedPicture& entry : decodePicturePack(sim.loadAsset(picturePackName(percent).c_str())))
        if (entry.name == asset) return std::move(entry.image);
    throw std::runtime_error(std::string("no ") + asset);
}

TEST_F(ScaledDesktop, TheCharacterShowsTheScalesFrameOnScreen) {
    sim.setDesktopColour(rgb(10, 120, 30));
    traceAt(144, 0);
    const Rect r = sim.physicalRect(character());
    const Image frame = setPicture(sim, "frame01.bmp", 150);
    int wrong = 0;
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x) {
            if (r.left + x < 0 || r.top + y < 0) continue;
            // Beyond the frame the window shows its blue background.
            const std::uint32_t drawn = x < frame.width && y < frame.height ? frame.at(x, y) & 0xFFFFFF : 0x0000FF;
            const std::uint32_t expected = drawn == 0x0000FF ? 0x0A781Eu : drawn;  // the key shows the desktop
            wrong += sim.screenPixel(r.left + x, r.top + y) != expected;
        }
    EXPECT_EQ(wrong, 0);
}

class ScaledMenu : public ScaledDesktop, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ScaledMenu, ItemsAreMeasuredAndDrawnFromTheSetOfTheScale) {
    const int dpi = GetParam().first, percent = GetParam().second;
    traceAt(dpi, 0);
    std::vector<Rect> items;
    bool aboutShown = false;
    sim.setPopupResponder([&](SimPopup& menu) {
        for (const SimPopup::Item& item : menu.items()) items.push_back(item.rect);
        const Image about = percent == 100 ? decodeImage(sim.loadAsset("menu_about.bmp"))
                                           : setPicture(sim, "menu_about.bmp", percent);
        aboutShown = true;
        for (int y = 0; y < items[0].bottom; ++y)
            for (int x = 0; x < pictureLength(124, percent); ++x)
                aboutShown &= menu.pixel(x, y) == (about.at(x, y) & 0xFFFFFF);
    });
    const Rect r = sim.physicalRect(character());
    sim.postMouse(MouseAction::Down, vbRightButton, r.left + 60, r.top + 60);
    sim.postMouse(MouseAction::Up, vbRightButton, r.left + 60, r.top + 60);
    sim.advance(1);
    ASSERT_EQ(items.size(), 3u);
    const int heights[] = {27, 21, 24};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i].right - items[i].left, pictureLength(124, percent) + DisplayScale{dpi}.toPhysical(18));
        EXPECT_EQ(items[i].bottom - items[i].top, pictureLength(heights[i], percent));
    }
    EXPECT_TRUE(aboutShown) << "the About item shows the " << percent << " % picture";
}

// 110 % and 160 % draw the sets below them.
INSTANTIATE_TEST_SUITE_P(DpiAndSet, ScaledMenu,
                         testing::Values(std::pair{106, 100}, std::pair{154, 150}, std::pair{192, 200}));

TEST_F(ScaledDesktop, TheAboutWindowIsLaidOutAtTheScaleWithTheSetsPictures) {
    traceAt(192, 0);
    sim.setDesktopColour(rgb(0, 0, 0));
    program->form3.Show();
    const Hwnd about = program->form3.hWnd();
    const Rect r = sim.physicalRect(about);
    EXPECT_EQ(r.right - r.left, 688);
    EXPECT_EQ(r.bottom - r.top, 444);
    const Image pobo = setPicture(sim, "about_pobo.bmp", 200);
    int wrong = 0;
    for (int y = 0; y < pobo.height; ++y)
        for (int x = 0; x < pobo.width; ++x) wrong += sim.screenPixel(r.left + 496 + x, r.top + 16 + y) != (pobo.at(x, y) & 0xFFFFFF);
    EXPECT_EQ(wrong, 0) << "Image1 at (248, 8) from the 200 % set";
    EXPECT_EQ(sim.screenPixel(r.left + 1, r.top + 1), 0u) << "the frame is two pixels thick";
    EXPECT_EQ(sim.screenPixel(r.left + 2, r.top + 2), 0xFFFFFFu);
    // The close picture takes its click where the system shows it.
    sim.postMouse(MouseAction::Down, vbLeftButton, r.left + 30, r.top + 30);
    sim.postMouse(MouseAction::Up, vbLeftButton, r.left + 30, r.top + 30);
    sim.advance(0);
    EXPECT_TRUE(program->form3.Timer1.Enabled()) << "the fade started";
}

}  // namespace
}  // namespace ql::test
