#include "ui/dialogs/FTest.h"

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandRecords.h"
#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

#include <array>

TfmTest* fmTest = nullptr;

namespace {
constexpr int SineSource = 3;
// The generator's sine frequencies, by the index the record carries.
constexpr std::array<const char*, 31> SineFrequencies = {
    "20Hz",  "25Hz",   "31.5Hz",  "40Hz",   "50Hz",    "63Hz",   "80Hz",    "100Hz",
    "125Hz", "160Hz",  "200Hz",   "250Hz",  "315Hz",   "400Hz",  "500Hz",   "630Hz",
    "800Hz", "1KHz",   "1.25KHz", "1.6KHz", "2KHz",    "2.5KHz", "3.15KHz", "4KHz",
    "5KHz",  "6.3KHz", "8KHz",    "10KHz",  "12.5KHz", "16KHz",  "20KHz"};
} // namespace

TfmTest::TfmTest(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmTest");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(282);
    SetClientHeight(208);
    SetCaption("Input Signal Select");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 24, 16, 233, 135);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    struct Choice {
        TRadioButton** button;
        const char* name;
        const char* caption;
        int left, top, width;
    };
    const Choice choices[] = {{&rbAnalogIn, "rbAnalogIn", "Analog Input", 64, 27, 97},
                              {&rbPinkNoise, "rbPinkNoise", "Pink Noise", 19, 62, 97},
                              {&rbWhiteNoise, "rbWhiteNoise", "White Noise", 122, 62, 103},
                              {&rbSineWave, "rbSineWave", "Sine Wave", 21, 97, 96}};
    int source = 0;
    for (const Choice& choice : choices) {
        auto* button =
            scope.Place<TRadioButton>(GroupBox1, choice.name, choice.left, choice.top, choice.width, 17);
        button->SetCaption(choice.caption);
        // The tag is the source the record carries.
        button->SetTag(source++);
        *choice.button = button;
    }
    rbAnalogIn->SetChecked(true);
    for (TRadioButton* button : {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave})
        button->OnClick = [this](TObject* s) { rbAnalogInClick(s); };
    cbSineFreq = scope.Place<TComboBox>(GroupBox1, "cbSineFreq", 123, 95, 89, 22);
    cbSineFreq->SetStyle(csDropDownList);
    for (const char* frequency : SineFrequencies)
        cbSineFreq->Items()->Add(frequency);
    cbSineFreq->SetItemIndex(0);
    cbSineFreq->OnSelect = [this](TObject* s) { cbSineFreqSelect(s); };
    bnExit = scope.Place<TButton>(this, "bnExit", 88, 160, 97, 32);
    bnExit->SetCaption("OK");
    bnExit->OnClick = [this](TObject* s) { bnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmTest::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_TEST_TITLE"));
    bnExit->SetCaption(Tr("SID_EXIT"));
    rbAnalogIn->SetCaption(Tr("SID_ANALOG_IN"));
    rbWhiteNoise->SetCaption(Tr("SID_WHITE_IN"));
    rbPinkNoise->SetCaption(Tr("SID_PINK_IN"));
    rbSineWave->SetCaption(Tr("SID_SINE_IN"));
}

// Every record carries the combo box's frequency, whatever the source.
void TfmTest::Send(std::uint8_t source) {
    const auto sineIndex = std::uint8_t(cbSineFreq->ItemIndex() < 0 ? 0 : cbSineFreq->ItemIndex());
    host_.Model().StoreWorkMode(source, sineIndex);
    host_.SendCmd(CM_MCS_WORK_MODE(host_.GetUnitId(), source, sineIndex), true);
}

void TfmTest::rbAnalogInClick(TObject* Sender) {
    auto* button = dynamic_cast<TRadioButton*>(Sender);
    if (host_.IsUpdating() || button == nullptr)
        return;
    Send(std::uint8_t(button->Tag()));
}

void TfmTest::cbSineFreqSelect(TObject* /*Sender*/) {
    if (host_.IsUpdating())
        return;
    // Checking the sine button runs its click (a second record) when it was
    // not checked before.
    rbSineWave->SetChecked(true);
    Send(SineSource);
}

void TfmTest::bnExitClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}

void TfmTest::ShowSource(int source, int sineIndex) {
    TRadioButton* const buttons[] = {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave};
    if (source >= 0 && source < 4)
        buttons[source]->SetChecked(true);
    if (source == SineSource && sineIndex >= 0 && sineIndex < int(SineFrequencies.size()))
        cbSineFreq->SetItemIndex(sineIndex);
}
