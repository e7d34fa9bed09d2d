#include "ui/main/form/Faders.h"

#include "controls/gdip/TrackBar.h"
#include "resources/faces/FacePictures.h"

#include <stdexcept>

namespace korvan::mainform {

TControl* CreateFader(forms::LoadScope& scope, const std::string& name) {
    return scope.Create<TAdvTrackBar>(scope.Root(), name);
}

bool SetFaderRange(TControl& control, const FaderRange& range) {
    auto* fader = dynamic_cast<TCustomTrackBar*>(&control);
    if (fader == nullptr)
        return false;
    fader->SetOrientation(trVertical);
    fader->SetMax(range.max);
    fader->SetMin(range.min);
    fader->SetPageSize(range.pageSize);
    fader->SetPosition(range.position);
    return true;
}

bool SetFaderPosition(TControl* control, int position) {
    auto* fader = dynamic_cast<TCustomTrackBar*>(control);
    if (fader == nullptr)
        return false;
    fader->SetPosition(position);
    return true;
}

bool ReadFaderRange(const TControl* control, FaderRange& range) {
    auto* fader = dynamic_cast<const TCustomTrackBar*>(control);
    if (fader == nullptr)
        return false;
    range = {fader->Min(), fader->Max(), fader->PageSize(), fader->Position()};
    return true;
}

bool SetFaderFace(TControl& control, const char* face) {
    auto* fader = dynamic_cast<TCustomTrackBar*>(&control);
    if (fader == nullptr)
        return false;
    const std::string style = face;
    const auto load = [&style](TGDIPPicture& picture, const char* state) {
        const auto bytes = faces::FacePicture(style + state);
        if (bytes.empty())
            throw std::runtime_error("no picture \"" + style + state + "\" in the resources");
        picture.LoadFromStream(bytes);
    };
    TTrackBarThumb& thumb = *fader->Thumb();
    load(*thumb.Picture(), "-normal");
    load(*thumb.PictureHot(), "-hot");
    load(*thumb.PictureDown(), "-down");
    // The thumb takes its size from the picture.
    thumb.PicturesChanged();
    return true;
}

bool OnFaderChange(TControl* control, std::function<void(int position)> handler) {
    auto* fader = dynamic_cast<TCustomTrackBar*>(control);
    if (fader == nullptr)
        return false;
    fader->OnChange = [fader, handler = std::move(handler)](TObject*) { handler(fader->Position()); };
    return true;
}

} // namespace korvan::mainform
