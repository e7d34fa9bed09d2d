#pragma once
// TRzButton: the pack's push button. It clicks on a completed press, on
// the space key, on Return when it is the active (default or focused)
// button and on Escape when it is the cancel button; copies ModalResult to
// its form; can toggle within a group (GroupIndex, Down, AllowAllUp); and
// draws a classic, a hot-tracked or a styled face with a focus rectangle.

#include "controls/panels/BmpButton.h"
#include "controls/panels/CustomButton.h"

// Sent to every control of a button's parent when the button goes down or
// its group settings change: WParam the group index, LParam the button.
constexpr unsigned ButtonGroupMessage = 0x2421;

class TRzButton : public TRzCustomButton {
    KORVAN_CLASS(TRzButton)
public:
    explicit TRzButton(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TAlignment value);
    bool Default() const { return default_; }
    virtual void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool value);
    bool Down() const { return down_; }
    virtual void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int value);
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor value);
    bool ShowDownPattern() const { return showDownPattern_; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocusRect() const { return showFocusRect_; }
    virtual void SetShowFocusRect(bool value);
    bool DropDownOnEnter() const { return dropDownOnEnter_; }
    void SetDropDownOnEnter(bool value) { dropDownOnEnter_ = value; }
    void SetHotTrack(bool value) override;

    // Whether Return would press this button; the face it shows; whether a
    // dialog key's click is running (with DropDownOnEnter off).
    bool Active() const { return active_; }
    TButtonState State() const { return state_; }
    bool KeyWasPressed() const { return keyWasPressed_; }

    void Click() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;
    void PaintParentBackground(TCanvas& canvas) override;
    void ButtonStateChanged() override { Invalidate(); }
    void ButtonClicked() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    virtual TRect GetCaptionRect() const;
    virtual void DrawButtonCaption(TCanvas& canvas);
    // The 8 x 8 pattern of the held-down face in the button's colour.
    virtual void CreateDownPattern(TBitmap& bitmap) const;

private:
    bool Grouped() const { return groupIndex_ != 0; }
    bool Pressed() const { return state_ == bsExclusive || showDownVersion_; }
    void NotifyGroup();
    void GroupNotified(const TMessage& message);
    void FocusChanged(const TControl* focused);
    TRect PaintHotTrackFace(TCanvas& canvas);
    TRect PaintClassicFace(TCanvas& canvas);
    void PaintGradientFace(TCanvas& canvas, TRect r);

    TAlignment alignment_ = taCenter;
    bool clicking_ = false;
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
    bool keyToggle_ = false;
    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool showDownPattern_ = true;
    bool showFocusRect_ = true;
    bool dropDownOnEnter_ = true;
    TColor frameColor_ = cl3DDkShadow;
    TButtonState state_ = bsUp;
    bool keyWasPressed_ = false;
};
