#pragma once
// The progress window of transfers: a bar and a status line. The main
// window writes the status, the bar's maximum and position, and shows it.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "ui/dialogs/StandInControls.h"

class TfmProcess : public TForm {
public:
    explicit TfmProcess(TComponent* owner);

    korvan::ProgressBarStandIn* ProgressBar;
    // The status bar with its one simple panel: the text is its caption.
    TPanel* StatusBar;

    void FormShow(TObject* Sender);
};

extern TfmProcess* fmProcess;
