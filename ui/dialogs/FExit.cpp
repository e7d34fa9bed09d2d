#include "ui/dialogs/FExit.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmExit");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 22, 23, 223, 97);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbExit = scope.Place<TLabel>(GroupBox1, "lbExit", 10, 38, 203, 20);
    lbExit->SetAutoSize(false);
    lbExit->SetTransparent(true);
    lbExit->SetAlignment(taCenter);
    lbExit->SetCaption("Are you sure to quit ?");
    btnOK = scope.Place<TButton>(this, "btnOK", 38, 126, 80, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnCancel = scope.Place<TButton>(this, "btnCancel", 146, 126, 80, 30);
    btnCancel->SetCaption("Cancel");
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject* s) { btnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmExit::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_INFO_TITLE"));
    lbExit->SetCaption(Tr("SID_EXIT_QUIT"));
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    btnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
}

void TfmExit::btnOKClick(TObject* /*Sender*/) {
    host_.ConfirmQuit(true);
    host_.CloseMainWindow();
    // Shown modally from the menu, this window's own loop ends as well.
    korvan::CloseWindow(this);
}

void TfmExit::btnExitClick(TObject* /*Sender*/) {
    Close();
    host_.ConfirmQuit(false);
}
