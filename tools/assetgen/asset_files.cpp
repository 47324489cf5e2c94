#include "asset_files.h"

#include <cstdio>

#include "about_pictures.h"
#include "gif_palette.h"
#include "menu_pictures.h"
#include "picture_pack_encoder.h"
#include "picture_set.h"
#include "program_icons.h"
#include "sprites.h"

namespace assetgen {
namespace {

std::string frameName(int n, const char* ext) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "frame%02d.%s", n, ext);
    return buf;
}

}  // namespace

std::vector<AssetFile> buildAssets() {
    std::vector<AssetFile> out;
    const std::vector<Bitmap> frames = spriteFrames(100);
    for (int n = 1; n <= 20; ++n) out.push_back({frameName(n, "bmp"), encodeBmp24(flatten(frames[static_cast<std::size_t>(n - 1)], kKeyBlue))});

    const std::vector<Bitmap> messenger(frames.begin() + 20, frames.end());
    const IndexedFrames indexed = indexFrames(messenger);
    for (int n = 21; n <= 28; ++n) {
        const Bitmap& f = frames[static_cast<std::size_t>(n - 1)];
        out.push_back({frameName(n, "gif"),
                       encodeGif(f.width, f.height, indexed.frames[static_cast<std::size_t>(n - 21)], indexed.palette,
                                 kTransparentIndex)});
    }

    for (auto& [name, picture] : menuPictures(100)) out.push_back({name, encodeBmp24(picture)});
    out.push_back({"about_pobo.bmp", encodeBmp24(aboutPobo(100))});
    out.push_back({"about_close.bmp", encodeBmp24(aboutClose(100))});
    out.push_back({"quorlin.ico", programIcon()});
    out.push_back({"hand.cur", handCursor()});
    for (int percent : ql::kPictureScales)
        if (percent != 100) out.push_back({ql::picturePackName(percent), encodePicturePack(pictureSet(percent))});
    return out;
}

}  // namespace assetgen
