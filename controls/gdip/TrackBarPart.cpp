#include "controls/gdip/TrackBarPart.h"

const TClassInfo& TTrackBarPart::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTrackBarPart>("TTrackBarPart", &TPersistent::StaticClassInfo()).Build();
    return info;
}

std::unique_ptr<TGDIPPicture> TTrackBarPart::MakePicture(std::function<void()> onChange) {
    auto picture = std::make_unique<TGDIPPicture>();
    picture->OnChange = std::move(onChange);
    return picture;
}

void TTrackBarPart::CopyPicture(TGDIPPicture& held, TGDIPPicture* source) {
    held.Assign(static_cast<TPersistent*>(source));
}

bool TTrackBarPart::MeasurePicture(TGDIPPicture& picture, int& width, int& height) {
    if (picture.Empty())
        return false;
    picture.GetImageSizes();
    width = picture.Width();
    height = picture.Height();
    return true;
}
