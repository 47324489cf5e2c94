#include "platform/runtime/menu_item.h"

#include "platform/runtime/form.h"

namespace ql {

MenuItem::MenuItem(Form& owner, std::string caption, MenuItem* parent, Handler click)
    : owner_(owner), caption_(std::move(caption)), parent_(parent), click_(click), id_(owner.addMenuItem(*this)) {}

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    if (owner_.loaded()) owner_.system().checkMenuItem(owner_.system().getMenu(owner_.hWnd()), id_, checked);
}

}  // namespace ql
