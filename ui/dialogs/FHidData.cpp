#include "ui/dialogs/FHidData.h"

#include "platform/forms/LoadScope.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmHidData");
    SetPosition(poMainFormCenter);
    SetBounds(256, 106, Width(), Height());
    SetClientWidth(1022);
    SetClientHeight(541);
    SetCaption("Hid Data");
    hbHidData = scope.Place<TListBox>(this, "hbHidData", 0, 0, 1014, 505);
    bnClear = scope.Place<TButton>(this, "bnClear", 456, 511, 75, 25);
    bnClear->SetCaption("Clear");
    bnClear->OnClick = [this](TObject* s) { bnClearClick(s); };
    OnShow = [this](TObject*) { host_.SetMonitorShown(true); };
    OnHide = [this](TObject*) { host_.SetMonitorShown(false); };
    scope.Finish();
}

void TfmHidData::AddLine(const std::string& line) {
    hbHidData->SetItemIndex(hbHidData->Items()->Add(line));
}

void TfmHidData::bnClearClick(TObject* /*Sender*/) {
    hbHidData->Items()->Clear();
}
