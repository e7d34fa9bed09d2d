// What the user does on the grid: typed values (on leaving an edit or on
// Enter), up-down clicks, type choices and BYPASS clicks. Each makes the
// band the current one and raises the change event, also when a typed text
// was rejected (the edit then shows the stored value again).

#include "ui/curves/PeqBandGrid.h"

#include "ui/curves/PeqGridText.h"

using namespace korvan::curves;

void TPeqBandGrid::RestoreText(TEdit* edit, const std::string& text) {
    edit->SetText(text);
    edit->SetSelStart(int(text.size()));
}

void TPeqBandGrid::FrequencyEntered(int b) {
    Band& row = Row(b);
    if (const auto step = ParseTypedFreq(row.freq->Text())) {
        row.freqStep = *step;
        row.freqUpDown->SetPosition(row.freqStep);
        row.freq->SetText(FreqText(row.freqStep));
    } else {
        RestoreText(row.freq, FreqText(row.freqStep));
    }
    Touch(b);
    Change();
}

void TPeqBandGrid::QEntered(int b) {
    Band& row = Row(b);
    if (const auto index = ParseTypedQ(row.q->Text())) {
        row.qIndex = *index;
        row.qUpDown->SetPosition(row.qIndex);
        row.q->SetText(QText(row.qIndex));
    } else {
        RestoreText(row.q, QText(row.qIndex));
    }
    Touch(b);
    Change();
}

void TPeqBandGrid::GainEntered(int b) {
    Band& row = Row(b);
    if (const auto step = ParseTypedGain(row.gain->Text())) {
        row.gainStep = *step;
        row.gainUpDown->SetPosition(row.gainStep);
        row.gain->SetText(GainText(row.gainStep));
    } else {
        RestoreText(row.gain, GainText(row.gainStep));
    }
    Touch(b);
    Change();
}

void TPeqBandGrid::UpDownClicked(int b, TUpDown* upDown) {
    // The up-down's position is the band's new step.
    Band& row = Row(b);
    const int position = upDown->Position();
    if (upDown == row.freqUpDown) {
        row.freqStep = position;
        row.freq->SetText(FreqText(position));
    } else if (upDown == row.qUpDown) {
        row.qIndex = position;
        row.q->SetText(QText(position));
    } else {
        row.gainStep = position;
        row.gain->SetText(GainText(position));
    }
    Touch(b);
    Change();
    if (upDown->Visible() && upDown->CanFocus())
        upDown->SetFocus();
}

void TPeqBandGrid::BypassClicked(int b) {
    Touch(b);
    Band& row = Row(b);
    row.bypassed = row.bypassed == 1 ? 0 : 1;
    PaintBypass(b);
    Change();
}

void TPeqBandGrid::TypeChosen(int b) {
    Touch(b);
    Change();
}
