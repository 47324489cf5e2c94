#include "platform/picture_pack.h"

#include "platform/byte_reader.h"

#include <stdexcept>

namespace ql {
namespace {

// At most 32 bits: five groups of seven, the last with four to spare.
std::uint32_t varint(ByteReader& in, const char* what) {
    std::uint32_t v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const std::uint8_t b = in.u8(what);
        if (shift == 28 && b > 0x0F) break;
        v |= std::uint32_t{b & 0x7Fu} << shift;
        if ((b & 0x80) == 0) return v;
    }
    throw std::runtime_error(std::string("picture pack has an overlong ") + what);
}

std::vector<std::uint32_t> readColours(ByteReader& in, const std::string& name) {
    const std::uint32_t count = in.u16("a colour count");
    if (count == 0) throw std::runtime_error("picture pack: " + name + " has no colours");
    std::vector<std::uint32_t> colours(count);
    for (std::uint32_t& c : colours) {
        c = in.u32("a colour table");
        const std::uint32_t alpha = c >> 24;
        if (alpha != 0 && alpha != 255) throw std::runtime_error("picture pack: " + name + " has a partly transparent colour");
    }
    return colours;
}

void readPixels(ByteReader& in, const std::vector<std::uint32_t>& colours, const std::string& name, Image& img) {
    const bool wide = colours.size() > 256;
    const auto colour = [&] {
        const std::uint32_t i = wide ? in.u16("pixels") : in.u8("pixels");
        if (i >= colours.size()) throw std::runtime_error("picture pack: " + name + " names a colour it lacks");
        return colours[i];
    };
    img.pixels.resize(pixelCount(img.width, img.height));
    const std::size_t width = static_cast<std::size_t>(img.width);
    std::size_t at = 0;
    while (at < img.pixels.size()) {
        const std::uint32_t n = varint(in, "run");
        const std::size_t length = std::size_t{n / 3} + 1;
        if (length > img.pixels.size() - at) throw std::runtime_error("picture pack: a run overflows " + name);
        switch (n % 3) {
            case 0: {
                const std::uint32_t c = colour();
                for (std::size_t k = 0; k < length; ++k) img.pixels[at++] = c;
                break;
            }
            case 1:
                for (std::size_t k = 0; k < length; ++k) img.pixels[at++] = colour();
                break;
            default:
                if (at < width) throw std::runtime_error("picture pack: " + name + " copies from above its top row");
                for (std::size_t k = 0; k < length; ++k, ++at) img.pixels[at] = img.pixels[at - width];
        }
    }
}

PackedPicture readEntry(ByteReader& in) {
    PackedPicture p;
    p.name = in.text(in.u8("a name"), "a name");
    if (p.name.empty()) throw std::runtime_error("picture pack has a picture without a name");
    p.image.width = static_cast<int>(in.u16("a picture size"));
    p.image.height = static_cast<int>(in.u16("a picture size"));
    p.hotspotX = static_cast<int>(in.u16("a hotspot"));
    p.hotspotY = static_cast<int>(in.u16("a hotspot"));
    if (p.image.width == 0 || p.image.height == 0) throw std::runtime_error("picture pack: " + p.name + " is empty");
    if (p.hotspotX >= p.image.width || p.hotspotY >= p.image.height)
        throw std::runtime_error("picture pack: the hotspot of " + p.name + " lies outside it");
    readPixels(in, readColours(in, p.name), p.name, p.image);
    return p;
}

}  // namespace

std::vector<PackEntry> indexPicturePack(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size, "picture pack");
    if (in.text(4, "the header") != std::string(kPictureMagic, 4))
        throw std::runtime_error("not a picture pack (bad magic)");
    if (in.u16("the header") != kPictureVersion) throw std::runtime_error("picture pack of an unknown version");
    const std::uint32_t count = in.u16("the header");
    std::vector<PackEntry> entries;
    for (std::uint32_t e = 0; e < count; ++e) {
        const std::size_t offset = in.pos();
        entries.push_back({readEntry(in).name, offset});  // read whole: a fault anywhere is found now
    }
    if (!in.atEnd()) throw std::runtime_error("picture pack has bytes after its last picture");
    return entries;
}

PackedPicture decodePackEntry(const std::uint8_t* data, std::size_t size, const PackEntry& entry) {
    if (entry.offset > size) throw std::runtime_error("picture pack entry beyond the pack");
    ByteReader in(data + entry.offset, size - entry.offset, "picture pack");
    return readEntry(in);
}

std::vector<PackedPicture> decodePicturePack(const std::uint8_t* data, std::size_t size) {
    std::vector<PackedPicture> out;
    for (const PackEntry& entry : indexPicturePack(data, size)) out.push_back(decodePackEntry(data, size, entry));
    return out;
}

}  // namespace ql
