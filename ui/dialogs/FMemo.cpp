#include "ui/dialogs/FMemo.h"

#include "platform/forms/LoadScope.h"

TfmMemo* fmMemo = nullptr;

TfmMemo::TfmMemo(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmMemo");
    SetBounds(233, 108, Width(), Height());
    SetClientWidth(250);
    SetClientHeight(453);
    SetCaption("Message List");
    Memo = scope.Place<TMemo>(this, "Memo", 8, 8, 233, 406);
    Memo->Lines()->Add("Memo");
    bnClearMemo = scope.Place<TButton>(this, "bnClearMemo", 80, 422, 75, 25);
    bnClearMemo->SetCaption("Clear");
    bnClearMemo->OnClick = [this](TObject* s) { bnClearMemoClick(s); };
    scope.Finish();
}

void TfmMemo::bnClearMemoClick(TObject* /*Sender*/) {
    Memo->Lines()->Clear();
}
