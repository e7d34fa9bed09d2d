#pragma once
// The about box: the program's name and version.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmAbout : public korvan::HostedForm {
public:
    TfmAbout(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TLabel* lbProgram;
    TLabel* lbVersion;
    TButton* btnOK;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
};

extern TfmAbout* fmAbout;
