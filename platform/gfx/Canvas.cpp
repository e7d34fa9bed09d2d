#include "platform/gfx/Canvas.h"

#include "platform/gfx/CanvasImpl.h"

#include <algorithm>

using Impl = TCanvas::Impl;

TCanvas::TCanvas(QImage* image) : image_(image) {
    brush_.OnChange = [this] { brushDirty_ = true; };
    ClipChanged();
}

void TCanvas::SetImage(QImage* image) {
    image_ = image;
    ClipChanged();
}

// ---- background ------------------------------------------------------------

void TCanvas::SyncBackground() const {
    if (!brushDirty_)
        return;
    brushDirty_ = false;
    if (brush_.Style() == bsSolid && brush_.Bitmap().isNull()) {
        bkColor_ = ColorToRGB(brush_.Color());
        bkMode_ = OPAQUE;
    } else {
        bkColor_ = ~ColorToRGB(brush_.Color()) & 0xFFFFFF;
        bkMode_ = TRANSPARENT;
    }
}

int TCanvas::SetBkMode(int mode) {
    SyncBackground();
    const int old = bkMode_;
    bkMode_ = mode;
    return old;
}

int TCanvas::BkMode() const {
    SyncBackground();
    return bkMode_;
}

TColor TCanvas::SetBkColor(TColor c) {
    SyncBackground();
    const TColor old = bkColor_;
    bkColor_ = ColorToRGB(c);
    return old;
}

TColor TCanvas::BkColor() const {
    SyncBackground();
    return bkColor_;
}

const korvan::gfx::TextMeasurer& TCanvas::Measurer() const {
    return measurer_ ? *measurer_ : korvan::gfx::DefaultTextMeasurer();
}

void TCanvas::Record(const char* op, std::vector<int> args, const std::string& text) {
    if (!recorder_)
        return;
    korvan::gfx::DrawCall call;
    call.Op = op;
    call.Args = std::move(args);
    call.Text = text;
    call.PenColor = pen_.Color();
    call.BrushColor = brush_.Color();
    call.FontColor = font_.Color();
    recorder_->Record(std::move(call));
}

// ---- clipping ----------------------------------------------------------------

void TCanvas::ClipChanged() {
    clipMask_.clear();
    const QRect bounds = image_ ? image_->rect() : QRect();
    if (!clip_) {
        clipBox_ = bounds;
        return;
    }
    const QRegion r = clip_->intersected(QRegion(bounds));
    clipBox_ = r.boundingRect();
    if (r.rectCount() <= 1)
        return;
    clipMask_.assign(static_cast<std::size_t>(bounds.width()) * bounds.height(), 0);
    for (const QRect& rc : r)
        for (int y = rc.top(); y <= rc.bottom(); ++y)
            std::fill_n(clipMask_.begin() + (static_cast<std::ptrdiff_t>(y) * bounds.width() + rc.left()),
                        rc.width(), std::uint8_t{1});
}

void TCanvas::SetClipRect(const TRect& r) {
    const TRect n = r.Normalized();
    clip_ = QRegion(n.Left + org_.X, n.Top + org_.Y, n.Width(), n.Height());
    ClipChanged();
}

void TCanvas::SelectClipRegion(const std::optional<korvan::gfx::Region>& rgn) {
    if (rgn)
        clip_ = rgn->Qt();
    else
        clip_.reset();
    ClipChanged();
}

void TCanvas::IntersectClipRect(const TRect& r) {
    const TRect n = r.Normalized();
    const QRegion add(n.Left + org_.X, n.Top + org_.Y, n.Width(), n.Height());
    clip_ = clip_ ? clip_->intersected(add) : add;
    ClipChanged();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    const TRect n = r.Normalized();
    const QRegion cut(n.Left + org_.X, n.Top + org_.Y, n.Width(), n.Height());
    const QRegion base = clip_ ? *clip_ : QRegion(image_ ? image_->rect() : QRect());
    clip_ = base.subtracted(cut);
    ClipChanged();
}

TRect TCanvas::ClipRect() const {
    const QRect b = clipBox_;
    return {b.left() - org_.X, b.top() - org_.Y, b.left() + b.width() - org_.X,
            b.top() + b.height() - org_.Y};
}

// ---- saved states -------------------------------------------------------------

int TCanvas::SaveDC() {
    SyncBackground();
    State s{{}, {}, {}, copyMode_, bkMode_, bkColor_, brushDirty_, polyFillMode_, clip_, org_, penPos_};
    s.pen.Assign(pen_);
    s.brush.Assign(brush_);
    s.font.Assign(font_);
    saved_.push_back(std::move(s));
    return static_cast<int>(saved_.size());
}

bool TCanvas::RestoreDC(int index) {
    // A negative index counts back from the latest save.
    if (index < 0)
        index = static_cast<int>(saved_.size()) + 1 + index;
    if (index < 1 || index > static_cast<int>(saved_.size()))
        return false;
    State s = std::move(saved_[static_cast<std::size_t>(index - 1)]);
    saved_.resize(static_cast<std::size_t>(index - 1));
    pen_.Assign(s.pen);
    brush_.Assign(s.brush);
    font_.Assign(s.font);
    copyMode_ = s.copyMode;
    bkMode_ = s.bkMode;
    bkColor_ = s.bkColor;
    brushDirty_ = s.bkFromBrush;
    polyFillMode_ = s.polyFillMode;
    clip_ = s.clip;
    org_ = s.org;
    penPos_ = s.penPos;
    ClipChanged();
    return true;
}

TPoint TCanvas::SetViewportOrg(int x, int y) {
    const TPoint old = org_;
    org_ = {x, y};
    return old;
}

// ---- pixels -------------------------------------------------------------------

TColor TCanvas::Pixel(int x, int y) const {
    const QPoint d = Impl::Dev(*this, x, y);
    if (!HasImage() || !image_->rect().contains(d))
        return -1; // CLR_INVALID
    return korvan::gfx::FromQRgb(image_->pixel(d));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    Record("SetPixel", {x, y, c});
    if (!HasImage())
        return;
    const QPoint d = Impl::Dev(*this, x, y);
    Impl::Put(*this, d.x(), d.y(), korvan::gfx::ToQRgb(c) & 0xFFFFFF, pmCopy);
}

// ---- recording canvas -----------------------------------------------------------

namespace korvan::gfx {

RecordingCanvas::RecordingCanvas(int width, int height)
    : picture_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    picture_.fill(0xFFFFFFFFu);
    SetImage(&picture_);
    SetRecorder(this);
}

std::vector<DrawCall> RecordingCanvas::CallsNamed(const std::string& op) const {
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls_)
        if (c.Op == op)
            out.push_back(c);
    return out;
}

} // namespace korvan::gfx
