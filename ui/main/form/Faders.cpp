#include "ui/main/form/Faders.h"

#include "controls/gdip/TrackBar.h"

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

bool OnFaderChange(TControl* control, std::function<void(int position)> handler) {
    auto* fader = dynamic_cast<TCustomTrackBar*>(control);
    if (fader == nullptr)
        return false;
    fader->OnChange = [fader, handler = std::move(handler)](TObject*) { handler(fader->Position()); };
    return true;
}

} // namespace korvan::mainform
