#include "contact_sheet.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "pixel_font.h"
#include "platform/image_codec.h"
#include "program_icons.h"

namespace assetgen {
namespace {

constexpr Rgb kLight{228, 232, 236};
constexpr Rgb kDark{38, 70, 96};
constexpr Rgb kLabel{20, 20, 20};
constexpr Rgb kLabelOnDark{240, 240, 240};

Bitmap load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const ql::Image img = ql::decodeImage(bytes);
    Bitmap b(img.width, img.height);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const std::uint32_t p = img.at(x, y);
            const Rgb c{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
            b.at(x, y) = c;
            // What the desktop sees: the key colour and transparent pixels are holes.
            b.alpha[b.index(x, y)] = (p >> 24) == 0 || c == kKeyBlue ? 0 : 255;
        }
    return b;
}

struct Tile {
    std::string label;
    Bitmap image;
};

// Lays tiles out in rows no wider than `maxWidth`, each tile at 1x and 3x,
// on a light band above a dark band.
Bitmap sheet(const std::vector<Tile>& tiles, int maxWidth) {
    struct Placed {
        int x, y;
        const Tile* tile;
    };
    std::vector<Placed> placed;
    int x = 8, y = 8, rowH = 0;
    const auto tileW = [](const Tile& t) { return std::max(t.image.width * 4 + 6, textWidth(t.label)); };
    const auto tileH = [](const Tile& t) { return t.image.height * 3 + 14; };
    for (const Tile& t : tiles) {
        if (x + tileW(t) > maxWidth - 8 && x > 8) {
            x = 8;
            y += rowH + 10;
            rowH = 0;
        }
        placed.push_back({x, y, &t});
        x += tileW(t) + 12;
        rowH = std::max(rowH, tileH(t));
    }
    const int bandH = y + rowH + 8;
    Bitmap out(maxWidth, bandH * 2, kLight);
    for (int yy = bandH; yy < out.height; ++yy)
        for (int xx = 0; xx < out.width; ++xx) out.at(xx, yy) = kDark;
    for (int band = 0; band < 2; ++band) {
        const int oy = band * bandH;
        for (const Placed& p : placed) {
            drawText(out, p.x, oy + p.y, p.tile->label, band ? kLabelOnDark : kLabel);
            blit(out, p.tile->image, p.x, oy + p.y + 12);
            blit(out, enlarge(p.tile->image, 3), p.x + p.tile->image.width + 6, oy + p.y + 12);
        }
    }
    return out;
}

}  // namespace

Bytes contactSheet(const std::string& dir) {
    std::vector<Tile> tiles;
    for (int n = 1; n <= 28; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "frame%02d.%s", n, n <= 20 ? "bmp" : "gif");
        tiles.push_back({std::to_string(n), load(dir + "/" + name)});
    }
    for (const char* name : {"menu_about", "menu_about_over", "menu_ontop_off", "menu_ontop_off_over", "menu_ontop_on",
                             "menu_ontop_on_over", "menu_end", "menu_end_over", "about_pobo", "about_close"})
        tiles.push_back({name, load(dir + "/" + name + ".bmp")});
    for (int size : {72, 64, 48, 32, 24, 16}) tiles.push_back({"icon " + std::to_string(size), headPicture(size)});
    tiles.push_back({"hand", handPicture()});
    return encodePng(sheet(tiles, 2600));
}

}  // namespace assetgen
