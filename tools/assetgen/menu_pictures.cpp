#include "menu_pictures.h"

#include "canvas.h"
#include "pixel_font.h"

namespace assetgen {
namespace {

constexpr int kWidth = 142;
constexpr Rgb kStripFirst = rgbHex(0xBED5F5);
constexpr Rgb kStripLast = rgbHex(0x84ABE2);
constexpr Rgb kGround = rgbHex(0xF6F6F6);
constexpr Rgb kFrame = rgbHex(0x524D95);
constexpr Rgb kHighlight = rgbHex(0xFFEEC2);
constexpr Rgb kSeparator = rgbHex(0x6A8CCB);
constexpr Rgb kBlack{0, 0, 0};

// Nearest integer to first + (last - first) * step / 21; with 21 steps the
// exact value is never halfway between two integers.
std::uint8_t ramp(int first, int last, int step) {
    const int num = (last - first) * step * 2;
    const int q = num >= 0 ? (num + 21) / 42 : -((-num + 21) / 42);
    return static_cast<std::uint8_t>(first + q);
}

struct Item {
    int height;
    int captionX;
    int capTop;
    int frameTop;
    const char* caption;
};

Bitmap ground(const Item& it) {
    Bitmap b(kWidth, it.height, kGround);
    for (int y = 0; y < it.height; ++y)
        for (int x = 0; x <= 22; ++x) b.at(x, y) = stripColour(x);
    return b;
}

void highlight(Bitmap& b, const Item& it) {
    const int bottom = it.frameTop + 17;
    for (int y = it.frameTop; y <= bottom; ++y)
        for (int x = 29; x <= 129; ++x)
            b.at(x, y) = (y == it.frameTop || y == bottom || x == 29 || x == 129) ? kFrame : kHighlight;
}

// Small icons are painted with smoothing onto the strip itself, which is an
// opaque ground, so soft edges are fine here.
void paintIcon(Bitmap& b, Canvas& icon) { blit(b, icon.soft(), 0, 0); }

void globeIcon(Bitmap& b) {
    Canvas c(23, b.height);
    const Pt o{8.6, 12.0};
    c.fill(circle(o.x, o.y, 6.6), Rgb{28, 56, 112});
    const Shape sea = circle(o.x, o.y, 5.7);
    c.fill(sea, Rgb{70, 140, 218});
    const Rgb land{72, 172, 82};
    c.fill(intersect(sea, polygon({{3, 7}, {7, 5.5}, {9, 7.5}, {7.5, 10}, {8.5, 13}, {6, 15.5}, {3.5, 12.5}})), land);
    c.fill(intersect(sea, polygon({{11, 6.5}, {14.5, 9}, {14.5, 12}, {12, 12.5}, {10.5, 10}})), land);
    c.fill(intersect(sea, polygon({{10.5, 14.5}, {13.5, 14}, {12, 17.5}, {10, 17.5}})), land);
    c.fill(intersect(sea, ellipse(o.x - 2.2, o.y - 2.6, 2.6, 1.8)), Rgb{255, 255, 255}, 0.5);
    paintIcon(b, c);
    // Two chain links hanging off the globe's lower right, set pixel by
    // pixel: smoothing turns rings this small to mush.
    static const char* const kChain[] = {
        ".dd......",
        "dssd.....",
        "ds.sd....",
        ".ds.sd...",
        "..dsdddd.",
        "...ddssd.",
        "....ds.sd",
        ".....ds.sd" ,
        "......dssd",
        ".......dd.",
    };
    for (int y = 0; y < 10; ++y)
        for (int x = 0; kChain[y][x] != '\0'; ++x) {
            const char ch = kChain[y][x];
            if (ch == 'd') b.at(10 + x, 13 + y) = Rgb{56, 60, 74};
            if (ch == 's') b.at(10 + x, 13 + y) = Rgb{200, 206, 218};
        }
}

void arrowsIcon(Bitmap& b) {
    Canvas c(23, b.height);
    const Pt o{10.8, 10.4};
    const auto at = [&](Pt dir, double r) { return Pt{o.x + dir.x * r, o.y + dir.y * r}; };
    // Directions in degrees, clockwise on screen.
    const Pt d0{1, 0}, d20{0.940, 0.342}, d45{0.707, 0.707}, d90{0, 1}, d135{-0.707, 0.707}, d180{-1, 0},
        d200{-0.940, -0.342}, d225{-0.707, -0.707}, d270{0, -1}, d315{0.707, -0.707};
    const Shape ring = subtract(circle(o.x, o.y, 6.0), circle(o.x, o.y, 3.2));
    // Two arrows chasing each other clockwise round the ring: each arc ends
    // in a head wider than the ring, pointing at the other arrow's tail.
    const Shape arcA = polygon({o, at(d200, 12), at(d225, 12), at(d270, 12), at(d315, 12)});
    const Shape arcB = polygon({o, at(d20, 12), at(d45, 12), at(d90, 12), at(d135, 12)});
    const Shape headA = polygon({at(d315, 1.6), at(d315, 7.6), at(d0, 4.6)});
    const Shape headB = polygon({at(d135, 1.6), at(d135, 7.6), at(d180, 4.6)});
    const Shape arrows = unite(unite(intersect(ring, unite(arcA, arcB)), headA), headB);
    c.fill(arrows, Rgb{28, 64, 132});
    c.fill(intersect(arrows, circle(o.x - 0.9, o.y - 0.9, 5.2)), Rgb{66, 128, 212});
    const Rgb dots[3] = {{226, 52, 44}, {244, 190, 30}, {60, 170, 70}};
    for (int i = 0; i < 3; ++i) {
        const double x = 6.2 + 4.3 * i;
        c.fill(circle(x, 20.6, 2.2), Rgb{50, 50, 60});
        c.fill(circle(x, 20.6, 1.5), dots[i]);
        c.fill(circle(x - 0.5, 20.1, 0.6), Rgb{255, 255, 255}, 0.6);
    }
    paintIcon(b, c);
}

void tickBox(Bitmap& b) {
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x)
            b.at(x, y) = (x == 1 || y == 1 || x == 20 || y == 20) ? rgbHex(0x000080) : rgbHex(0xFFC06F);
    // A two-pixel run per column; its ends trace (7,10) down to (9,13) and up to (13,8).
    const int runTop[7] = {10, 11, 12, 11, 10, 9, 8};
    for (int i = 0; i < 7; ++i) {
        b.at(7 + i, runTop[i]) = kBlack;
        b.at(7 + i, runTop[i] + 1) = kBlack;
    }
}

}  // namespace

