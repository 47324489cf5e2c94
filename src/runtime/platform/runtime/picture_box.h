// A picture holder: a picture read from the program's assets, with a device
// context it can be copied from. The context is made on first use and freed
// with the holder.
#pragma once

#include "platform/image_codec.h"
#include "platform/system.h"

namespace ql {

class PictureBox {
public:
    PictureBox(System& system, const char* assetName);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;
    ~PictureBox();

    Hdc hDC();
    int ScaleWidth() const { return picture_.width; }  // inner size in pixels
    int ScaleHeight() const { return picture_.height; }
    const Image& Picture() const { return picture_; }

private:
    System& system_;
    Image picture_;
    Hdc dc_ = nullptr;
};

}  // namespace ql
