#include "ui/dialogs/FExit.h"

#include "ui/dialogs/DialogParts.h"
#include "ui/main/MainWindow.h"

using korvan::Place;

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(TComponent* owner) : TForm(owner) {
    SetName("fmExit");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 22, 23, 223, 97);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbExit = Place<TLabel>(this, GroupBox1, "lbExit", 10, 38, 203, 20);
    lbExit->SetAutoSize(false);
    lbExit->SetAlignment(taCenter);
    lbExit->SetCaption("Are you sure to quit ?");
    btnOK = Place<TButton>(this, this, "btnOK", 38, 126, 80, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnCancel = Place<TButton>(this, this, "btnCancel", 146, 126, 80, 30);
    btnCancel->SetCaption("Cancel");
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject* s) { btnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TfmExit::FormShow(TObject* /*Sender*/) {
    SetCaption(korvan::Tr("SID_INFO_TITLE"));
    lbExit->SetCaption(korvan::Tr("SID_EXIT_QUIT"));
    btnOK->SetCaption(korvan::Tr("SID_EXIT_OK"));
    btnCancel->SetCaption(korvan::Tr("SID_EXIT_CANCEL"));
}

void TfmExit::btnOKClick(TObject* /*Sender*/) {
    if (fmMain == nullptr)
        return;
    fmMain->SetQuitConfirmed(1);
    fmMain->Close();
    // Shown modally from the menu, this window's own loop ends as well.
    korvan::CloseWindow(this);
}

void TfmExit::btnExitClick(TObject* /*Sender*/) {
    Close();
    if (fmMain != nullptr)
        fmMain->SetQuitConfirmed(0);
}