Rgb stripColour(int x) {
    const int step = x <= 1 ? 0 : x - 1;
    return Rgb{ramp(kStripFirst.r, kStripLast.r, step), ramp(kStripFirst.g, kStripLast.g, step),
               ramp(kStripFirst.b, kStripLast.b, step)};
}

std::vector<std::pair<std::string, Bitmap>> menuPictures() {
    const Item about{28, 37, 10, 5, "About Quorlin"};
    const Item ontop{22, 38, 7, 2, "Keep Pobo On Top"};
    const Item end{25, 38, 8, 3, "End Quorlin"};
    std::vector<std::pair<std::string, Bitmap>> out;
    const auto add = [&](const char* name, const Item& it, bool over, void (*icon)(Bitmap&)) {
        Bitmap b = ground(it);
        if (icon) icon(b);
        if (over) highlight(b, it);
        if (&it == &about)
            for (int x = 34; x < kWidth; ++x) b.at(x, 26) = kSeparator;
        drawText(b, it.captionX, it.capTop, it.caption, kBlack);
        out.emplace_back(name, std::move(b));
    };
    add("menu_about.bmp", about, false, globeIcon);
    add("menu_about_over.bmp", about, true, globeIcon);
    add("menu_ontop_off.bmp", ontop, false, nullptr);
    add("menu_ontop_off_over.bmp", ontop, true, nullptr);
    add("menu_ontop_on.bmp", ontop, false, tickBox);
    add("menu_ontop_on_over.bmp", ontop, true, tickBox);
    add("menu_end.bmp", end, false, arrowsIcon);
    add("menu_end_over.bmp", end, true, arrowsIcon);
    return out;
}

}  // namespace assetgen
