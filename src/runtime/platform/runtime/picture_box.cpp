#include "platform/runtime/picture_box.h"

#include "platform/runtime/load_picture.h"

namespace ql {

PictureBox::PictureBox(System& system, const char* assetName)
    : system_(system), picture_(LoadPicture(system, assetName)) {}

PictureBox::~PictureBox() {
    if (dc_) system_.deletePictureDc(dc_);
}

Hdc PictureBox::hDC() {
    if (!dc_) dc_ = system_.createPictureDc(picture_);
    return dc_;
}

}  // namespace ql
