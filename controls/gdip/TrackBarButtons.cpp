#include "controls/gdip/TrackBarButtons.h"

#include "controls/gdip/TrackBar.h"

namespace {
using korvan::forms::ClassBuilder;
using Self = TTrackBarButtons;
} // namespace

const TClassInfo& TTrackBarButtons::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<Self> builder("TTrackBarButtons", &TTrackBarPart::StaticClassInfo());
        KORVAN_BUTTON_COLORS(KORVAN_REGISTER_PART_COLOR)
        KORVAN_BUTTON_MIRROR_COLORS(KORVAN_REGISTER_PART_COLOR)
        builder
            .Enum("Gradient", &Self::Gradient, &Self::SetGradient,
                  {std::begin(korvan::gdip::kGdipGradientNames), std::end(korvan::gdip::kGdipGradientNames)},
                  "TGDIPGradient")
            .Default(ggVertical)
            .Enum("GradientMirror", &Self::GradientMirror, &Self::SetGradientMirror,
                  {std::begin(korvan::gdip::kGdipGradientNames), std::end(korvan::gdip::kGdipGradientNames)},
                  "TGDIPGradient")
            .Default(ggVertical)
            .Property("MinPicture", &Self::MinPicture, &Self::SetMinPicture)
            .Property("MaxPicture", &Self::MaxPicture, &Self::SetMaxPicture)
            .Property("MinPictureHot", &Self::MinPictureHot, &Self::SetMinPictureHot)
            .Property("MinPictureDown", &Self::MinPictureDown, &Self::SetMinPictureDown)
            .Property("MaxPictureHot", &Self::MaxPictureHot, &Self::SetMaxPictureHot)
            .Property("MaxPictureDown", &Self::MaxPictureDown, &Self::SetMaxPictureDown);
        KORVAN_BUTTON_VALUES(KORVAN_REGISTER_PART_PROPERTY)
        builder.Property("Size", &Self::Size, &Self::SetSize)
            .Default(20)
            .Enum("Shape", &Self::Shape, &Self::SetShape, {"bsRound", "bsRectangle"}, "TTrackButtonShape")
            .Default(bsRound);
        return builder.Build();
    }();
    return info;
}

TTrackBarButtons::TTrackBarButtons() {
    MinPicture_ = MakePicture([this] { PicturesChanged(); });
    MaxPicture_ = MakePicture([this] { PicturesChanged(); });
    // The hot and pressed faces change nothing by themselves.
    for (auto* held : {&MinPictureHot_, &MinPictureDown_, &MaxPictureHot_, &MaxPictureDown_})
        *held = MakePicture(nullptr);
}

TTrackBarButtons::~TTrackBarButtons() {
    MinPicture_->OnChange = nullptr;
    MaxPicture_->OnChange = nullptr;
}

void TTrackBarButtons::SetSize(int value) {
    if (MinPicture_->Empty() && MaxPicture_->Empty())
        NotifyStore(size_, value);
}

void TTrackBarButtons::PicturesChanged() {
    if (!MinPicture_->Empty() || !MaxPicture_->Empty()) {
        int w = 0, h = 0;
        if (AdvTrackBar() && (MeasurePicture(*MinPicture_, w, h) || MeasurePicture(*MaxPicture_, w, h)))
            size_ = AdvTrackBar()->Orientation() == trVertical ? h : w;
    }
    Changed();
}

void TTrackBarButtons::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTrackBarButtons*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
#define KORVAN_COPY_SETTER(TYPE, NAME, DEFAULT, KIND) Set##NAME(other->NAME());
#define KORVAN_COPY_FIELD(TYPE, NAME, DEFAULT, KIND) NAME##_ = other->NAME##_;
    KORVAN_BUTTON_COLORS(KORVAN_COPY_SETTER)
    KORVAN_BUTTON_MIRROR_COLORS(KORVAN_COPY_FIELD)
#undef KORVAN_COPY_SETTER
#undef KORVAN_COPY_FIELD
    SetMinPicture(other->MinPicture());
    SetMaxPicture(other->MaxPicture());
    SetMinPictureHot(other->MinPictureHot());
    SetMinPictureDown(other->MinPictureDown());
    SetMaxPictureHot(other->MaxPictureHot());
    SetMaxPictureDown(other->MaxPictureDown());
    SetVisible(other->Visible());
    SetSize(other->Size());
    SetShape(other->Shape());
    RepeatClick_ = other->RepeatClick_;
    RepeatPause_ = other->RepeatPause_;
    SetRotateText(other->RotateText());
    InitRepeatPause_ = other->InitRepeatPause_;
    SetSpacing(other->Spacing());
    Step_ = other->Step_;
}
