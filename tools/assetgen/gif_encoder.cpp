#include <map>

#include "byte_sink.h"
#include "encoders.h"

namespace assetgen {
namespace {

// Packs variable-width codes least significant bit first, as GIF wants.
class CodeWriter {
public:
    void write(int code, int size) {
        buf_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += size;
        while (bits_ >= 8) {
            out.push_back(static_cast<std::uint8_t>(buf_ & 0xFF));
            buf_ >>= 8;
            bits_ -= 8;
        }
    }
    void flush() {
        if (bits_ > 0) out.push_back(static_cast<std::uint8_t>(buf_ & 0xFF));
        buf_ = 0;
        bits_ = 0;
    }
    std::vector<std::uint8_t> out;

private:
    std::uint32_t buf_ = 0;
    int bits_ = 0;
};

std::vector<std::uint8_t> lzwEncode(const std::vector<std::uint8_t>& indices) {
    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 1 << kMinCodeSize;
    constexpr int kEnd = kClear + 1;
    CodeWriter w;
    std::map<std::pair<int, int>, int> table;  // (prefix code, next byte) -> code
    int codeSize = kMinCodeSize + 1;
    int nextCode = kEnd + 1;
    w.write(kClear, codeSize);
    if (indices.empty()) {
        w.write(kEnd, codeSize);
        w.flush();
        return w.out;
    }
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int c = indices[i];
        const auto found = table.find({prefix, c});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        w.write(prefix, codeSize);
        if (nextCode < 4096) {
            table[{prefix, c}] = nextCode++;
            // The decoder widens its codes one code later than the encoder
            // adds the entry, so widen when the next code no longer fits.
            if (nextCode > (1 << codeSize) && codeSize < 12) ++codeSize;
        } else {
            w.write(kClear, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            nextCode = kEnd + 1;
        }
        prefix = c;
    }
    w.write(prefix, codeSize);
    w.write(kEnd, codeSize);
    w.flush();
    return w.out;
}

}  // namespace

Bytes encodeGif(int width, int height, const std::vector<std::uint8_t>& indices, const std::array<Rgb, 256>& palette,
                int transparent) {
    Bytes b;
    for (char ch : {'G', 'I', 'F', '8', '9', 'a'}) put8(b, static_cast<unsigned>(ch));
    put16(b, static_cast<unsigned>(width));
    put16(b, static_cast<unsigned>(height));
    put8(b, 0xF7);  // global table of 256 entries, 8 bits of colour resolution
    put8(b, static_cast<unsigned>(transparent));
    put8(b, 0);
    for (const Rgb& c : palette) {
        put8(b, c.r);
        put8(b, c.g);
        put8(b, c.b);
    }
    // Graphic Control Extension: no disposal, no delay, transparency on.
    for (unsigned v : {0x21u, 0xF9u, 4u, 0x01u, 0u, 0u}) put8(b, v);
    put8(b, static_cast<unsigned>(transparent));
    put8(b, 0);
    put8(b, 0x2C);
    put16(b, 0);
    put16(b, 0);
    put16(b, static_cast<unsigned>(width));
    put16(b, static_cast<unsigned>(height));
    put8(b, 0);  // no local table, not interlaced
    put8(b, 8);
    const std::vector<std::uint8_t> data = lzwEncode(indices);
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::size_t n = data.size() - i < 255 ? data.size() - i : 255;
        put8(b, static_cast<unsigned>(n));
        b.insert(b.end(), data.begin() + static_cast<std::ptrdiff_t>(i), data.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    put8(b, 0);
    put8(b, 0x3B);
    return b;
}

}  // namespace assetgen
