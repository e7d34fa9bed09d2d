#pragma once
// The progress window of transfers: a bar and a status line. The main
// window writes the status, the bar's maximum and position, and shows it.

#include "platform/forms/ExtCtrls.h"
#include "ui/dialogs/HostedForm.h"
#include "ui/dialogs/StandInControls.h"

class TfmProcess : public korvan::HostedForm {
public:
    TfmProcess(TComponent* owner, korvan::WindowHost& host);

    korvan::ProgressBarStandIn* ProgressBar;
    // The status bar with its one simple panel: the text is its caption.
    TPanel* StatusBar;

    void FormShow(TObject* Sender);
};

extern TfmProcess* fmProcess;
