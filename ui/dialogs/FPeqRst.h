#pragma once
// The confirmation of an EQ reset: OK puts the default values back on one
// channel's PEQ (0..11) or one input's graphic EQ (12 + input).

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmPeqRst : public korvan::HostedForm {
public:
    TfmPeqRst(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TLabel* lbReset;
    TButton* btnOK;
    TButton* btnCancel;

    // The EQ the next OK resets; kept between uses.
    void SetResetChannel(int channel) { ResetChannel = channel; }
    int GetResetChannel() const { return ResetChannel; }

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

private:
    int ResetChannel = 0;
};

extern TfmPeqRst* fmPeqRst;
