#include "controls/gdip/TrackBarTick.h"

#include "platform/forms/GraphicsProperties.h"

namespace {
using korvan::forms::ClassBuilder;
using Self = TTrackBarTick;
} // namespace

const TClassInfo& TTrackBarTick::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<Self> builder("TTrackBarTick", &TTrackBarPart::StaticClassInfo());
        builder.Property("Color", &Self::Color, &Self::SetColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("ColorDisabled", &Self::ColorDisabled, &Self::SetColorDisabled)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("Font", &Self::Font, &Self::SetFont)
            .Property("Picture", &Self::Picture, &Self::SetPicture)
            .Property("PictureDisabled", &Self::PictureDisabled, &Self::SetPictureDisabled)
            .Enum("Position", &Self::Position, &Self::SetPosition, {"tmBottomRight", "tmTopLeft", "tmBoth"},
                  "TTickMark")
            .Default(tmBottomRight)
            .Enum("Style", &Self::Style, &Self::SetStyle, {"tsNone", "tsAuto", "tsManual"}, "TTickStyle")
            .Default(tsAuto);
        KORVAN_TICK_VALUES(KORVAN_REGISTER_PART_PROPERTY)
        return builder.Build();
    }();
    return info;
}

TTrackBarTick::TTrackBarTick() {
    Picture_ = MakePicture([this] { Changed(); });
    PictureDisabled_ = MakePicture([this] { Changed(); });
    font_.SetName("Tahoma");
    font_.OnChange = [this] { Changed(); };
}

TTrackBarTick::~TTrackBarTick() {
    Picture_->OnChange = nullptr;
    PictureDisabled_->OnChange = nullptr;
    font_.OnChange = nullptr;
}

void TTrackBarTick::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTrackBarTick*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetColor(other->Color());
    SetColorDisabled(other->ColorDisabled());
    SetSize(other->Size());
    SetPosition(other->Position());
    SetStyle(other->Style());
    SetPicture(other->Picture());
    SetPictureDisabled(other->PictureDisabled());
    SetFont(other->Font());
    SetShowText(other->ShowText());
    SetLine3D(other->Line3D());
    ShowImageAtThumbOnly_ = other->ShowImageAtThumbOnly_;
    ShowImageAtSteps_ = other->ShowImageAtSteps_;
    SetSpacing(other->Spacing());
}
