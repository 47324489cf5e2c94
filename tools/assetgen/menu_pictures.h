// The eight pictures of the popup menu's items.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bitmap.h"

namespace assetgen {

// File name and picture at `percent` %, in the order about, about_over,
// ontop_off, ontop_off_over, ontop_on, ontop_on_over, end, end_over.
std::vector<std::pair<std::string, Bitmap>> menuPictures(int percent);

}  // namespace assetgen
