#pragma once
// An off-screen page of a curve display: a bitmap with its own canvas and
// the place it takes in the display control. A display draws each of its
// regions into a page of its own and copies whole pages to the control.
//
// A page may give its pixels back (Release) while its display cannot be
// seen; it keeps its size, and the next use of its bitmap or canvas makes
// a white bitmap of that size again.

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
    // The bitmap's width alone; Rect stays as it is.
    void SetWidth(int width);
    // Fills the whole bitmap with a solid brush of the colour; pen and font
    // stay as they are.
    void Clear(TColor color);
    void SetFont(const TFont& font);
    // Frees the pixels; size, place and font stay.
    void Release();
    bool Released() const { return released_; }

    // The size of the bitmap, whether or not it holds pixels now.
    int Width() const { return width_; }
    int Height() const { return height_; }

    TBitmap& Bitmap();
    const TBitmap& Bitmap() const { return *bitmap_; }
    TCanvas& Canvas() { return Bitmap().Canvas(); }
    const TRect& Rect() const { return rect_; }
    const TRect& BitmapRect() const { return bitmapRect_; }

private:
    std::unique_ptr<TBitmap> bitmap_;
    TRect rect_{};
    TRect bitmapRect_{};
    int width_ = 0;
    int height_ = 0;
    bool released_ = false;
};
