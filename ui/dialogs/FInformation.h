#pragma once
// The information box: one message, written by the caller into lbMessage,
// and an OK button.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

class TfmInformation : public TForm {
public:
    explicit TfmInformation(TComponent* owner);

    TGroupBox* GroupBox1;
    TLabel* lbMessage;
    TButton* btnOK;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
};

extern TfmInformation* fmInformation;
