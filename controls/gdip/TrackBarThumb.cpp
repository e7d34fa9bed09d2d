#include "controls/gdip/TrackBarThumb.h"

#include "controls/gdip/TrackBar.h"

namespace {
using korvan::forms::ClassBuilder;
using Self = TTrackBarThumb;
} // namespace

const TClassInfo& TTrackBarThumb::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<Self> builder("TTrackBarThumb", &TTrackBarPart::StaticClassInfo());
        KORVAN_THUMB_COLORS(KORVAN_REGISTER_PART_COLOR)
        builder
            .Enum("Gradient", &Self::Gradient, &Self::SetGradient,
                  {std::begin(korvan::gdip::kGdipGradientNames), std::end(korvan::gdip::kGdipGradientNames)},
                  "TGDIPGradient")
            .Default(ggVertical)
            .Enum("GradientMirror", &Self::GradientMirror, &Self::SetGradientMirror,
                  {std::begin(korvan::gdip::kGdipGradientNames), std::end(korvan::gdip::kGdipGradientNames)},
                  "TGDIPGradient")
            .Default(ggRadial)
            .Property("Picture", &Self::Picture, &Self::SetPicture)
            .Property("PictureHot", &Self::PictureHot, &Self::SetPictureHot)
            .Property("PictureDown", &Self::PictureDown, &Self::SetPictureDown)
            .Property("PictureDisabled", &Self::PictureDisabled, &Self::SetPictureDisabled)
            .Property("ShowAtMinMax", &Self::ShowAtMinMax, &Self::SetShowAtMinMax)
            .Default(true)
            .Property("Size", &Self::Size, &Self::SetSize)
            .Default(15)
            .Property("Width", &Self::Width, &Self::SetWidth)
            .Default(10)
            .Enum("Shape", &Self::Shape, &Self::SetShape,
                  {"tsPointer", "tsRectangle", "tsRoundRect", "tsRound", "tsLine", "tsPointerLeftUp",
                   "tsPointerRightUp", "tsTriangle", "tsTriangleLeft", "tsTriangleRight"},
                  "TThumbShape")
            .Default(tsPointer)
            .Enum("ThumbPointer", &Self::ThumbPointer, &Self::SetThumbPointer,
                  {"tpLeft", "tpCenter", "tpRight"}, "TThumbPointer")
            .Default(tpCenter);
        return builder.Build();
    }();
    return info;
}

TTrackBarThumb::TTrackBarThumb() {
    for (auto* held : {&Picture_, &PictureHot_, &PictureDown_, &PictureDisabled_})
        *held = MakePicture([this] { PicturesChanged(); });
}

TTrackBarThumb::~TTrackBarThumb() {
    for (auto* held : {&Picture_, &PictureHot_, &PictureDown_, &PictureDisabled_})
        (*held)->OnChange = nullptr;
}

void TTrackBarThumb::SetSize(int value) {
    if (Picture_->Empty())
        NotifyStore(size_, value);
}

void TTrackBarThumb::SetWidth(int value) {
    if (Picture_->Empty())
        NotifyStore(width_, value);
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer value) {
    if (value == thumbPointer_ || !AdvTrackBar())
        return;
    if (AdvTrackBar()->CanSetThumbPointer(this, value)) {
        thumbPointer_ = value;
        Changed();
    }
}

void TTrackBarThumb::PicturesChanged() {
    int w = 0, h = 0;
    if (AdvTrackBar() && MeasurePicture(*Picture_, w, h)) {
        const bool vertical = AdvTrackBar()->Orientation() == trVertical;
        size_ = vertical ? w : h;
        width_ = vertical ? h : w;
    }
    Changed();
}

void TTrackBarThumb::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTrackBarThumb*>(source);
    if (!other)
        return;
#define KORVAN_COPY_FIELD(TYPE, NAME, DEFAULT, KIND) NAME##_ = other->NAME##_;
    KORVAN_THUMB_COLORS(KORVAN_COPY_FIELD)
#undef KORVAN_COPY_FIELD
    steps_ = other->steps_;
    Gradient_ = other->Gradient_;
    GradientMirror_ = other->GradientMirror_;
    SetPicture(other->Picture());
    SetPictureHot(other->PictureHot());
    SetPictureDown(other->PictureDown());
    SetPictureDisabled(other->PictureDisabled());
    SetWidth(other->Width());
    SetShape(other->Shape());
    if (style_ != other->style_) {
        style_ = other->style_;
        Changed();
    }
    SetSize(other->Size());
    SetThumbPointer(other->ThumbPointer());
}
