#include "platform/picture_sets.h"

#include "platform/errors.h"

namespace ql {

void PictureSets::hold(int percent) {
    if (percent == held_) return;
    std::vector<PackedPicture>().swap(set_);  // the old set's memory goes before the new one is read
    held_ = 100;
    if (percent == 100) return;
    const std::string file = picturePackName(percent);
    const std::vector<std::uint8_t> bytes = load_(file.c_str());
    try {
        set_ = decodePicturePack(bytes.data(), bytes.size());
    } catch (const std::exception& e) {
        throw RuntimeError(file + ": " + e.what());
    }
    held_ = percent;
}

const PackedPicture* PictureSets::find(const std::string& name, int percent) {
    hold(percent);
    for (const PackedPicture& entry : set_)
        if (entry.name == name) return &entry;
    return nullptr;
}

const Image& PictureSets::forScale(const Image& picture, int percent) {
    if (percent == 100 || picture.source.empty()) return picture;
    const PackedPicture* scaled = find(picture.source, percent);
    if (!scaled) throw RuntimeError("No " + std::to_string(percent) + " % picture for " + picture.source);
    return scaled->image;
}

}  // namespace ql
