#include "platform/picture_sets.h"

#include "platform/errors.h"

namespace ql {

void PictureSets::hold(int percent) {
    if (percent == held_) return;
    // The old set's memory goes before the new one is read.
    std::vector<std::unique_ptr<PackedPicture>>().swap(decoded_);
    std::vector<PackEntry>().swap(entries_);
    held_ = 100;
    if (percent == 100) return;
    const std::string file = picturePackName(percent);
    const std::vector<std::uint8_t> pack = load_(file.c_str());
    try {
        entries_ = indexPicturePack(pack.data(), pack.size());
    } catch (const std::exception& e) {
        throw RuntimeError(file + ": " + e.what());
    }
    decoded_.resize(entries_.size());
    held_ = percent;
}

const PackedPicture* PictureSets::find(const std::string& name, int percent) {
    hold(percent);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name != name) continue;
        if (!decoded_[i]) {
            const std::vector<std::uint8_t> pack = load_(picturePackName(percent).c_str());
            decoded_[i] = std::make_unique<PackedPicture>(decodePackEntry(pack.data(), pack.size(), entries_[i]));
        }
        return decoded_[i].get();
    }
    return nullptr;
}

const Image& PictureSets::forScale(const Image& picture, int percent) {
    if (percent == 100 || picture.source.empty()) return picture;
    const PackedPicture* scaled = find(picture.source, percent);
    if (!scaled) throw RuntimeError("No " + std::to_string(percent) + " % picture for " + picture.source);
    return scaled->image;
}

}  // namespace ql
