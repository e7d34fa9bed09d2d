#include "ui/dialogs/FAbout.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmAbout");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    SetCaption("About");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 20, 18, 225, 95);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbProgram = scope.Place<TLabel>(GroupBox1, "lbProgram", 10, 26, 205, 20);
    lbProgram->SetAutoSize(false);
    lbProgram->SetTransparent(true);
    lbProgram->SetAlignment(taCenter);
    lbProgram->SetCaption("KORVAN Editor");
    lbVersion = scope.Place<TLabel>(GroupBox1, "lbVersion", 10, 52, 205, 20);
    lbVersion->SetAutoSize(false);
    lbVersion->SetTransparent(true);
    lbVersion->SetAlignment(taCenter);
    lbVersion->SetCaption("V1.0");
    btnOK = scope.Place<TButton>(this, "btnOK", 84, 126, 97, 30);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

// Only the caption follows the language.
void TfmAbout::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_ABOUT"));
}

void TfmAbout::btnOKClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}
