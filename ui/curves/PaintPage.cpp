#include "ui/curves/PaintPage.h"

#include <algorithm>

TPaintPage::TPaintPage() : bitmap_(std::make_unique<TBitmap>()) {}

TPaintPage::~TPaintPage() = default;

void TPaintPage::SetBounds(int left, int top, int right, int bottom) {
    const int width = right - left;
    const int height = bottom - top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (!released_)
        bitmap_->SetSize(width_, height_);
    bitmapRect_ = {0, 0, width, height};
    rect_ = {left, top, right, bottom};
}

void TPaintPage::SetWidth(int width) {
    width_ = std::max(width, 0);
    if (!released_)
        bitmap_->SetSize(width_, height_);
}

TBitmap& TPaintPage::Bitmap() {
    if (released_) {
        released_ = false;
        bitmap_->SetSize(width_, height_);
    }
    return *bitmap_;
}

void TPaintPage::Release() {
    released_ = true;
    bitmap_->SetSize(0, 0);
}

void TPaintPage::Clear(TColor color) {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(bitmapRect_);
}

void TPaintPage::SetFont(const TFont& font) {
    bitmap_->Canvas().Font().Assign(font);
}
