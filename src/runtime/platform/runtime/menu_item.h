// A form's menu item: a caption, a check mark and a Click handler. Items with
// no parent make the form's menu bar; their children make its popups.
#pragma once

#include <cstdint>
#include <string>

namespace ql {

class Form;

class MenuItem {
public:
    using Handler = void (*)(Form&);

    MenuItem(Form& owner, std::string caption, MenuItem* parent = nullptr, Handler click = nullptr);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void setChecked(bool checked);

    Form& owner() const { return owner_; }
    MenuItem* parent() const { return parent_; }
    std::uint32_t commandId() const { return id_; }

private:
    friend class Form;

    Form& owner_;
    std::string caption_;
    MenuItem* parent_;
    Handler click_;
    std::uint32_t id_;
    bool checked_ = false;
};

}  // namespace ql
