#pragma once
// TMyPEQ: the older, smaller PEQ grid on the plain group box: up to 15
// bands with three filter types, gain in half-dB steps, a tick box for
// bypass and up-down buttons always shown. A band's values are held as the
// positions of its up-down buttons.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/StdCtrls.h"

#include <array>
#include <utility>

class TMyPEQ : public TGroupBox {
    KORVAN_CLASS(TMyPEQ)
public:
    static constexpr int kRows = 15;

    explicit TMyPEQ(TComponent* owner);
    ~TMyPEQ() override;

    TNotifyEvent OnChange;
    // Bands shown, 1..15; a change lays the grid out again at its next
    // size change and fires nothing.
    int ChannelNumber() const { return channelNumber_; }
    void SetChannelNumber(int value);
    int GetChannelNumber() const { return channelNumber_; }

    double GetFreqValue(int b) const;
    double GetQValue(int b) const;
    double GetGainValue(int b) const;
    int GetTypeValue(int b) const;
    bool GetBypassValue(int b) const;
    void SetFreqValue(int b, float hz);
    // Changes the Q text only: no change event.
    void SetQValue(int b, float qIndex);
    void SetGainValue(int b, float db);
    void SetTypeValue(int b, int type);
    // Setting a new state also clicks the tick box: two change events.
    void SetBypassValue(int b, bool bypassed);
    using TGroupBox::SetColor;
    // Font colour of the band's three edits and its tick box.
    void SetColor(int b, TColor color);
    virtual void Change();

    int FrequencyStep(int b) const { return Row(b).freqUpDown->Position(); }
    int QIndex(int b) const { return Row(b).qUpDown->Position(); }
    int HalfGainStep(int b) const { return Row(b).gainUpDown->Position(); }
    TEdit* FrequencyEdit(int b) const { return Row(b).freq; }
    TEdit* QEdit(int b) const { return Row(b).q; }
    TEdit* GainEdit(int b) const { return Row(b).gain; }
    TUpDown* GainUpDown(int b) const { return Row(b).gainUpDown; }
    TComboBox* TypeList(int b) const { return Row(b).type; }
    TCheckBox* BypassBox(int b) const { return Row(b).bypass; }
    TLabel* RowLabel(int b) const { return Row(b).number; }

protected:
    void Paint() override;

private:
    struct Band {
        TLabel* number = nullptr;
        TEdit* freq = nullptr;
        TEdit* q = nullptr;
        TEdit* gain = nullptr;
        TUpDown* freqUpDown = nullptr;
        TUpDown* qUpDown = nullptr;
        TUpDown* gainUpDown = nullptr;
        TComboBox* type = nullptr;
        TCheckBox* bypass = nullptr;
    };
    const Band& Row(int b) const { return bands_.at(size_t(b)); }
    Band& Row(int b) { return bands_.at(size_t(b)); }

    void CreateRow(int b);
    void LayOut();
    void Entered(int b, TEdit* edit);
    void UpDownClicked(int b, TUpDown* upDown);

    std::array<Band, kRows> bands_;
    std::array<TLabel*, 5> titles_{};
    int channelNumber_ = kRows;
    int layoutWidth_ = 490;
    int layoutHeight_ = 220;
};
