// An overview picture of every shipped picture, for people to look at.
#pragma once

#include <string>

#include "encoders.h"

namespace assetgen {

// Reads the pictures from `assetDir` as the program will, and lays each
// 100 % picture out at 1x and 3x, and a choice of each other scale's at 1x,
// on a light and on a dark desktop colour.
Bytes contactSheet(const std::string& assetDir);

}  // namespace assetgen
