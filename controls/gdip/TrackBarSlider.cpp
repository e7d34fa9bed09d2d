#include "controls/gdip/TrackBarSlider.h"

#include "controls/gdip/TrackBar.h"

namespace {
using korvan::forms::ClassBuilder;
using Self = TTrackBarSlider;
} // namespace

const TClassInfo& TTrackBarSlider::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<Self> builder("TTrackBarSlider", &TTrackBarPart::StaticClassInfo());
        KORVAN_SLIDER_COLORS(KORVAN_REGISTER_PART_COLOR)
        builder
            .Enum("Direction", &Self::Direction, &Self::SetDirection,
                  {std::begin(korvan::gdip::kGradientDirectionNames),
                   std::end(korvan::gdip::kGradientDirectionNames)},
                  "TGradientDirection")
            .Default(gdHorizontal)
            .Property("Picture", &Self::Picture, &Self::SetPicture)
            .Property("PictureDisabled", &Self::PictureDisabled, &Self::SetPictureDisabled)
            .Property("PictureCompleted", &Self::PictureCompleted, &Self::SetPictureCompleted)
            .Property("PictureCompletedDisabled", &Self::PictureCompletedDisabled,
                      &Self::SetPictureCompletedDisabled);
        KORVAN_SLIDER_VALUES(KORVAN_REGISTER_PART_PROPERTY)
        return builder.Build();
    }();
    return info;
}

TTrackBarSlider::TTrackBarSlider() {
    for (auto* held : {&Picture_, &PictureDisabled_, &PictureCompleted_, &PictureCompletedDisabled_})
        *held = MakePicture([this] { PicturesChanged(); });
}

TTrackBarSlider::~TTrackBarSlider() {
    for (auto* held : {&Picture_, &PictureDisabled_, &PictureCompleted_, &PictureCompletedDisabled_})
        (*held)->OnChange = nullptr;
}

void TTrackBarSlider::PicturesChanged() {
    int w = 0, h = 0;
    if (AdvTrackBar() && MeasurePicture(*Picture_, w, h)) {
        Size_ = AdvTrackBar()->Orientation() == trVertical ? w : h;
        SetBorderColor(clNone);
    }
    Changed();
}

void TTrackBarSlider::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTrackBarSlider*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
#define KORVAN_COPY_FIELD(TYPE, NAME, DEFAULT, KIND) NAME##_ = other->NAME##_;
    KORVAN_SLIDER_COLORS(KORVAN_COPY_FIELD)
#undef KORVAN_COPY_FIELD
    Size_ = other->Size_;
    Rounded_ = other->Rounded_;
    SetBorder3D(other->Border3D());
    SetVisible(other->Visible());
    SetPicture(other->Picture());
    SetPictureDisabled(other->PictureDisabled());
    PictureStretched_ = other->PictureStretched_;
    SetPictureCompleted(other->PictureCompleted());
    SetPictureCompletedDisabled(other->PictureCompletedDisabled());
    SetOffset(other->Offset());
}
