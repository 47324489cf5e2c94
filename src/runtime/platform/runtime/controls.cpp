#include "platform/runtime/controls.h"

#include "platform/runtime/form.h"
#include "platform/runtime/load_picture.h"

namespace ql {

Control::Control(Form& owner, ControlKind kind, ControlSpec stored, Handler click)
    : stored_(std::move(stored)), click_(click) {
    stored_.kind = kind;
    owner.addControl(*this);
}

ImageControl::ImageControl(Form& owner, ControlSpec stored, const char* assetName, Handler click)
    : Control(owner, ControlKind::Image, std::move(stored), click),
      picture_(LoadPicture(owner.system(), assetName)) {
    // Pictures are shown at their natural size.
    stored_.picture = &picture_;
    stored_.width = picture_.width;
    stored_.height = picture_.height;
}

}  // namespace ql
