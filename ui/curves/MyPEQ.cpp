#include "ui/curves/MyPEQ.h"

#include "device/protocol/SharedConstants.h"
#include "platform/forms/TypeInfo.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/FloatText.h"
#include "ui/curves/PeqGridText.h"

#include <algorithm>
#include <cmath>

using namespace korvan::curves;

namespace {

const char* const kTitles[5] = {"EQ", "Frequency", "Q", "Gain", "Type"};
const char* const kTypes[3] = {"Peak", "Low Shelf", "High Shelf"};
constexpr int kHiddenTop = 10000;

// A 32-bit argument written with the digits it holds.
std::string SingleText(float value) {
    return FloatToStrF(double(value), ffGeneral, 7, 0);
}

} // namespace

const TClassInfo& TMyPEQ::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMyPEQ>("TMyPEQ", &TGroupBox::StaticClassInfo())
            .Creator()
            .Property("ChannelNumber", &TMyPEQ::ChannelNumber, &TMyPEQ::SetChannelNumber)
            .Build();
    return info;
}

TMyPEQ::TMyPEQ(TComponent* owner) : TGroupBox(owner) {
    SetCaption("");
    DisableAlign();
    for (int k = 0; k < 5; ++k) {
        auto* title = new TLabel(this);
        title->SetParent(this);
        title->SetCaption(kTitles[k]);
        titles_[size_t(k)] = title;
    }
    for (int b = 0; b < kRows; ++b)
        CreateRow(b);
    EnableAlign();
    SetBounds(Left(), Top(), 490, 220);
    layoutWidth_ = 490;
    layoutHeight_ = 220;
}

TMyPEQ::~TMyPEQ() {
    // The rows' handlers reach this grid: none may run while it goes.
    Destroying();
}

void TMyPEQ::CreateRow(int b) {
    Band& row = Row(b);
    row.number = new TLabel(this);
    row.number->SetParent(this);
    row.number->SetAutoSize(false);
    row.number->SetAlignment(taCenter);
    row.number->SetCaption(std::to_string(b + 1));
    // Ten colours, those of the first band markers.
    if (b < 10)
        row.number->SetColor(TColor(MarkerColors[size_t(b)]));

    auto makeEdit = [this, b](const std::string& text, int min, int max, int position, TUpDown*& upDown) {
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetMaxLength(7);
        edit->SetTag(b);
        edit->SetText(text);
        edit->OnExit = [this, b, edit](TObject*) { Entered(b, edit); };
        edit->OnKeyDown = [this, b, edit](TObject*, std::uint16_t& key, TShiftState) {
            if (key == VK_RETURN)
                Entered(b, edit);
        };
        upDown = new TUpDown(this);
        upDown->SetParent(this);
        upDown->SetMin(min);
        upDown->SetMax(max);
        upDown->SetPosition(position);
        upDown->SetTag(b);
        TUpDown* ud = upDown;
        upDown->OnClick = [this, b, ud](TObject*, TUDBtnType) { UpDownClicked(b, ud); };
        return edit;
    };
    row.freq = makeEdit(FreqText(0), kFreqStepMin, kFreqStepMax, 0, row.freqUpDown);
    row.q = makeEdit(QText(20), 0, kQIndexMax, 20, row.qUpDown);
    row.gain = makeEdit(HalfGainText(0), -24, 24, 0, row.gainUpDown);

    row.type = new TComboBox(this);
    row.type->SetStyle(csDropDownList);
    row.type->SetParent(this);
    row.type->SetTag(b);
    TStringList names;
    for (const char* name : kTypes)
        names.Add(name);
    row.type->SetItems(&names);
    row.type->SetItemIndex(1);
    row.type->OnChange = [this](TObject*) { Change(); };

    row.bypass = new TCheckBox(this);
    row.bypass->SetParent(this);
    row.bypass->SetCaption("ByPass");
    row.bypass->SetTag(b);
    row.bypass->SetBounds(0, 0, (490 - 84) / 5 - 20, row.bypass->Height());
    row.bypass->OnClick = [this](TObject*) { Change(); };
}

void TMyPEQ::SetChannelNumber(int value) {
    value = std::clamp(value, 1, kRows);
    if (value == channelNumber_)
        return;
    channelNumber_ = value;
    Invalidate();
}

double TMyPEQ::GetFreqValue(int b) const {
    return FreqOfStep(FrequencyStep(b));
}

double TMyPEQ::GetQValue(int b) const {
    return QOfIndex(QIndex(b));
}

double TMyPEQ::GetGainValue(int b) const {
    return HalfGainStep(b) * 0.5;
}

int TMyPEQ::GetTypeValue(int b) const {
    return Row(b).type->ItemIndex();
}

bool TMyPEQ::GetBypassValue(int b) const {
    return Row(b).bypass->Checked();
}

void TMyPEQ::SetFreqValue(int b, float hz) {
    const int step = std::clamp(FreqStepFromHzPlain(double(hz)), kFreqStepMin, kFreqStepMax);
    Row(b).freqUpDown->SetPosition(step);
    Row(b).freq->SetText(FreqText(step));
    Change();
}

