#include "platform/image_codec.h"

#include "platform/byte_reader.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

namespace ql {
namespace {

// Large enough for every picture the program ships, small enough that a
// hostile header cannot make us allocate gigabytes.
constexpr int kMaxSide = 4096;

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error("image: " + what); }


std::uint32_t argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

Image decodeBmp(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size, "image");
    in.take(2, "BMP file header");  // "BM", checked by the caller
    in.u32("BMP file header");      // file size: often wrong in the wild, not trusted
    in.u32("BMP file header");      // reserved
    const std::uint32_t pixelOffset = in.u32("BMP file header");
    const std::uint32_t infoSize = in.u32("BMP info header");
    if (infoSize < 40) fail("unsupported BMP header (size " + std::to_string(infoSize) + ")");
    const auto width = static_cast<std::int32_t>(in.u32("BMP info header"));
    const auto rawHeight = static_cast<std::int32_t>(in.u32("BMP info header"));
    const std::uint16_t planes = in.u16("BMP info header");
    const std::uint16_t bitCount = in.u16("BMP info header");
    const std::uint32_t compression = in.u32("BMP info header");

    if (planes != 1) fail("BMP plane count must be 1");
    if (bitCount != 24) fail("only 24-bit BMP is supported (got " + std::to_string(bitCount) + " bits)");
    if (compression != 0) fail("compressed BMP is not supported");
    if (width <= 0 || width > kMaxSide) fail("BMP width out of range");
    if (rawHeight == 0 || rawHeight < -kMaxSide || rawHeight > kMaxSide) fail("BMP height out of range");

    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
    if (pixelOffset < 14 + infoSize || pixelOffset > size || pixelBytes > size - pixelOffset)
        fail("BMP pixel data is truncated or misplaced");

    Image img;
    img.width = width;
    img.height = height;
    img.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int srcRow = topDown ? y : height - 1 - y;
        const std::uint8_t* row = data + pixelOffset + stride * static_cast<std::size_t>(srcRow);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
            img.pixels[pixelIndex(x, y, width)] = argb(255, p[2], p[1], p[0]);
        }
    }
    return img;
}

// Concatenated sub-blocks of one GIF data stream, ending at a zero-length block.
std::vector<std::uint8_t> readSubBlocks(ByteReader& in) {
    std::vector<std::uint8_t> out;
    for (;;) {
        const std::uint8_t n = in.u8("GIF data sub-block");
        if (n == 0) return out;
        const std::uint8_t* p = in.take(n, "GIF data sub-block");
        out.insert(out.end(), p, p + n);
    }
}

void skipSubBlocks(ByteReader& in) {
    for (;;) {
        const std::uint8_t n = in.u8("GIF extension");
        if (n == 0) return;
        in.take(n, "GIF extension");
    }
}

