#pragma once
// The channel copy window: every processing setting of one input onto
// another input, or of one output onto another output. It stays open for
// further copies until Exit.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmCopy : public korvan::HostedForm {
public:
    TfmCopy(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* gbIn;
    TComboBox* cbInSource;
    TComboBox* cbInDestination;
    TLabel* lbInArrow;
    TButton* bnInChCopy;
    TGroupBox* gbOut;
    TComboBox* cbOutSource;
    TComboBox* cbOutDestination;
    TLabel* lbOutArrow;
    TButton* bnOutChCopy;
    TButton* bnExit;

    void FormShow(TObject* Sender);
    // Both copy buttons: a non-zero Tag copies outputs, else inputs.
    void bnInChCopyClick(TObject* Sender);
    void bnExitClick(TObject* Sender);
};

extern TfmCopy* fmCopy;
