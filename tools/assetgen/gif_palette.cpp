#include "gif_palette.h"

#include <algorithm>
#include <map>

namespace assetgen {
namespace {

struct Entry {
    Rgb colour;
    long count;
};

int channel(const Rgb& c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; }

std::uint32_t key(const Rgb& c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

// Splits the colour list into at most `slots` boxes, always cutting the box
// with the widest channel range at its weighted median.
std::vector<Rgb> medianCut(std::vector<Entry> all, std::size_t slots) {
    std::vector<std::vector<Entry>> boxes{std::move(all)};
    const auto range = [](const std::vector<Entry>& b, int k) {
        int lo = 255, hi = 0;
        for (const Entry& e : b) {
            lo = std::min(lo, channel(e.colour, k));
            hi = std::max(hi, channel(e.colour, k));
        }
        return hi - lo;
    };
    while (boxes.size() < slots) {
        std::size_t best = 0;
        int bestRange = -1, bestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int k = 0; k < 3; ++k) {
                const int r = range(boxes[i], k);
                if (r > bestRange) {
                    bestRange = r;
                    best = i;
                    bestChannel = k;
                }
            }
        }
        if (bestRange <= 0) break;
        std::vector<Entry>& b = boxes[best];
        std::sort(b.begin(), b.end(), [&](const Entry& x, const Entry& y) {
            const int cx = channel(x.colour, bestChannel), cy = channel(y.colour, bestChannel);
            return cx != cy ? cx < cy : key(x.colour) < key(y.colour);
        });
        long total = 0;
        for (const Entry& e : b) total += e.count;
        long acc = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < b.size(); ++i) {
            acc += b[i].count;
            cut = i + 1;
            if (acc * 2 >= total) break;
        }
        std::vector<Entry> upper(b.begin() + static_cast<std::ptrdiff_t>(cut), b.end());
        b.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> out;
    for (const std::vector<Entry>& b : boxes) {
        long n = 0, r = 0, g = 0, bl = 0;
        for (const Entry& e : b) {
            n += e.count;
            r += e.colour.r * e.count;
            g += e.colour.g * e.count;
            bl += e.colour.b * e.count;
        }
        out.push_back(Rgb{static_cast<std::uint8_t>((r + n / 2) / n), static_cast<std::uint8_t>((g + n / 2) / n),
                          static_cast<std::uint8_t>((bl + n / 2) / n)});
    }
    return out;
}

}  // namespace

IndexedFrames indexFrames(const std::vector<Bitmap>& frames) {
    std::map<std::uint32_t, Entry> counts;
    for (const Bitmap& f : frames)
        for (std::size_t i = 0; i < f.px.size(); ++i)
            if (f.alpha[i] != 0) {
                Entry& e = counts.try_emplace(key(f.px[i]), Entry{f.px[i], 0}).first->second;
                ++e.count;
            }
    std::vector<Entry> all;
    for (const auto& [k, e] : counts) all.push_back(e);

    const std::vector<Rgb> colours = medianCut(std::move(all), kTransparentIndex);
    IndexedFrames out;
    for (std::size_t i = 0; i < colours.size(); ++i) out.palette[i] = colours[i];
    out.palette[kTransparentIndex] = kKeyBlue;

    std::map<std::uint32_t, std::uint8_t> nearest;
    const auto lookup = [&](const Rgb& c) {
        const auto it = nearest.find(key(c));
        if (it != nearest.end()) return it->second;
        int best = 0;
        long bestD = -1;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const long dr = c.r - colours[i].r, dg = c.g - colours[i].g, db = c.b - colours[i].b;
            const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestD < 0 || d < bestD) {
                bestD = d;
                best = static_cast<int>(i);
            }
        }
        nearest[key(c)] = static_cast<std::uint8_t>(best);
        return static_cast<std::uint8_t>(best);
    };
    for (const Bitmap& f : frames) {
        std::vector<std::uint8_t> idx(f.px.size());
        for (std::size_t i = 0; i < f.px.size(); ++i)
            idx[i] = f.alpha[i] ? lookup(f.px[i]) : static_cast<std::uint8_t>(kTransparentIndex);
        out.frames.push_back(std::move(idx));
    }
    return out;
}

}  // namespace assetgen