// Variable-width LZW as used by GIF: codes are packed least significant bit first.
std::vector<std::uint8_t> lzwDecode(const std::vector<std::uint8_t>& src, int minCodeSize, std::size_t pixelCount) {
    if (minCodeSize < 2 || minCodeSize > 8) fail("GIF LZW code size out of range");
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;

    // Each table entry is its prefix code plus its last byte; strings are
    // rebuilt backwards into a scratch buffer.
    std::array<std::uint16_t, 4096> prefix{};
    std::array<std::uint8_t, 4096> suffix{};
    std::array<std::uint16_t, 4096> length{};
    for (int i = 0; i < clearCode; ++i) {
        prefix[static_cast<std::size_t>(i)] = 0;
        suffix[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        length[static_cast<std::size_t>(i)] = 1;
    }
    std::array<std::uint8_t, 4096> scratch{};

    std::vector<std::uint8_t> out;
    out.reserve(pixelCount);

    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    int prev = -1;
    std::uint32_t bitBuf = 0;
    int bitCount = 0;
    std::size_t srcPos = 0;

    while (out.size() < pixelCount) {
        while (bitCount < codeSize) {
            if (srcPos >= src.size()) fail("GIF image data is truncated");
            bitBuf |= static_cast<std::uint32_t>(src[srcPos++]) << bitCount;
            bitCount += 8;
        }
        const int code = static_cast<int>(bitBuf & ((1u << codeSize) - 1));
        bitBuf >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
            prev = -1;
            continue;
        }
        if (code == endCode) break;

        int emit;  // code whose string is written out
        std::uint8_t first;
        if (code < nextCode && (code < clearCode || code > endCode)) {
            emit = code;
        } else if (code == nextCode && prev >= 0) {
            emit = prev;  // the string-plus-its-own-first-byte case
        } else {
            fail("GIF LZW stream holds an invalid code");
        }

        const int len = length[static_cast<std::size_t>(emit)];
        int c = emit;
        for (int i = len - 1; i >= 0; --i) {
            scratch[static_cast<std::size_t>(i)] = suffix[static_cast<std::size_t>(c)];
            c = prefix[static_cast<std::size_t>(c)];
        }
        first = scratch[0];
        for (int i = 0; i < len && out.size() < pixelCount; ++i) out.push_back(scratch[static_cast<std::size_t>(i)]);
        if (code == nextCode) {
            if (out.size() < pixelCount) out.push_back(first);
        }

        if (prev >= 0 && nextCode < 4096) {
            prefix[static_cast<std::size_t>(nextCode)] = static_cast<std::uint16_t>(prev);
            suffix[static_cast<std::size_t>(nextCode)] = first;
            length[static_cast<std::size_t>(nextCode)] =
                static_cast<std::uint16_t>(length[static_cast<std::size_t>(prev)] + 1);
            ++nextCode;
            if (nextCode == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        prev = code;
    }
    if (out.size() < pixelCount) fail("GIF image data ends before the last pixel");
    return out;
}

Image decodeGif(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size, "image");
    in.take(6, "GIF header");  // signature, checked by the caller
    const int screenW = in.u16("GIF screen descriptor");
    const int screenH = in.u16("GIF screen descriptor");
    const std::uint8_t screenFlags = in.u8("GIF screen descriptor");
    in.u8("GIF screen descriptor");  // background colour index: we show transparency instead
    in.u8("GIF screen descriptor");  // aspect ratio
    if (screenW <= 0 || screenH <= 0 || screenW > kMaxSide || screenH > kMaxSide) fail("GIF size out of range");

    std::vector<std::uint32_t> globalTable;
    auto readTable = [&](std::uint8_t flags) {
        const std::size_t n = std::size_t{2} << (flags & 7);
        const std::uint8_t* p = in.take(n * 3, "GIF colour table");
        std::vector<std::uint32_t> table(n);
        for (std::size_t i = 0; i < n; ++i) table[i] = argb(255, p[i * 3], p[i * 3 + 1], p[i * 3 + 2]);
        return table;
    };
    if (screenFlags & 0x80) globalTable = readTable(screenFlags);

    int transparent = -1;
    for (;;) {
        const std::uint8_t tag = in.u8("GIF block");
        if (tag == 0x3B) fail("GIF holds no image");
        if (tag == 0x21) {
            const std::uint8_t label = in.u8("GIF extension");
            if (label == 0xF9) {
                const std::uint8_t blockSize = in.u8("GIF graphic control");
                if (blockSize < 4) fail("GIF graphic control block is too short");
                const std::uint8_t* p = in.take(blockSize, "GIF graphic control");
                transparent = (p[0] & 1) ? p[3] : -1;
            }
            skipSubBlocks(in);
            continue;
        }
        if (tag != 0x2C) fail("GIF holds an unknown block");

        const int left = in.u16("GIF image descriptor");
        const int top = in.u16("GIF image descriptor");
        const int w = in.u16("GIF image descriptor");
        const int h = in.u16("GIF image descriptor");
        const std::uint8_t flags = in.u8("GIF image descriptor");
        if (flags & 0x40) fail("interlaced GIF is not supported");
        if (w <= 0 || h <= 0 || left + w > screenW || top + h > screenH) fail("GIF image lies outside its screen");
        const std::vector<std::uint32_t> table = (flags & 0x80) ? readTable(flags) : globalTable;
        if (table.empty()) fail("GIF has no colour table");

        const int minCodeSize = in.u8("GIF image data");
        const std::vector<std::uint8_t> lzw = readSubBlocks(in);
        const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
        const std::vector<std::uint8_t> indices = lzwDecode(lzw, minCodeSize, count);

        Image img;
        img.width = screenW;
        img.height = screenH;
        img.pixels.assign(static_cast<std::size_t>(screenW) * static_cast<std::size_t>(screenH), 0);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::uint8_t idx = indices[pixelIndex(x, y, w)];
                if (idx >= table.size()) fail("GIF pixel refers past its colour table");
                std::uint32_t px = table[idx];
                if (idx == transparent) px &= 0x00FFFFFFu;
                img.pixels[pixelIndex(left + x, top + y, screenW)] = px;
            }
        }
        return img;
    }
}

}  // namespace

Image decodeImage(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < 6) fail("too short to be a picture");
    if (data[0] == 'B' && data[1] == 'M') return decodeBmp(data, size);
    if (std::memcmp(data, "GIF89a", 6) == 0 || std::memcmp(data, "GIF87a", 6) == 0) return decodeGif(data, size);
    fail("unknown picture format");
}

}  // namespace ql
