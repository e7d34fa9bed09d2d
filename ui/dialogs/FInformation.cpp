#include "ui/dialogs/FInformation.h"

#include "ui/dialogs/DialogParts.h"

using korvan::Place;

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(TComponent* owner) : TForm(owner) {
    SetName("fmInformation");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 20, 18, 229, 95);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbMessage = Place<TLabel>(this, GroupBox1, "lbMessage", 20, 38, 189, 20);
    lbMessage->SetAutoSize(false);
    lbMessage->SetAlignment(taCenter);
    lbMessage->SetCaption("You Must Connect First !!");
    btnOK = Place<TButton>(this, this, "btnOK", 80, 126, 97, 30);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TfmInformation::FormShow(TObject* /*Sender*/) {
    SetCaption(korvan::Tr("SID_INFO_TITLE"));
    btnOK->SetCaption(korvan::Tr("SID_EXIT_OK"));
}

void TfmInformation::btnOKClick(TObject* /*Sender*/) {
    Close();
}
