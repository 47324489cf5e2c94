#include "picture_pack_encoder.h"

#include <map>
#include <stdexcept>

#include "byte_sink.h"

namespace assetgen {
namespace {

void putVarint(Bytes& b, std::size_t v) {
    while (v >= 0x80) {
        put8(b, static_cast<unsigned>(v & 0x7F) | 0x80u);
        v >>= 7;
    }
    put8(b, static_cast<unsigned>(v));
}

// A repeat or a copy pays off from three pixels; shorter ones ride along in
// the literal runs around them.
constexpr std::size_t kShortestRun = 3;

void putPixels(Bytes& b, const std::vector<std::uint32_t>& indices, std::size_t width, bool wide) {
    const auto putIndex = [&](std::uint32_t i) { wide ? put16(b, i) : put8(b, i); };
    const auto matching = [&](std::size_t i, std::size_t from) {
        std::size_t n = 0;
        while (i + n < indices.size() && indices[i + n] == indices[from + n]) ++n;
        return n;
    };
    const auto repeatAt = [&](std::size_t i) { return 1 + matching(i + 1, i); };
    const auto copyAt = [&](std::size_t i) { return i < width ? 0 : matching(i, i - width); };
    const auto putRun = [&](std::size_t length, unsigned kind) { putVarint(b, (length - 1) * 3 + kind); };
    std::size_t i = 0;
    while (i < indices.size()) {
        const std::size_t repeat = repeatAt(i), copy = copyAt(i);
        if (copy >= kShortestRun && copy >= repeat) {
            putRun(copy, 2);
            i += copy;
        } else if (repeat >= kShortestRun) {
            putRun(repeat, 0);
            putIndex(indices[i]);
            i += repeat;
        } else {
            std::size_t end = i + 1;
            while (end < indices.size() && repeatAt(end) < kShortestRun && copyAt(end) < kShortestRun) ++end;
            putRun(end - i, 1);
            for (; i < end; ++i) putIndex(indices[i]);
        }
    }
}

void putPicture(Bytes& b, const ql::PackedPicture& p) {
    const ql::Image& img = p.image;
    if (p.name.empty() || p.name.size() > 255) throw std::runtime_error("picture name does not fit: " + p.name);
    if (img.width <= 0 || img.height <= 0 || img.width > 0xFFFF || img.height > 0xFFFF)
        throw std::runtime_error("picture size does not fit: " + p.name);
    put8(b, static_cast<unsigned>(p.name.size()));
    b.insert(b.end(), p.name.begin(), p.name.end());
    for (int v : {img.width, img.height, p.hotspotX, p.hotspotY}) put16(b, static_cast<unsigned>(v));

    // Colours in order of first use, so the same picture packs to the same bytes.
    std::map<std::uint32_t, std::uint32_t> indexOf;
    std::vector<std::uint32_t> colours, indices;
    indices.reserve(img.pixels.size());
    for (std::uint32_t px : img.pixels) {
        const auto [it, added] = indexOf.try_emplace(px, static_cast<std::uint32_t>(colours.size()));
        if (added) colours.push_back(px);
        indices.push_back(it->second);
    }
    if (colours.size() > 0xFFFF) throw std::runtime_error("too many colours in " + p.name);
    put16(b, static_cast<unsigned>(colours.size()));
    for (std::uint32_t c : colours) put32(b, c);
    putPixels(b, indices, static_cast<std::size_t>(img.width), colours.size() > 256);
}

}  // namespace

Bytes encodePicturePack(const std::vector<ql::PackedPicture>& pictures) {
    Bytes b(std::begin(ql::kPictureMagic), std::end(ql::kPictureMagic));
    put16(b, ql::kPictureVersion);
    put16(b, static_cast<unsigned>(pictures.size()));
    for (const ql::PackedPicture& p : pictures) putPicture(b, p);
    return b;
}

}  // namespace assetgen
