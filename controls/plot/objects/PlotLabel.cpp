#include "controls/plot/objects/PlotLabel.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/ImageListHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"

using korvan::forms::ClassBuilder;
using korvan::plot::SaturatedRound;

const TClassInfo& TiPlotLabel::StaticClassInfo() {
    using L = TiPlotLabel;
    static const TClassInfo info =
        ClassBuilder<L>("TiPlotLabel", &TiPlotLayoutObject::StaticClassInfo())
            .Property("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
            .Property("MarginTop", &L::MarginTop, &L::SetMarginTop)
            .Property("MarginRight", &L::MarginRight, &L::SetMarginRight)
            .Property("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
            .Property("Caption", &L::Caption, &L::SetCaption)
            .Enum("Alignment", &L::Alignment, &L::SetAlignment, korvan::plot::AlignmentHorizontalNames(),
                  "TiAlignmentHorizontal")
            .Default(iahCenter)
            .Property("Font", &L::Font, &L::SetFont)
            .Property("ImageListIndex", &L::ImageListIndex, &L::SetImageListIndex)
            .Default(-1)
            .Property("ImageIndex", &L::ImageIndex, &L::SetImageIndex)
            .Default(0)
            .Build();
    return info;
}

TiPlotLabel::TiPlotLabel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      font_(std::make_unique<TFont>()) {
    font_->SetName("Arial");
    font_->SetSize(14);
    font_->SetStyle(fsBold);
    font_->SetColor(clWhite);
    font_->OnChange = [this] { DoChange(); };
    SetHorizontal(true);
}

TiPlotLabel::~TiPlotLabel() = default;

void TiPlotLabel::SetAlignment(TiAlignmentHorizontal value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    DoChange();
}

void TiPlotLabel::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiPlotLabel::SetImage(const TBitmap* value) {
    korvan::plot::KeepPicture(image_, value);
    DoChange();
}

void TiPlotLabel::ImageLoadFromFile(const std::string& fileName) {
    const TBitmap bitmap = korvan::plot::LoadPicture(fileName);
    SetImage(&bitmap);
}

void TiPlotLabel::ImageClear() {
    if (!image_)
        return;
    image_.reset();
    DoChange();
}

void TiPlotLabel::Measure(TCanvas& canvas) {
    canvas.Font().Assign(*font_);
    const TSize zero = canvas.TextExtent("0");
    marginTopPixels_ = SaturatedRound(zero.cy * marginTop_);
    marginBottomPixels_ = SaturatedRound(zero.cy * marginBottom_);
    marginLeftPixels_ = SaturatedRound(zero.cx * marginLeft_);
    marginRightPixels_ = SaturatedRound(zero.cx * marginRight_);
    requiredWidth_ = korvan::plot::GetTextHeight(canvas, caption_) + marginTopPixels_ + marginBottomPixels_;
}

int TiPlotLabel::GetRequiredWidth(TCanvas& canvas) {
    Measure(canvas);
    return requiredWidth_;
}

int TiPlotLabel::PictureLeft(int width) const {
    const TRect r = DrawRect();
    switch (alignment_) {
    case iahLeft:
        return r.Left + marginLeftPixels_;
    case iahRight:
        return r.Right - marginRightPixels_ - width;
    case iahCenter:
        break;
    }
    return (r.Left + r.Right) / 2 - width / 2;
}

void TiPlotLabel::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    if (!Visible())
        return;
    Measure(canvas);
    const TRect r = DrawRect();
    const int top = r.Top + marginTopPixels_;
    if (image_ && !image_->Empty()) {
        image_->SetTransparentMode(tmAuto);
        image_->SetTransparent(true);
        canvas.Draw(PictureLeft(image_->Width()), top, *image_);
        return;
    }
    if (const IiPlotImageListHost* host = korvan::plot::ImageListHostOf(Owner())) {
        const TImageList* list = host->PlotImageList(imageListIndex_);
        if (list && imageIndex_ >= 0 && imageIndex_ < list->Count()) {
            list->Draw(canvas, PictureLeft(list->Width()), top, imageIndex_, Enabled());
            return;
        }
    }
    DrawCaption(canvas);
}

void TiPlotLabel::DrawCaption(TCanvas& canvas) {
    using namespace korvan::plot;
    const TRect r = DrawRect();
    canvas.Brush().SetStyle(bsClear);
    if (Horizontal()) {
        TRect text{r.Left + marginLeftPixels_, r.Top + marginTopPixels_, r.Right - marginRightPixels_,
                   r.Bottom - marginBottomPixels_};
        unsigned flags = itfVCenter | itfSingleLine;
        flags |= alignment_ == iahLeft ? itfLeft : alignment_ == iahRight ? itfRight : itfCenter;
        DrawText3D(canvas, caption_, text, font_->Color(), true, flags);
        return;
    }
    // Turned to read upward, centred across the band; along it by the
    // alignment (left is the bottom end).
    const int x = (r.Left + marginTopPixels_ + r.Right - marginBottomPixels_) / 2;
    const int halfWidth = MultiLineTextWidth(canvas, caption_) / 2;
    int y = (r.Top + r.Bottom) / 2;
    if (alignment_ == iahLeft)
        y = r.Bottom - halfWidth - marginLeftPixels_;
    else if (alignment_ == iahRight)
        y = r.Top + halfWidth + marginRightPixels_;
    TRect covered;
    DrawRotatedText(canvas, caption_, TRect{x, y, x, y}, font_->Color(), true, iahCenter, ira090, covered);
}
