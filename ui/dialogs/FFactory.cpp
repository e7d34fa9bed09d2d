#include "ui/dialogs/FFactory.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmFactory");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(361);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 20, 18, 317, 95);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbMessage = scope.Place<TLabel>(GroupBox1, "lbMessage", 50, 38, 243, 20);
    lbMessage->SetAutoSize(false);
    lbMessage->SetTransparent(true);
    lbMessage->SetAlignment(taCenter);
    lbMessage->SetCaption("Are you Sure to Return Factory Default?");
    btnOK = scope.Place<TButton>(this, "btnOK", 70, 126, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", 200, 126, 90, 30);
    bnCancel->SetCaption("Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmFactory::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_INFO_TITLE"));
    lbMessage->SetCaption(Tr("SID_FACTORY_DEFAULT"));
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    bnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
}

void TfmFactory::btnOKClick(TObject* /*Sender*/) {
    host_.RequestFactoryReset();
    korvan::CloseWindow(this);
}

void TfmFactory::bnCancelClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}
