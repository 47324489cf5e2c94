#include "about_pictures.h"

#include "platform/picture_pack.h"
#include "pobo.h"
#include "props.h"

namespace assetgen {

Bitmap aboutPobo(int percent) {
    Canvas c(ql::pictureLength(90, percent), ql::pictureLength(140, percent));
    // Pobo at three quarters of his sprite size, standing at the bottom; the
    // sign rises from his raised right flipper to the top of the picture.
    const double s = 0.74;
    const Xform base =
        Xform::scale(s).then(Xform::translate(3, 140 - 117 * s - 1)).then(Xform::scale(percent / 100.0));
    Pose p;
    p.look = 1;
    p.gaze = {1, -1};
    p.flipperR = {84, 38};
    p.frontR = true;
    p.flipperL = {10, 86};
    p.held = [](Canvas& cv) {
        const Xform body = cv.transform;
        cv.transform = Xform::scale(1.25).then(Xform::translate(58, -40)).then(body);
        drawSign(cv, 20.8, 66);
    };
    drawPobo(c, p, base);
    return flatten(c.soft(), Rgb{255, 255, 255});
}

Bitmap aboutClose(int percent) {
    const int side = ql::pictureLength(21, percent);
    Canvas c(side, side);
    c.transform = Xform::scale(percent / 100.0);
    c.fill(roundRect(0, 0, 21, 21, 2.5), Rgb{178, 48, 20});
    c.fill(roundRect(1, 1, 20, 20, 2), Rgb{236, 84, 36});
    c.fill(roundRect(1, 1, 20, 10, 2), Rgb{248, 124, 72}, 0.6);
    const Rgb white{255, 255, 255};
    c.fill(capsule({6, 6}, {15, 15}, 1.7, 1.7), white);
    c.fill(capsule({15, 6}, {6, 15}, 1.7, 1.7), white);
    return flatten(c.soft(), Rgb{255, 255, 255});
}

}  // namespace assetgen
