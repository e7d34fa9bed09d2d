#pragma once
// The quit confirmation. OK lets the main window close for good; Cancel
// leaves it open.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmExit : public korvan::HostedForm {
public:
    TfmExit(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TLabel* lbExit;
    TButton* btnOK;
    TButton* btnCancel;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);
};

extern TfmExit* fmExit;