void TMyPEQ::SetQValue(int b, float qIndex) {
    const int index = std::clamp(int(std::clamp(double(qIndex), -1.0, 101.0)), 0, kQIndexMax);
    Row(b).qUpDown->SetPosition(index);
    Row(b).q->SetText(QText(index));
}

void TMyPEQ::SetGainValue(int b, float db) {
    Row(b).gainUpDown->SetPosition(HalfGainStepFromDb(db));
    Row(b).gain->SetText(SingleText(db) + "dB");
    Change();
}

void TMyPEQ::SetTypeValue(int b, int type) {
    Row(b).type->SetItemIndex(type);
    Change();
}

void TMyPEQ::SetBypassValue(int b, bool bypassed) {
    Row(b).bypass->SetChecked(bypassed);
    Change();
}

void TMyPEQ::SetColor(int b, TColor color) {
    if (b < 0 || b >= kRows)
        return;
    Band& row = Row(b);
    for (TControl* c : std::initializer_list<TControl*>{row.freq, row.q, row.gain, row.bypass})
        c->Font().SetColor(color);
}

void TMyPEQ::Change() {
    if (OnChange)
        OnChange(this);
}

void TMyPEQ::Entered(int b, TEdit* edit) {
    Band& row = Row(b);
    if (edit == row.freq) {
        const auto step = ParseTypedFreq(edit->Text(), false);
        if (step)
            row.freqUpDown->SetPosition(*step);
        edit->SetText(FreqText(row.freqUpDown->Position()));
    } else if (edit == row.q) {
        const auto index = ParseTypedQPlain(edit->Text());
        if (index)
            row.qUpDown->SetPosition(*index);
        edit->SetText(QText(row.qUpDown->Position()));
    } else {
        const auto step = ParseTypedHalfGain(edit->Text());
        if (step)
            row.gainUpDown->SetPosition(*step);
        edit->SetText(HalfGainText(row.gainUpDown->Position()));
    }
    edit->SetSelStart(int(edit->Text().size()));
    Change();
}

void TMyPEQ::UpDownClicked(int b, TUpDown* upDown) {
    Band& row = Row(b);
    const int position = upDown->Position();
    if (upDown == row.freqUpDown)
        row.freq->SetText(FreqText(position));
    else if (upDown == row.qUpDown)
        row.q->SetText(QText(position));
    else
        row.gain->SetText(HalfGainText(position));
    Change();
    if (upDown->CanFocus())
        upDown->SetFocus();
}

void TMyPEQ::Paint() {
    TGroupBox::Paint();
    if (Width() != layoutWidth_ || Height() != layoutHeight_)
        LayOut();
}

void TMyPEQ::LayOut() {
    layoutWidth_ = Width();
    layoutHeight_ = Height();
    const int columnWidth = (Width() - 84) / 5;
    const int rowHeight = (Height() - channelNumber_ - 30) / (channelNumber_ + 1);
    const bool few = channelNumber_ <= 4;

    titles_[0]->SetBounds(8, 15, 20, rowHeight);
    for (int k = 1; k < 5; ++k)
        titles_[size_t(k)]->SetBounds(12 * k + (k - 1) * columnWidth + 33, 15, columnWidth, rowHeight);

    const int left0 = 28;
    for (int b = 0; b < channelNumber_; ++b) {
        Band& row = Row(b);
        const int top = rowHeight + b * (rowHeight + 2) + 17;
        row.number->SetBounds(8, top, 20, few ? 18 : rowHeight - 2);
        row.number->SetVisible(true);
        row.freq->SetBounds(left0 + 12, top, columnWidth, rowHeight);
        row.q->SetBounds(left0 + columnWidth + 24, top - 1, columnWidth, rowHeight);
        row.gain->SetBounds(left0 + 2 * columnWidth + 36, top - 1, columnWidth, rowHeight);
        row.type->SetBounds(left0 + 3 * columnWidth + 48, top - 1, columnWidth, rowHeight);
        row.bypass->SetBounds(left0 + 4 * columnWidth + 60, top - 1, row.bypass->Width(),
                              row.bypass->Height());
        for (auto [edit, upDown] : {std::pair{row.freq, row.freqUpDown}, std::pair{row.q, row.qUpDown},
                                    std::pair{row.gain, row.gainUpDown}}) {
            edit->SetVisible(true);
            upDown->SetBounds(edit->Left() + edit->Width() - 22, edit->Top() + 2, 20,
                              few ? 18 : rowHeight - 1);
            upDown->SetVisible(true);
        }
        row.type->SetVisible(true);
        row.bypass->SetVisible(true);
    }
    for (int b = channelNumber_; b < kRows; ++b) {
        Band& row = Row(b);
        for (TControl* c :
             std::initializer_list<TControl*>{row.number, row.freq, row.q, row.gain, row.freqUpDown,
                                              row.qUpDown, row.gainUpDown, row.type, row.bypass}) {
            c->SetVisible(false);
            c->SetBounds(c->Left(), kHiddenTop, c->Width(), c->Height());
        }
    }
}
