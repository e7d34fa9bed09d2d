#include "ui/curves/PaintPage.h"

#include <algorithm>

TPaintPage::TPaintPage() : bitmap_(std::make_unique<TBitmap>()) {}

TPaintPage::~TPaintPage() = default;

void TPaintPage::SetBounds(int left, int top, int right, int bottom) {
    const int width = right - left;
    const int height = bottom - top;
    bitmap_->SetSize(std::max(width, 0), std::max(height, 0));
    bitmapRect_ = {0, 0, width, height};
    rect_ = {left, top, right, bottom};
}

void TPaintPage::Clear(TColor color) {
    TCanvas& canvas = bitmap_->Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(bitmapRect_);
}

void TPaintPage::SetFont(const TFont& font) {
    bitmap_->Canvas().Font().Assign(font);
}
