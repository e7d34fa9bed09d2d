#pragma once
// TPeqBandGrid: a channel's parametric-EQ bands as a grid inside a group
// box: per band a row number in the band's marker colour, frequency, Q and
// gain edits (with optional up-down buttons), a filter-type list and a
// BYPASS button. Up to 50 rows; rows from ChannelNumber on are hidden. A
// row's controls are built on first use (a layout, a write to the band, or
// a look at one of its controls), so a grid of 8 bands carries 8 rows of
// widgets and not 50. The grid is also the store the main window reads a
// channel's bands from: each value is held as an integer step on the unit's
// scales.
//
// TMyPEQType8 (nine types, language texts) and TMyPEQGain (five types,
// built-in texts only) are this grid with their own type lists.

#include "controls/panels/GroupBox.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TPeqBandGrid : public TRzGroupBox {
    KORVAN_CLASS(TPeqBandGrid)
public:
    static constexpr int kRows = 50;
    static constexpr TColor kHighlightColor = 0x00B000;
    static constexpr TColor kBypassedColor = 0x8080FF;

    ~TPeqBandGrid() override;

    // --- published ---
    TNotifyEvent OnChange;
    bool UpdownVisable() const { return updownVisible_; }
    void SetUpdownVisable(bool value);
    bool TitleVisable() const { return titleVisible_; }
    void SetTitleVisable(bool value);
    // Top margin in pixels; only the low 8 bits are kept.
    int TopBottomSpace() const { return topBottomSpace_; }
    void SetTopBottomSpace(int value);
    // Bands shown, 1..50.
    int ChannelNumber() const { return channelNumber_; }
    void SetChannelNumber(int value);
    TColor LabelColor() const { return labelColor_; }
    void SetLabelColor(TColor value);
    TColor EditBackColor() const { return editBackColor_; }
    void SetEditBackColor(TColor value);
    TColor BypassBackColor() const { return bypassBackColor_; }
    void SetBypassBackColor(TColor value);
    // Sender is the grid; the position is the edit's own.
    TMouseEvent OnEditMouseDown;
    // Sender is the type list; a handler that sets `handled` keeps the wheel
    // from changing the type.
    TMouseWheelEvent OnPeqTypeMouseWheel;

    // --- bands (b = 0..ChannelNumber - 1) ---
    double GetFreqValue(int b) const;
    double GetQValue(int b) const;
    double GetGainValue(int b) const;
    int GetTypeValue(int b) const;
    bool GetBypassValue(int b) const;
    void SetFreqValue(int b, double hz);
    void SetQValue(int b, double qIndex);
    void SetGainValue(int b, double db);
    void SetTypeValue(int b, int type);
    void SetBypassValue(int b, bool bypassed);
    // The whole band with one change event.
    void SetEqParamValue(int b, double hz, double qIndex, double db, int type, bool bypassed);
    int GetChannelNumber() const { return channelNumber_; }

    // The steps as stored.
    int FrequencyStep(int b) const { return Data(b).freqStep; }
    int QIndex(int b) const { return Data(b).qIndex; }
    int GainStep(int b) const { return Data(b).gainStep; }
    // Rows whose controls exist (rows 0..BuiltRows() - 1).
    int BuiltRows() const { return builtRows_; }

    // --- selection ---
    // Moves the green highlight; an index that is no shown band clears it.
    void SetNowIndex(int index);
    int NowIndex() const { return nowIndex_; }
    int PreviousIndex() const { return previousIndex_; }
    using TRzGroupBox::SetColor;
    // Font colour of band b's three value edits.
    void SetColor(int b, TColor color);

    // Refills each shown band's type list from the type names, keeping its
    // choice, and captions each shown BYPASS button.
    void ChangeLanguage();
    // Lays the rows out when the size changed since the last layout.
    void RePaint();
    virtual void Change();

    // --- the controls of a band, for the main window's tests ---
    // Each builds the band's row (and those before it) when it is not built.
    TEdit* FrequencyEdit(int b) const { return Row(b).freq; }
    TEdit* QEdit(int b) const { return Row(b).q; }
    TEdit* GainEdit(int b) const { return Row(b).gain; }
    TUpDown* FrequencyUpDown(int b) const { return Row(b).freqUpDown; }
    TUpDown* QUpDown(int b) const { return Row(b).qUpDown; }
    TUpDown* GainUpDown(int b) const { return Row(b).gainUpDown; }
    TComboBox* TypeList(int b) const { return Row(b).type; }
    TButton* BypassButton(int b) const { return Row(b).bypass; }
    TLabel* RowLabel(int b) const { return Row(b).number; }
    TLabel* TitleLabel(int k) const { return titles_.at(size_t(k)); }

protected:
    // The type names and the BYPASS caption the grid starts with.
    TPeqBandGrid(TComponent* owner, std::vector<std::string> typeNames, std::string bypassText);

    void SetEqTypeString(const std::string& text, int index);
    void SetBypassString(const std::string& text);
    int GetNowIndex() const { return nowIndex_; }

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
        TShape* freqFrame = nullptr;
        TShape* qFrame = nullptr;
        TShape* gainFrame = nullptr;
        TComboBox* type = nullptr;
        TButton* bypass = nullptr;
        int freqStep = 0;
        int qIndex = 20;
        int gainStep = 0;
        std::uint8_t bypassed = 0;
    };
    // A band's stored values; its controls may not exist yet.
    const Band& Data(int b) const { return bands_.at(size_t(b)); }
    // A band with its controls, built on first use. The const form builds
    // too: the rows are the grid's cache of widgets, not its state.
    Band& Row(int b);
    const Band& Row(int b) const { return const_cast<TPeqBandGrid*>(this)->Row(b); }
    bool Shown(int b) const { return b >= 0 && b < channelNumber_; }
    // Rows to go through when a property changes: the built shown ones.
    int BuiltShownRows() const { return std::min(builtRows_, channelNumber_); }

    void BuildRows(int count);
    void CreateRow(int b);
    // Gives a row built late what the property setters gave the others.
    void ApplyProperties(int b);
    void LayOut();
    void LayOutRow(int b, int columnWidth, int rowHeight, int titleHeight);
    void HideRow(int b);
    void ShowUpDowns(int b, bool visible);
    void FillTypeList(TComboBox* list);
    void PaintBypass(int b);
    // The user touched band b.
    void Touch(int b);

    // Typed entry, up-down clicks and the other user actions.
    void FrequencyEntered(int b);
    void QEntered(int b);
    void GainEntered(int b);
    void UpDownClicked(int b, TUpDown* upDown);
    void BypassClicked(int b);
    void TypeChosen(int b);
    // Shows the stored value again with the caret at the end.
    static void RestoreText(TEdit* edit, const std::string& text);

    std::array<Band, kRows> bands_;
    std::array<TLabel*, 6> titles_{};
    std::vector<std::string> typeNames_;
    std::string bypassText_;
    bool updownVisible_ = false;
    bool titleVisible_ = false;
    int topBottomSpace_ = 15;
    int channelNumber_ = kRows;
    int builtRows_ = 0;
    // The band count of the last layout; 0 before the first one.
    int layoutRows_ = 0;
    TColor labelColor_ = 0;
    TColor editBackColor_ = 0;
    TColor bypassBackColor_ = 0;
    TColor normalEditColor_ = clWindowText;
    int nowIndex_ = 0;
    int previousIndex_ = 0;
    int layoutWidth_ = 490;
    int layoutHeight_ = 420;
};
