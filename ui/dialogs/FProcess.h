#pragma once
// The progress window of transfers: a bar and a status line. The main
// window writes the status, the bar's maximum and position, and shows it.

#include "controls/gdip/AdvProgressBar.h"
#include "platform/forms/ExtCtrls.h"
#include "ui/dialogs/HostedForm.h"

class TfmProcess : public korvan::HostedForm {
public:
    TfmProcess(TComponent* owner, korvan::WindowHost& host);

    // Green up to 70 %, yellow to 90 %, then orange, each a gradient.
    TAdvProgressBar* ProgressBar;
    // The status bar with its one simple panel: the text is its caption.
    TPanel* StatusBar;

    void FormShow(TObject* Sender);
};

extern TfmProcess* fmProcess;
