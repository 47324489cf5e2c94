#include "deflate.h"

#include <algorithm>
#include <array>

namespace assetgen {
namespace {

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void bits(std::uint32_t v, int n) {  // least significant bit first
        for (int i = 0; i < n; ++i) bit((v >> i) & 1);
    }
    void huffman(std::uint32_t code, int n) {  // most significant bit first
        for (int i = n - 1; i >= 0; --i) bit((code >> i) & 1);
    }
    void flush() {
        if (used_ > 0) out_.push_back(cur_);
        cur_ = 0;
        used_ = 0;
    }

private:
    void bit(std::uint32_t b) {
        cur_ = static_cast<std::uint8_t>(cur_ | (b << used_));
        if (++used_ == 8) flush();
    }
    std::vector<std::uint8_t>& out_;
    std::uint8_t cur_ = 0;
    int used_ = 0;
};

void literal(BitWriter& w, int v) {
    if (v < 144) w.huffman(0x30 + v, 8);
    else if (v < 256) w.huffman(0x190 + (v - 144), 9);
    else if (v < 280) w.huffman(v - 256, 7);
    else w.huffman(0xC0 + (v - 280), 8);
}

constexpr std::array<int, 29> kLenBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLenExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistBase = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,   97,   129,
                                           193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistExtra = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void match(BitWriter& w, int len, int dist) {
    int i = 28;
    while (kLenBase[static_cast<std::size_t>(i)] > len) --i;
    literal(w, 257 + i);
    w.bits(static_cast<std::uint32_t>(len - kLenBase[static_cast<std::size_t>(i)]), kLenExtra[static_cast<std::size_t>(i)]);
    int d = 29;
    while (kDistBase[static_cast<std::size_t>(d)] > dist) --d;
    w.huffman(static_cast<std::uint32_t>(d), 5);
    w.bits(static_cast<std::uint32_t>(dist - kDistBase[static_cast<std::size_t>(d)]), kDistExtra[static_cast<std::size_t>(d)]);
}

}  // namespace

std::vector<std::uint8_t> zlibCompress(const std::vector<std::uint8_t>& data) {
    constexpr int kWindow = 32768, kHashBits = 15, kMaxChain = 48;
    std::vector<std::uint8_t> out = {0x78, 0x01};
    BitWriter w(out);
    w.bits(1, 1);  // the only block, and the last
    w.bits(1, 2);  // fixed Huffman codes

    const int n = static_cast<int>(data.size());
    std::vector<int> head(1 << kHashBits, -1), prev(static_cast<std::size_t>(n), -1);
    const auto hashAt = [&](int i) {
        return ((data[static_cast<std::size_t>(i)] << 10) ^ (data[static_cast<std::size_t>(i + 1)] << 5) ^
                data[static_cast<std::size_t>(i + 2)]) & ((1 << kHashBits) - 1);
    };
    const auto insert = [&](int i) {
        if (i + 2 >= n) return;
        const int h = hashAt(i);
        prev[static_cast<std::size_t>(i)] = head[static_cast<std::size_t>(h)];
        head[static_cast<std::size_t>(h)] = i;
    };
    int i = 0;
    while (i < n) {
        int bestLen = 0, bestDist = 0;
        if (i + 2 < n) {
            int cand = head[static_cast<std::size_t>(hashAt(i))];
            for (int chain = 0; cand >= 0 && i - cand <= kWindow && chain < kMaxChain; ++chain) {
                int len = 0;
                const int limit = std::min(258, n - i);
                while (len < limit && data[static_cast<std::size_t>(cand + len)] == data[static_cast<std::size_t>(i + len)]) ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestDist = i - cand;
                    if (len == limit) break;
                }
                cand = prev[static_cast<std::size_t>(cand)];
            }
        }
        if (bestLen >= 3) {
            match(w, bestLen, bestDist);
            for (int k = 0; k < bestLen; ++k) insert(i + k);
            i += bestLen;
        } else {
            literal(w, data[static_cast<std::size_t>(i)]);
            insert(i);
            ++i;
        }
    }
    literal(w, 256);
    w.flush();

    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    const std::uint32_t adler = (b << 16) | a;
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(adler >> s));
    return out;
}

}  // namespace assetgen
