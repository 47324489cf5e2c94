#include "caption_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

constexpr char kFontPath[] = QL_CAPTION_FONT;

struct Library {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    Library() {
        if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("cannot start the font engine");
        if (FT_New_Face(lib, kFontPath, 0, &face) != 0) {
            FT_Done_FreeType(lib);
            throw std::runtime_error(std::string("cannot open the caption font ") + kFontPath);
        }
    }
    ~Library() {
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

FT_GlyphSlot render(FT_Face face, char c) {
    const FT_Error err = FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
    if (err != 0) throw std::runtime_error(std::string("the caption font cannot draw '") + c + "'");
    return face->glyph;
}

// The pixel size at which the hinted first capital is exactly `capHeight`
// rows tall, trying sizes nearest the font's own cap height first.
void sizeFor(FT_Face face, char capital, int capHeight) {
    const double ratio = 0.72;  // cap height over em of a plain sans; only orders the tries
    const int guess = static_cast<int>(capHeight / ratio + 0.5);
    for (int d = 0; d <= capHeight; ++d)
        for (int ppem : {guess - d, guess + d}) {
            if (ppem <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) continue;
            const FT_GlyphSlot g = render(face, capital);
            if (static_cast<int>(g->bitmap.rows) == capHeight && g->bitmap_top == capHeight) return;
        }
    throw std::runtime_error("no size of the caption font gives capitals " + std::to_string(capHeight) + " tall");
}

}  // namespace

void drawCaption(Bitmap& img, const CaptionPlace& at, std::string_view text, Rgb colour) {
    Library font;
    sizeFor(font.face, text.front(), at.capHeight);
    const int baseline = at.capTop + at.capHeight;
    int pen = 0;
    bool first = true;
    for (char c : text) {
        const FT_GlyphSlot g = render(font.face, c);
        // The caption starts where its first ink does.
        if (first) pen = at.x - g->bitmap_left;
        first = false;
        const FT_Bitmap& bm = g->bitmap;
        for (unsigned r = 0; r < bm.rows; ++r)
            for (unsigned k = 0; k < bm.width; ++k) {
                const unsigned char byte = bm.buffer[static_cast<int>(r) * bm.pitch + static_cast<int>(k / 8)];
                if (((byte >> (7 - k % 8)) & 1) == 0) continue;
                const int x = pen + g->bitmap_left + static_cast<int>(k);
                if (x >= at.rightEnd) throw std::runtime_error("caption runs past its frame: " + std::string(text));
                img.set(x, baseline - g->bitmap_top + static_cast<int>(r), colour);
            }
        pen += static_cast<int>((g->advance.x + 32) >> 6);
    }
}

}  // namespace assetgen
