// A hidden text box holding a short text between handler calls. Its text is
// only ever compared as text; callers write small decimal strings, which stay
// within the string's inline storage, so writing one allocates nothing.
#pragma once

#include <string>
#include <string_view>

namespace ql {

class StateCell {
public:
    explicit StateCell(std::string_view stored = {}) : text_(stored) {}

    const std::string& Text() const { return text_; }
    void setText(std::string_view text);

private:
    std::string text_;
};

}  // namespace ql
