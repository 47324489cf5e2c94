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
    const Rgb line{28, 56, 112};
    c.fill(circle(9.5, 12.0, 7.4), line);
    c.fill(circle(9.5, 12.0, 6.4), Rgb{72, 140, 216});
    const Shape sea = circle(9.5, 12.0, 6.4);
    const Rgb land{76, 170, 84};
    c.fill(intersect(sea, polygon({{4, 8}, {8, 6}, {10, 8}, {8, 11}, {9, 14}, {6, 16}, {4, 13}})), land);
    c.fill(intersect(sea, polygon({{12, 7}, {15, 9}, {16, 12}, {13, 13}, {11, 11}})), land);
    c.fill(intersect(sea, polygon({{11, 15}, {14, 15}, {13, 18}, {11, 18}})), land);
    c.fill(intersect(sea, circle(7.0, 9.0, 2.2)), Rgb{255, 255, 255}, 0.45);
    // Two chain links hooked over the globe's lower right.
    const Rgb steel{150, 156, 168}, steelDark{70, 74, 86};
    const auto link = [&](double cx, double cy, double ax, double ay) {
        c.fill(subtract(rotatedEllipse(cx, cy, 3.6, 2.3, ax, ay), rotatedEllipse(cx, cy, 1.6, 0.6, ax, ay)), steelDark);
        c.fill(subtract(rotatedEllipse(cx, cy, 2.8, 1.6, ax, ay), rotatedEllipse(cx, cy, 1.9, 0.8, ax, ay)), steel);
    };
    link(14.6, 16.6, 1, 1);
    link(17.0, 19.0, 1, -1);
    paintIcon(b, c);
}

void arrowsIcon(Bitmap& b) {
    Canvas c(23, b.height);
    const Pt o{10.5, 10.0};
    const Shape ring = subtract(circle(o.x, o.y, 6.3), circle(o.x, o.y, 3.9));
    // Two arrows chasing each other round the ring, with a gap before each head.
    const Shape gapA = polygon({{o.x, o.y}, {o.x + 9, o.y - 9}, {o.x + 9, o.y - 2}});
    const Shape gapB = polygon({{o.x, o.y}, {o.x - 9, o.y + 9}, {o.x - 9, o.y + 2}});
    const Shape arcs = subtract(subtract(ring, gapA), gapB);
    const Shape headA = polygon({{o.x + 2.6, o.y - 8.7}, {o.x + 6.9, o.y - 5.6}, {o.x + 2.2, o.y - 2.8}});
    const Shape headB = polygon({{o.x - 2.6, o.y + 8.7}, {o.x - 6.9, o.y + 5.6}, {o.x - 2.2, o.y + 2.8}});
    const Shape arrows = unite(unite(arcs, headA), headB);
    c.fill(arrows, Rgb{40, 80, 150});
    c.fill(intersect(arrows, circle(o.x - 1, o.y - 1, 5.3)), Rgb{66, 124, 204});
    const Rgb dots[3] = {{226, 52, 44}, {244, 190, 30}, {60, 170, 70}};
    for (int i = 0; i < 3; ++i) {
        const double x = 6.0 + 4.5 * i;
        c.fill(circle(x, 21.5, 2.1), Rgb{50, 50, 60});
        c.fill(circle(x, 21.5, 1.4), dots[i]);
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
