#pragma once
// The quit confirmation. OK lets the main window close for good; Cancel
// leaves it open.

#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

class TfmExit : public TForm {
public:
    explicit TfmExit(TComponent* owner);

    TGroupBox* GroupBox1;
    TLabel* lbExit;
    TButton* btnOK;
    TButton* btnCancel;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);
};

extern TfmExit* fmExit;
