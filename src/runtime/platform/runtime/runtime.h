// The application-wide services of the form runtime: the application title and
// task-list visibility, the screen's twips per pixel, message boxes, ending the
// program, processing pending messages and the handler dispatcher.
#pragma once

#include <cstdint>
#include <string>

#include "platform/errors.h"
#include "platform/system.h"

namespace ql {

class Runtime {
public:
    explicit Runtime(System& system, std::string title) : system_(system), title_(std::move(title)) {}

    System& system() { return system_; }

    const std::string& Title() const { return title_; }
    void setTaskVisible(bool visible) { system_.setTaskVisible(visible); }

    float TwipsPerPixelX() { return 1440.0f / static_cast<float>(system_.pixelsPerInch().x); }
    float TwipsPerPixelY() { return 1440.0f / static_cast<float>(system_.pixelsPerInch().y); }

    // A modal box with the application title.
    int MsgBox(const std::string& text, std::uint32_t type) { return system_.messageBox(text.c_str(), title_.c_str(), type); }

    // Ends the program at once: no further handler of any window runs.
    [[noreturn]] void End() {
        ended_ = true;
        system_.endProcess();
        throw ProgramEnded{};
    }
    bool ended() const { return ended_; }

    void DoEvents() { system_.pumpMessages(); }

    // Runs one event handler. An error it lets through is reported and ends the
    // program, as the runtime does for every untrapped error.
    template <class Handler>
    void dispatch(Handler&& handler) {
        if (ended_) return;
        try {
            handler();
        } catch (const std::exception& error) {
            reportUnhandled(error.what());
        }
    }

private:
    [[noreturn]] void reportUnhandled(const char* description) {
        MsgBox(std::string("Run-time error: ") + description, kMbOk | kMbIconHand);
        End();
    }

    System& system_;
    std::string title_;
    bool ended_ = false;
};

}  // namespace ql
