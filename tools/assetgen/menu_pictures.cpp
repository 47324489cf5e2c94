#include "menu_pictures.h"

#include "canvas.h"
#include "caption_font.h"
#include "pixel_font.h"
#include "scale.h"

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

// Nearest integer to first + (last - first) * step / steps, halves up.
std::uint8_t ramp(int first, int last, int step, int steps) {
    return static_cast<std::uint8_t>((2 * (first * steps + (last - first) * step) + steps) / (2 * steps));
}

// The strip is columns 0-22 at 100 %: the first colour in the two left
// columns, then an even step per column to the last colour at the right edge.
Rgb stripColour(int x, const Scale& sc) {
    const int flat = sc(2), steps = sc(23) - flat;
    const int step = x < flat ? 0 : x - flat + 1;
    return Rgb{ramp(kStripFirst.r, kStripLast.r, step, steps), ramp(kStripFirst.g, kStripLast.g, step, steps),
               ramp(kStripFirst.b, kStripLast.b, step, steps)};
}

// Pixels [x0, x1) x [y0, y1) with a frame `line` pixels thick.
struct Rect {
    int x0, y0, x1, y1;
    bool onFrame(int x, int y, int line) const { return x < x0 + line || x >= x1 - line || y < y0 + line || y >= y1 - line; }
};

void fillFramed(Bitmap& b, const Rect& r, int line, Rgb frame, Rgb inside) {
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) b.at(x, y) = r.onFrame(x, y, line) ? frame : inside;
}

struct Item {
    int height;
    int captionX;
    int capTop;
    int frameTop;
    const char* caption;
};

Bitmap ground(const Item& it, const Scale& sc) {
    Bitmap b(sc(kWidth), sc(it.height), kGround);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < sc(23); ++x) b.at(x, y) = stripColour(x, sc);
    return b;
}

// Columns 29-129 and 18 rows from the item's frame top, at 100 %.
Rect highlightFrame(const Item& it, const Scale& sc) { return {sc(29), sc(it.frameTop), sc(130), sc(it.frameTop + 18)}; }

// Small icons are painted with smoothing onto the strip itself, which is an
// opaque ground, so soft edges are fine here.
void paintIcon(Bitmap& b, Canvas& icon) { blit(b, icon.soft(), 0, 0); }

Canvas iconCanvas(const Bitmap& b, const Scale& sc) {
    Canvas c(sc(23), b.height);
    c.transform = sc.xform();
    return c;
}

// Two chain links along the diagonal, each a dark ring round a light one.
void chainShapes(Bitmap& b, const Scale& sc) {
    Canvas c = iconCanvas(b, sc);
    for (const Pt at : {Pt{12.6, 15.6}, Pt{16.6, 19.6}}) {
        const auto link = [&](double rx, double ry) { return rotatedEllipse(at.x, at.y, rx, ry, 1, 1); };
        c.fill(subtract(link(3.1, 2.1), link(1.3, 0.45)), Rgb{56, 60, 74});
        c.fill(subtract(link(2.5, 1.5), link(1.85, 0.85)), Rgb{200, 206, 218});
    }
    paintIcon(b, c);
}

// At 100 % the links are set pixel by pixel: smoothing turns rings this
// small to mush.
void chainPixels(Bitmap& b) {
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

void globeIcon(Bitmap& b, const Scale& sc) {
    Canvas c = iconCanvas(b, sc);
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
    // Two chain links hang off the globe's lower right.
    if (sc.percent == 100) {
        chainPixels(b);
    } else {
        chainShapes(b, sc);
    }
}

void arrowsIcon(Bitmap& b, const Scale& sc) {
    Canvas c = iconCanvas(b, sc);
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

// The tick is two pixels tall in every column at 100 %, its middle running
// down from (7.5, 11) to (9.5, 13) and up to (13.5, 9): drawn hard-edged, the
// same band lands on exactly those pixels at 100 % and stays crisp above.
void tickBox(Bitmap& b, const Scale& sc) {
    fillFramed(b, {sc(1), sc(1), sc(21), sc(21)}, sc.line(), rgbHex(0x000080), rgbHex(0xFFC06F));
    Canvas c = iconCanvas(b, sc);
    c.fill({{7, 7, 14, 14}, [](double x, double y) {
                const double middle = 13 - (x < 9.5 ? 9.5 - x : x - 9.5);
                return x >= 7 && x < 14 && y >= middle - 1 && y <= middle + 1;
            }},
           kBlack);
    blit(b, c.sprite(kBlack), 0, 0);
}

}  // namespace

std::vector<std::pair<std::string, Bitmap>> menuPictures(int percent) {
    const Scale sc{percent};
    const Item about{28, 37, 10, 5, "About Quorlin"};
    const Item ontop{22, 38, 7, 2, "Keep Pobo On Top"};
    const Item end{25, 38, 8, 3, "End Quorlin"};
    std::vector<std::pair<std::string, Bitmap>> out;
    const auto add = [&](const char* name, const Item& it, bool over, void (*icon)(Bitmap&, const Scale&)) {
        Bitmap b = ground(it, sc);
        if (icon) icon(b, sc);
        const Rect frame = highlightFrame(it, sc);
        if (over) fillFramed(b, frame, sc.line(), kFrame, kHighlight);
        if (&it == &about)
            for (int y = sc(26); y < sc(26) + sc.line(); ++y)
                for (int x = sc(34); x < b.width; ++x) b.at(x, y) = kSeparator;
        if (percent == 100) {
            drawText(b, it.captionX, it.capTop, it.caption, kBlack);
        } else {
            drawCaption(b, {sc(it.captionX), sc(it.capTop), sc(kCapHeight), frame.x1 - sc.line()}, it.caption, kBlack);
        }
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
