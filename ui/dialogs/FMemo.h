#pragma once
// The message list: a text box with a Clear button.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmMemo : public korvan::HostedForm {
public:
    TfmMemo(TComponent* owner, korvan::WindowHost& host);

    TMemo* Memo;
    TButton* bnClearMemo;

    void bnClearMemoClick(TObject* Sender);
};

extern TfmMemo* fmMemo;
