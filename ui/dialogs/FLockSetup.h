#pragma once
// The front-panel lock setup: sends a new four-character password to the
// unit, then closes the link (the unit locks its panel).

#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "ui/dialogs/HostedForm.h"

class TfmLockSetup : public korvan::HostedForm {
public:
    TfmLockSetup(TComponent* owner, korvan::WindowHost& host);

    TLabel* lblLockPassword;
    TEdit* edName;
    TButton* btnOK;
    TButton* btnExit;
    TTimer* tmClose;

    void FormShow(TObject* Sender);
    void RzBmpButton1Click(TObject* Sender);
    void btnExitClick(TObject* Sender);
    void tmCloseTimer();
};

extern TfmLockSetup* fmLockSetup;
