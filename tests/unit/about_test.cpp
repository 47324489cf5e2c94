#include <gtest/gtest.h>

#include "app/layering.h"
#include "desktop.h"

namespace ql::test {
namespace {

constexpr const char* kWebSite = "http://www.kestrane.example";
constexpr std::uint64_t kTick = 10;  // the 1-ms fade timer runs at the system minimum

class About : public Desktop {
protected:
    void SetUp() override {
        install(0);
        sim.setDesktopColour(rgb(0, 0, 0));
        start();
        about().Show();
    }
    Form3& about() { return program->form3; }
    Hwnd window() { return about().hWnd(); }

    const ControlSpec& control(const std::string& name) {
        for (const ControlSpec& c : sim.controls(window()))
            if (c.name == name) return c;
        throw std::runtime_error("no control " + name);
    }
    // The screen point at the middle of a control.
    Point centreOf(const std::string& name) {
        const ControlSpec& c = control(name);
        const Rect r = sim.windowRect(window());
        return {r.left + c.left + c.width / 2, r.top + c.top + c.height / 2};
    }
    void click(const std::string& name) {
        const Point p = centreOf(name);
        sim.postMouse(MouseAction::Down, vbLeftButton, p.x, p.y);
        sim.postMouse(MouseAction::Up, vbLeftButton, p.x, p.y);
        sim.advance(0);
    }
    // Runs the fade tick by tick; the opacities it set, until the window is gone.
    std::vector<int> fadeToTheEnd(int maxTicks = 200) {
        std::vector<int> levels;
        for (int i = 0; i < maxTicks && about().loaded(); ++i) {
            sim.advance(kTick);
            if (about().loaded()) levels.push_back(sim.layering(window()).alpha);
        }
        return levels;
    }
    void expectNothingReported() {
        EXPECT_TRUE(sim.messageBoxes().empty());
        EXPECT_FALSE(sim.processEnded());
    }
};

std::vector<int> expectedFade() {
    std::vector<int> levels;
    for (int level = 253; level >= 1; level -= 2) levels.push_back(level);
    return levels;
}

TEST_F(About, IsAWhiteFramedWindowCentredOnTheScreenWithItsPictures) {
    const Rect r = sim.windowRect(window());
    EXPECT_EQ(r.left, (1024 - 344) / 2);
    EXPECT_EQ(r.top, (768 - 222) / 2);
    EXPECT_EQ(r.right - r.left, 344);
    EXPECT_EQ(r.bottom - r.top, 222);
    EXPECT_TRUE(sim.isVisible(window()));
    EXPECT_FALSE(sim.isLayered(window()));
    EXPECT_EQ(about().AboutAlpha, 255);
    EXPECT_FALSE(about().Timer1.Enabled());
    EXPECT_FALSE(sim.hasTaskbarButton(window()));

    // The frame is one pixel along every edge, the ground white inside it.
    for (const Point p : {Point{0, 0}, Point{343, 0}, Point{0, 221}, Point{343, 221}, Point{170, 0}, Point{0, 100},
                          Point{343, 100}, Point{170, 221}})
        EXPECT_EQ(sim.screenPixel(r.left + p.x, r.top + p.y), 0x000000u) << p.x << "," << p.y;
    for (const Point p : {Point{1, 1}, Point{342, 220}, Point{200, 140}, Point{4, 100}})
        EXPECT_EQ(sim.screenPixel(r.left + p.x, r.top + p.y), 0xFFFFFFu) << p.x << "," << p.y;

    // Pictures at their natural size, at their places.
    const struct {
        const char* name;
        const Image& picture;
        int left, top;
    } pictures[] = {{"Image1", about().Image1.Picture(), 248, 8}, {"Image2", about().Image2.Picture(), 8, 8}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(control(p.name).width, p.picture.width);
        int wrong = 0;
        for (int y = 0; y < p.picture.height; ++y)
            for (int x = 0; x < p.picture.width; ++x)
                wrong += sim.screenPixel(r.left + p.left + x, r.top + p.top + y) != (p.picture.at(x, y) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0);
    }
    EXPECT_EQ(about().Image1.Picture().width, 90);
    EXPECT_EQ(about().Image1.Picture().height, 140);
    EXPECT_EQ(about().Image2.Picture().width, 21);
}

TEST_F(About, PointersAndTooltipFollowTheControlUnderThePointer) {
    const struct {
        const char* name;
        PointerShape pointer;
        const char* toolTip;
    } cases[] = {
        {"Image2", PointerShape::Hand, "Close"},  {"Label9", PointerShape::Hand, ""},
        {"Label4", PointerShape::Hand, ""},       {"Label1", PointerShape::Hand, ""},
        {"Label5", PointerShape::Default, ""},    {"Label3", PointerShape::Default, ""},
        {"Label2", PointerShape::Default, ""},    {"Image1", PointerShape::Default, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Point p = centreOf(c.name);
        EXPECT_EQ(sim.pointerAt(p.x, p.y), c.pointer);
        EXPECT_EQ(sim.toolTipAt(p.x, p.y), c.toolTip);
    }
    const Rect r = sim.windowRect(window());
    EXPECT_EQ(sim.pointerAt(r.left + 200, r.top + 140), PointerShape::Default) << "bare ground";
}

TEST_F(About, TheCloseClickFadesInStepsOfTwoAndUnloadsOnThe128thTick) {
    const Rect r = sim.windowRect(window());
    click("Image2");
    EXPECT_TRUE(about().Timer1.Enabled());
    EXPECT_FALSE(sim.isLayered(window())) << "opaque and ordinary until the first step";

    sim.advance(kTick);
    EXPECT_EQ(sim.getWindowLong(window(), kGwlExStyle), kWsExLayered);
    EXPECT_EQ(sim.layering(window()).flags, kLwaAlpha);
    EXPECT_EQ(sim.layering(window()).alpha, 253);
    EXPECT_FALSE(sim.hasTaskbarButton(window())) << "the style change must not give it a taskbar button";
    const std::uint32_t ground = sim.screenPixel(r.left + 200, r.top + 140);
    EXPECT_EQ(ground & 0xFF, 253u) << "white at 253/255 over the black desktop";

    std::vector<int> levels = {253};
    const std::vector<int> rest = fadeToTheEnd();
    levels.insert(levels.end(), rest.begin(), rest.end());
    EXPECT_EQ(levels, expectedFade());
    EXPECT_EQ(about().AboutAlpha, -1);
    EXPECT_FALSE(about().loaded());
    EXPECT_FALSE(about().Timer1.Enabled());
    EXPECT_EQ(sim.findWindow("Form3"), nullptr);
    EXPECT_EQ(sim.now(), 128 * kTick);
    EXPECT_EQ(sim.screenPixel(r.left + 200, r.top + 140), 0x000000u);
    expectNothingReported();
}

TEST_F(About, ClicksAndShowsDuringTheFadeNeitherRestartNorStopIt) {
    click("Image2");
    sim.advance(40 * kTick);
    ASSERT_EQ(about().AboutAlpha, 255 - 80);
    const Hwnd during = window();
    const int activations = sim.activations(during);

    click("Image2");      // a second close click
    about().Show();       // the About command again
    click("Label4");      // a link
    EXPECT_EQ(window(), during) << "not reloaded";
    EXPECT_EQ(about().AboutAlpha, 255 - 80);
    EXPECT_GT(sim.activations(during), activations);
    EXPECT_EQ(sim.zOrder().front(), during) << "brought forward";
    EXPECT_EQ(sim.shellCalls().size(), 1u);

    std::vector<int> levels = {255 - 80};
    const std::vector<int> rest = fadeToTheEnd();
    levels.insert(levels.end(), rest.begin(), rest.end());
    const std::vector<int> all = expectedFade();
    EXPECT_EQ(levels, std::vector<int>(all.begin() + 39, all.end()));
    EXPECT_EQ(sim.now(), 128 * kTick) << "the fade kept its pace";
    EXPECT_FALSE(about().loaded());
    expectNothingReported();
}

TEST_F(About, ShowWhileOpenKeepsTheWindowAndAfterTheFadeBuildsItAfreshOpaque) {
    const Hwnd first = window();
    about().AboutAlpha = 100;  // a reload would set it back to 255
    about().Show();
    EXPECT_EQ(window(), first);
    EXPECT_EQ(about().AboutAlpha, 100);
    about().AboutAlpha = 255;

    const int windows = sim.windowCount();
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        click("Image2");
        fadeToTheEnd();
        ASSERT_FALSE(about().loaded());
        EXPECT_EQ(sim.windowCount(), windows - 1);
        about().Show();
        ASSERT_TRUE(about().loaded());
        EXPECT_EQ(about().AboutAlpha, 255);
        EXPECT_FALSE(about().Timer1.Enabled());
        EXPECT_FALSE(sim.isLayered(window()));
        EXPECT_TRUE(sim.isVisible(window()));
        const Rect r = sim.windowRect(window());
        EXPECT_EQ(sim.screenPixel(r.left + 200, r.top + 140), 0xFFFFFFu);
        EXPECT_EQ(sim.windowCount(), windows);
    }
    expectNothingReported();
}

TEST_F(About, SetAboutAlphaLeavesExactlyTheLayeredStyle) {
    sim.setWindowLong(window(), kGwlExStyle, kWsExToolWindow | kWsExAppWindow);
    SetAboutAlpha(sim, program->form3.hWnd(), program->values.LastApiResult, 253);
    EXPECT_EQ(sim.getWindowLong(window(), kGwlExStyle), kWsExLayered);
    EXPECT_EQ(sim.layering(window()).flags, kLwaAlpha);
    EXPECT_EQ(sim.layering(window()).alpha, 253);
    EXPECT_EQ(program->values.LastApiResult, kWsExToolWindow | kWsExAppWindow) << "the previous style";
    EXPECT_FALSE(sim.hasTaskbarButton(window()));
    for (std::int32_t level : {-1, 256}) {
        EXPECT_THROW(SetAboutAlpha(sim, program->form3.hWnd(), program->values.LastApiResult, level), RuntimeError);
        EXPECT_EQ(sim.layering(window()).alpha, 253);
    }
}

TEST_F(About, TheLinksHandTheirAddressesToTheShell) {
    const struct {
        const char* label;
        std::string address;
    } cases[] = {{"Label4", kWebSite}, {"Label1", std::string(kWebSite) + "/feedback.html"}};
    EXPECT_EQ(about().Label4.Caption(), kWebSite) << "the web link opens what it shows";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::size_t before = sim.shellCalls().size();
        program->values.LastApiResult = -7;
        click(c.label);
        ASSERT_EQ(sim.shellCalls().size(), before + 1);
        const SimSystem::ShellCall& call = sim.shellCalls().back();
        EXPECT_EQ(call.owner, window());
        EXPECT_EQ(call.operation, std::nullopt);
        EXPECT_EQ(call.file, c.address);
        EXPECT_EQ(call.parameters, std::nullopt);
        EXPECT_EQ(call.directory, std::nullopt);
        EXPECT_EQ(call.showCommand, 3);
        EXPECT_EQ(program->values.LastApiResult, 42);
    }
    click("Label9");  // shows the hand but does nothing
    click("Label3");
    EXPECT_EQ(sim.shellCalls().size(), 2u);
    EXPECT_TRUE(sim.isVisible(window()));
    expectNothingReported();
}

TEST_F(About, ALinkThatCannotOpenIsSilentAndChangesNothingElse) {
    // The shell finds no program for the address.
    sim.setShellExecuteResult(31);
    click("Label4");
    EXPECT_EQ(program->values.LastApiResult, 31);

    // The call itself fails: the store of its result is skipped, the handler
    // ends quietly and the next click works.
    program->values.LastApiResult = -7;
    sim.failNext("ShellExecuteA", "File not found: shell32");
    click("Label1");
    EXPECT_EQ(program->values.LastApiResult, -7);
    sim.setShellExecuteResult(42);
    click("Label1");
    EXPECT_EQ(program->values.LastApiResult, 42);

    EXPECT_TRUE(sim.isVisible(window()));
    EXPECT_FALSE(sim.isLayered(window()));
    EXPECT_EQ(about().AboutAlpha, 255);
    expectNothingReported();
}

TEST_F(About, ADragStartedOnTheGroundIsNotAClickOnWhatItEndsOver) {
    const Rect r = sim.windowRect(window());
    const Point link = centreOf("Label4");
    sim.postMouse(MouseAction::Down, vbLeftButton, r.left + 200, r.top + 140);
    sim.postMouse(MouseAction::Move, vbLeftButton, link.x, link.y);
    sim.postMouse(MouseAction::Up, vbLeftButton, link.x, link.y);
    // Pressed on the close picture, released off it: no click either.
    const Point close = centreOf("Image2");
    sim.postMouse(MouseAction::Down, vbLeftButton, close.x, close.y);
    sim.postMouse(MouseAction::Up, vbLeftButton, r.left + 200, r.top + 140);
    sim.advance(0);
    EXPECT_TRUE(sim.shellCalls().empty());
    EXPECT_FALSE(about().Timer1.Enabled());
}

}  // namespace
}  // namespace ql::test
