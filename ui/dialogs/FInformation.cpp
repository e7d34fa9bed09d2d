#include "ui/dialogs/FInformation.h"

#include "platform/forms/LoadScope.h"

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmInformation");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 20, 18, 229, 95);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbMessage = scope.Place<TLabel>(GroupBox1, "lbMessage", 20, 38, 189, 20);
    lbMessage->SetAutoSize(false);
    lbMessage->SetTransparent(true);
    lbMessage->SetAlignment(taCenter);
    lbMessage->SetCaption("You Must Connect First !!");
    btnOK = scope.Place<TButton>(this, "btnOK", 80, 126, 97, 30);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmInformation::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_INFO_TITLE"));
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
}

void TfmInformation::btnOKClick(TObject* /*Sender*/) {
    Close();
}
