#pragma once
// What every picture decoder promises for any input: a null image, or one
// within the picture budget that the PNG encoder can write back.

#include "fuzz/FuzzTarget.h"
#include "platform/gfx/Codecs.h"

inline void CheckPicture(const QImage& img) {
    if (img.isNull())
        return;
    FuzzCheck(korvan::gfx::FitsPictureBudget(img.width(), img.height()));
    // The corners show an image whose memory is not all there, without a
    // walk over 64 megapixels per input.
    std::uint32_t sum = 0;
    for (const int y : {0, img.height() - 1})
        for (const int x : {0, img.width() - 1})
            sum += img.pixel(x, y);
    (void)sum;
}
