#include "contact_sheet.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "pixel_font.h"
#include "platform/image_codec.h"
#include "platform/picture_pack.h"
#include "program_icons.h"

namespace assetgen {
namespace {

constexpr Rgb kLight{228, 232, 236};
constexpr Rgb kDark{38, 70, 96};
constexpr Rgb kLabel{20, 20, 20};
constexpr Rgb kLabelOnDark{240, 240, 240};

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bitmap toBitmap(const ql::Image& img) {
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

Bitmap load(const std::string& path) { return toBitmap(ql::decodeImage(readFile(path))); }

struct Tile {
    std::string label;
    Bitmap image;
};

// Lays tiles out in rows no wider than `maxWidth` on a light band; when
// `magnify`, each tile at 1x and 3x, with a dark band below as well.
Bitmap sheet(const std::vector<Tile>& tiles, int maxWidth, bool magnify) {
    struct Placed {
        int x, y;
        const Tile* tile;
    };
    std::vector<Placed> placed;
    int x = 8, y = 8, rowH = 0;
    const int times = magnify ? 3 : 1;
    const auto tileW = [&](const Tile& t) {
        return std::max(t.image.width * (magnify ? 4 : 1) + (magnify ? 6 : 0), textWidth(t.label));
    };
    const auto tileH = [&](const Tile& t) { return t.image.height * times + 14; };
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
    const int bands = magnify ? 2 : 1;
    Bitmap out(maxWidth, bandH * bands, kLight);
    for (int yy = bandH; yy < out.height; ++yy)
        for (int xx = 0; xx < out.width; ++xx) out.at(xx, yy) = kDark;
    for (int band = 0; band < bands; ++band) {
        const int oy = band * bandH;
        for (const Placed& p : placed) {
            drawText(out, p.x, oy + p.y, p.tile->label, band ? kLabelOnDark : kLabel);
            blit(out, p.tile->image, p.x, oy + p.y + 12);
            if (magnify) blit(out, enlarge(p.tile->image, 3), p.x + p.tile->image.width + 6, oy + p.y + 12);
        }
    }
    return out;
}

// Stacks `parts` under a label each.
Bitmap stack(const std::vector<std::pair<std::string, Bitmap>>& parts) {
    int width = 0, height = 0;
    for (const auto& [label, part] : parts) {
        width = std::max(width, part.width);
        height += part.height + 16;
    }
    Bitmap out(width, height, Rgb{255, 255, 255});
    int y = 0;
    for (const auto& [label, part] : parts) {
        drawText(out, 8, y + 4, label, kLabel);
        blit(out, part, 0, y + 16);
        y += part.height + 16;
    }
    return out;
}

// At the other scales, one picture of each kind of pose is enough to see
// that Pobo and the menu are the same as at 100 %, only larger.
std::vector<Tile> scaledTiles(const std::string& dir, int percent) {
    std::vector<Tile> tiles;
    for (const ql::PackedPicture& p : ql::decodePicturePack(readFile(dir + "/" + ql::picturePackName(percent)))) {
        const std::string n = p.name.substr(0, p.name.find('.'));
        const bool shown = n.rfind("frame", 0) != 0 || std::string("01 03 09 12 16 21 24 28").find(n.substr(5)) != std::string::npos;
        if (shown) tiles.push_back({n, toBitmap(p.image)});
    }
    return tiles;
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
    tiles.push_back({"hand", handAt(100).picture});
    std::vector<std::pair<std::string, Bitmap>> parts{{"100 percent", sheet(tiles, 2600, true)}};
    for (int percent : ql::kPictureScales)
        if (percent != 100) parts.push_back({std::to_string(percent) + " percent", sheet(scaledTiles(dir, percent), 2600, false)});
    return encodePng(stack(parts));
}

}  // namespace assetgen
