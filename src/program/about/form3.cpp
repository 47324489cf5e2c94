#include "about/form3.h"

#include <exception>

#include "app/layering.h"
#include "app/quorlin.h"
#include "platform/runtime/conversions.h"

namespace ql {

namespace {

const FontSpec kTitle{"Tahoma", 12, 700};
const FontSpec kBold{"Tahoma", 9, 700};
const FontSpec kSmall{"Tahoma", 9};
const FontSpec kText{"Tahoma", 9.75};
const FontSpec kLink{"Tahoma", 9.75, 400, true};
const FontSpec kNote{"Arial", 9};

constexpr ColorRef kBlack = rgb(0, 0, 0);
constexpr ColorRef kGrey = rgb(128, 128, 128);
constexpr ColorRef kDarkGrey = rgb(64, 64, 64);
constexpr ColorRef kLavender = rgb(128, 128, 255);

WindowSpec form3Stored() {
    WindowSpec stored;
    stored.formName = "Form3";
    stored.text = "About";
    stored.width = 344;
    stored.height = 222;
    stored.background = rgb(255, 255, 255);
    stored.showInTaskbar = false;
    stored.hiddenOwner = true;  // the fade's style change would otherwise give it a taskbar button
    stored.centred = true;
    return stored;
}

// One line of text, sized to fit it.
ControlSpec line(const char* name, int left, int top, int height, const char* caption, const FontSpec& font,
                 ColorRef colour, PointerShape pointer = PointerShape::Default) {
    ControlSpec c;
    c.name = name;
    c.left = left;
    c.top = top;
    c.height = height;
    c.autoSize = true;
    c.caption = caption;
    c.font = font;
    c.foreColor = colour;
    c.pointer = pointer;
    return c;
}

ControlSpec fixedLine(const char* name, int left, int top, int width, int height, const char* caption,
                      const FontSpec& font, ColorRef colour, PointerShape pointer = PointerShape::Default) {
    ControlSpec c = line(name, left, top, height, caption, font, colour, pointer);
    c.autoSize = false;
    c.width = width;
    return c;
}

ControlSpec at(const char* name, int left, int top, PointerShape pointer = PointerShape::Default,
               const char* toolTip = "") {
    ControlSpec c;
    c.name = name;
    c.left = left;
    c.top = top;
    c.pointer = pointer;
    c.toolTip = toolTip;
    return c;
}

ControlSpec frame() {
    ControlSpec c = at("Shape1", 0, 0);
    c.width = 344;
    c.height = 222;
    c.foreColor = vbWindowText;
    return c;
}

constexpr PointerShape kHand = PointerShape::Hand;
constexpr const char* kWebSite = "http://www.kestrane.example";

}  // namespace

Form3::Form3(Quorlin& program)
    : Form(program.runtime, form3Stored()),
      Image2(*this, at("Image2", 8, 8, kHand, "Close"), "about_close.bmp", &Form::handler<&Form3::Image2_Click>),
      Label5(*this, line("Label5", 88, 8, 19, "Quorlin 1.0", kTitle, kBlack)),
      Label6(*this, line("Label6", 56, 32, 14, "by Kestrane's Software", kBold, kBlack)),
      Label7(*this, line("Label7", 88, 48, 14, "Kestle, Wales", kBold, kBlack)),
      Label10(*this, line("Label10", 24, 72, 14, "\xA9 2025-2026 Kestrane's Software", kBold, kGrey)),
      Label9(*this, fixedLine("Label9", 24, 96, 35, 16, "Web :", kText, kDarkGrey, kHand)),
      Label4(*this, line("Label4", 64, 96, 16, kWebSite, kLink, kDarkGrey, kHand),
             &Form::handler<&Form3::Label4_Click>),
      Label1(*this, fixedLine("Label1", 96, 120, 95, 16, "Send a feedback", kLink, kDarkGrey, kHand),
             &Form::handler<&Form3::Label1_Click>),
      Label11(*this, line("Label11", 24, 160, 14, "Pobo was drawn by Mirela Vantroy", kSmall, kDarkGrey)),
      Label3(*this, fixedLine("Label3", 24, 176, 298, 16, "Visit our website to download more utilities like this.",
                              kText, kDarkGrey)),
      Label2(*this, line("Label2", 8, 200, 15, "Pobo comes from the sea ice of the far south.", kNote, kLavender)),
      Image1(*this, at("Image1", 248, 8), "about_pobo.bmp"),
      Shape1(*this, frame()),
      program_(program) {}

void Form3::Form_Load() { AboutAlpha = 255; }

void Form3::Image2_Click() { Timer1.setEnabled(true); }

void Form3::Timer1_Timer() {
    AboutAlpha = checkedAdd(AboutAlpha, -2);
    if (AboutAlpha > 0) {
        SetAboutAlpha(system(), hWnd(), program_.values.LastApiResult, AboutAlpha);
    } else {
        Timer1.setEnabled(false);
        Unload();
    }
}

// Both links lead to the maker's site, whose address is the text on Label4.
void Form3::Label1_Click() { openLink("/feedback.html"); }

void Form3::Label4_Click() { openLink(""); }

void Form3::openLink(const char* page) {
    auto step = [](auto&& body) {
        try {
            body();
        } catch (const std::exception&) {
        }
    };
    std::string address;
    step([&] { address = Label4.Caption() + page; });
    Hwnd owner = nullptr;
    step([&] { owner = hWnd(); });
    // When the call fails the stored result is left as it was.
    step([&] {
        program_.values.LastApiResult = static_cast<std::int32_t>(
            system().shellExecute(owner, nullptr, address.c_str(), nullptr, nullptr, kSwShowMaximized));
    });
}

}  // namespace ql
