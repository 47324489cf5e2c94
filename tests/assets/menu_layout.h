// The eight menu item pictures as they are laid out at 100 %: every scale's
// set is this layout with its places scaled.
#pragma once

#include <ostream>

#include "asset_files.h"

namespace qltest {

inline const Colour kMenuGround = hex(0xF6F6F6), kMenuFrame = hex(0x524D95), kMenuFill = hex(0xFFEEC2),
                    kMenuSeparator = hex(0x6A8CCB);

struct Box {
    int x0, y0, x1, y1;  // inclusive
    bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

struct MenuPicture {
    const char* name;
    int height;
    bool over;
    int captionX, capTop;
    int frameTop;
    Box icon;  // where the strip may differ from the plain gradient
    bool separator;
    bool ticked;
};

inline void PrintTo(const MenuPicture& m, std::ostream* os) { *os << m.name; }

constexpr Box kNoIcon{-1, -1, -1, -1};
inline const MenuPicture kPictures[] = {
    {"menu_about.bmp", 28, false, 37, 10, 5, {2, 5, 19, 22}, true, false},
    {"menu_about_over.bmp", 28, true, 37, 10, 5, {2, 5, 19, 22}, true, false},
    {"menu_ontop_off.bmp", 22, false, 38, 7, 2, kNoIcon, false, false},
    {"menu_ontop_off_over.bmp", 22, true, 38, 7, 2, kNoIcon, false, false},
    {"menu_ontop_on.bmp", 22, false, 38, 7, 2, {1, 1, 20, 20}, false, true},
    {"menu_ontop_on_over.bmp", 22, true, 38, 7, 2, {1, 1, 20, 20}, false, true},
    {"menu_end.bmp", 25, false, 38, 8, 3, {4, 3, 17, 24}, false, false},
    {"menu_end_over.bmp", 25, true, 38, 8, 3, {4, 3, 17, 24}, false, false},
};

}  // namespace qltest
