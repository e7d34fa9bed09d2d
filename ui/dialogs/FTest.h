#pragma once
// The test signal choice: the unit feeds its inputs from the analogue
// inputs or from its own generator (pink noise, white noise, or a sine at
// one of 31 third-octave frequencies). Each choice goes to the unit at once
// and into the device model.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <cstdint>

class TfmTest : public korvan::HostedForm {
public:
    TfmTest(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* GroupBox1;
    TRadioButton* rbAnalogIn;
    TRadioButton* rbPinkNoise;
    TRadioButton* rbWhiteNoise;
    TRadioButton* rbSineWave;
    TComboBox* cbSineFreq;
    TButton* bnExit;

    void FormShow(TObject* Sender);
    void rbAnalogInClick(TObject* Sender);
    void cbSineFreqSelect(TObject* Sender);
    void bnExitClick(TObject* Sender);
    // Shows the model's source and (for the sine) its frequency; the caller
    // holds the update guard, so nothing is sent.
    void ShowSource(int source, int sineIndex);

private:
    void Send(std::uint8_t source);
};

extern TfmTest* fmTest;
