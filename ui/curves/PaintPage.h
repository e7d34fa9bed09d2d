#pragma once
// An off-screen page of a curve display: a bitmap with its own canvas and
// the place it takes in the display control. A display draws each of its
// regions into a page of its own and copies whole pages to the control.

#include "platform/gfx/Bitmap.h"

#include <memory>

class TPaintPage {
public:
    TPaintPage();
    ~TPaintPage();
    TPaintPage(const TPaintPage&) = delete;
    TPaintPage& operator=(const TPaintPage&) = delete;

    // The bitmap becomes (right - left) x (bottom - top) pixels (none for a
    // negative extent); Rect is the place in the control as given.
    void SetBounds(int left, int top, int right, int bottom);
    // Fills the whole bitmap with a solid brush of the colour; pen and font
    // stay as they are.
    void Clear(TColor color);
    void SetFont(const TFont& font);

    TBitmap& Bitmap() { return *bitmap_; }
    const TBitmap& Bitmap() const { return *bitmap_; }
    TCanvas& Canvas() { return bitmap_->Canvas(); }
    const TRect& Rect() const { return rect_; }
    const TRect& BitmapRect() const { return bitmapRect_; }

private:
    std::unique_ptr<TBitmap> bitmap_;
    TRect rect_{};
    TRect bitmapRect_{};
};
