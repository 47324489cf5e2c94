// What every character frame must be, at every scale: ground only around the
// drawing, and a dark rim with nothing blue next to the ground.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "asset_files.h"

namespace qltest {

constexpr std::uint32_t kKeyPixel = 0xFF0000FFu;

// Key blue or transparent: what the window keys out.
inline bool isGround(const ql::Image& img, int x, int y) {
    const std::uint32_t p = img.at(x, y);
    return (p >> 24) == 0 || p == kKeyPixel;
}

// Ground pixels that cannot be reached from the picture's border: holes in the character.
inline int groundHoles(const ql::Image& img) {
    std::vector<char> seen(img.pixels.size(), 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < img.width; ++x) todo.insert(todo.end(), {{x, 0}, {x, img.height - 1}});
    for (int y = 0; y < img.height; ++y) todo.insert(todo.end(), {{0, y}, {img.width - 1, y}});
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= img.width || y >= img.height) continue;
        const std::size_t i = ql::pixelIndex(x, y, img.width);
        if (seen[i] || !isGround(img, x, y)) continue;
        seen[i] = 1;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    int holes = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (isGround(img, x, y) && !seen[ql::pixelIndex(x, y, img.width)]) ++holes;
    return holes;
}

struct EdgeFaults {
    int light = 0;   // rim pixels (touching the ground side-on) that are not dark outline
    int bluish = 0;  // blue-tinted pixels touching the ground at all
};

inline EdgeFaults edgeFaults(const ql::Image& img) {
    EdgeFaults faults;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            if (isGround(img, x, y)) continue;
            bool touches4 = false, touches8 = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    const bool ground = nx < 0 || ny < 0 || nx >= img.width || ny >= img.height || isGround(img, nx, ny);
                    if (!ground) continue;
                    touches8 = true;
                    if (dx == 0 || dy == 0) touches4 = true;
                }
            const Colour c = colourOf(img.at(x, y));
            if (touches4 && std::max({c.r, c.g, c.b}) > 60) ++faults.light;
            if (touches8 && c.b >= c.r + 40 && c.b >= c.g + 40) ++faults.bluish;
        }
    return faults;
}

}  // namespace qltest
