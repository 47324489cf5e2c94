#include "picture_set.h"

#include <cstdio>
#include <stdexcept>

#include "about_pictures.h"
#include "menu_pictures.h"
#include "program_icons.h"
#include "sprites.h"

namespace assetgen {
namespace {

// Uncovered pixels become the key colour with alpha 0, as a GIF's
// transparent index decodes.
ql::Image toImage(const Bitmap& b, const std::string& name) {
    ql::Image img{b.width, b.height, std::vector<std::uint32_t>(b.px.size()), {}};
    for (std::size_t i = 0; i < b.px.size(); ++i) {
        if (b.alpha[i] != 0 && b.alpha[i] != 255) throw std::runtime_error(name + " has partly covered pixels");
        const Rgb c = b.alpha[i] ? b.px[i] : kKeyBlue;
        img.pixels[i] = (b.alpha[i] ? 0xFF000000u : 0u) | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    }
    return img;
}

std::string frameName(int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "frame%02d.%s", n, n <= 20 ? "bmp" : "gif");
    return buf;
}

}  // namespace

std::vector<ql::PackedPicture> pictureSet(int percent) {
    std::vector<ql::PackedPicture> out;
    const auto add = [&](const std::string& name, const Bitmap& b) { out.push_back({name, toImage(b, name)}); };
    const std::vector<Bitmap> frames = spriteFrames(percent);
    for (int n = 1; n <= 28; ++n) {
        const Bitmap& f = frames[static_cast<std::size_t>(n - 1)];
        add(frameName(n), n <= 20 ? flatten(f, kKeyBlue) : f);
    }
    for (const auto& [name, picture] : menuPictures(percent)) add(name, picture);
    add("about_pobo.bmp", aboutPobo(percent));
    add("about_close.bmp", aboutClose(percent));
    const Cursor hand = handAt(percent);
    add("hand.cur", hand.picture);
    out.back().hotspotX = hand.hotspotX;
    out.back().hotspotY = hand.hotspotY;
    return out;
}

}  // namespace assetgen
