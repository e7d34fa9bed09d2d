#pragma once
// The information box: one message, written by the caller into lbMessage,
// and an OK button.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmInformation : public korvan::HostedForm {
public:
    TfmInformation(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TLabel* lbMessage;
    TButton* btnOK;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
};

extern TfmInformation* fmInformation;
