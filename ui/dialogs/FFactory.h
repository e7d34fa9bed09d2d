#pragma once
// The confirmation of the unit's factory reset: OK starts the reset.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmFactory : public korvan::HostedForm {
public:
    TfmFactory(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TLabel* lbMessage;
    TButton* btnOK;
    TButton* bnCancel;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);
};

extern TfmFactory* fmFactory;
