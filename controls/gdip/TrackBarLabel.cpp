#include "controls/gdip/TrackBarLabel.h"

#include "platform/forms/GraphicsProperties.h"

namespace {
using korvan::forms::ClassBuilder;
using Self = TTrackBarLabel;
} // namespace

const TClassInfo& TTrackBarLabel::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<Self>("TTrackBarLabel", &TTrackBarPart::StaticClassInfo())
                                       .Property("Visible", &Self::Visible, &Self::SetVisible)
                                       .Default(false)
                                       .Enum("Position", &Self::Position, &Self::SetPosition,
                                             {"lpTopCenter", "lpTopLeft", "lpTopRight", "lpBottomCenter",
                                              "lpBottomLeft", "lpBottomRight"},
                                             "TLabelPosition")
                                       .Default(lpTopCenter)
                                       .Property("Font", &Self::Font, &Self::SetFont)
                                       .Property("Format", &Self::Format, &Self::SetFormat)
                                       .Property("Spacing", &Self::Spacing, &Self::SetSpacing)
                                       .Default(4)
                                       .Build();
    return info;
}

TTrackBarLabel::TTrackBarLabel() {
    font_.SetName("Tahoma");
    font_.OnChange = [this] { Changed(); };
}

TTrackBarLabel::~TTrackBarLabel() {
    font_.OnChange = nullptr;
}

void TTrackBarLabel::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTrackBarLabel*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    Visible_ = other->Visible_;
    Format_ = other->Format_;
    SetFont(other->Font());
    SetPosition(other->Position());
}
