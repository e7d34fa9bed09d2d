#pragma once
// TRzBmpButton: a push or toggle button whose face is drawn from one
// bitmap per state, with an optional caption against the bitmap. Buttons
// with one GroupIndex on one parent act as radio buttons (one stays down)
// or, with AllowAllUp, as toggles of which at most one is down. A click
// copies ModalResult into the parent form.

#include "controls/panels/ButtonBitmaps.h"
#include "controls/panels/GlyphLayout.h"
#include "platform/forms/WinControl.h"

#include <memory>

// The face being shown: up, disabled, pressed, held down.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TButtonBorder { bbNone, bbSingle, bbButton };
enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };

// Sent to every control of a button's parent when the button goes down or
// its group settings change: WParam the group index, LParam the button.
constexpr unsigned BmpButtonGroupMessage = 0x2420;

class TRzBmpButton : public TCustomControl {
    KORVAN_CLASS(TRzBmpButton)
public:
    explicit TRzBmpButton(TComponent* owner);
    ~TRzBmpButton() override;

    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool value);
    TButtonBorder ButtonBorder() const { return buttonBorder_; }
    virtual void SetButtonBorder(TButtonBorder value);
    TBtnSize ButtonSize() const { return buttonSize_; }
    virtual void SetButtonSize(TBtnSize value);
    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    virtual void SetButtonStyle(TButtonStyle value);
    bool Down() const { return down_; }
    virtual void SetDown(bool value);
    int CaptionDownOffset() const { return captionDownOffset_; }
    virtual void SetCaptionDownOffset(int value);
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int value);
    TButtonLayout Layout() const { return layout_; }
    virtual void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    virtual void SetMargin(int value);
    bool ShowDownPattern() const { return showDownPattern_; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocus() const { return showFocus_; }
    virtual void SetShowFocus(bool value);
    int Spacing() const { return spacing_; }
    virtual void SetSpacing(int value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    TRzButtonBitmaps* Bitmaps() const { return bitmaps_.get(); }
    void SetBitmaps(TRzButtonBitmaps* value) { bitmaps_->Assign(value); }

    // What the button shows and whether a press is under way.
    TButtonState State() const { return state_; }
    bool Dragging() const { return dragging_; }
    bool MouseOverButton() const { return mouseOverButton_; }

    void Loaded() override;
    void Click() override;
    // Windows paint the button directly.
    void Paint() override;
    void WndProc(TMessage& message) override;

    // The 8 x 8 checkerboard of the held-down face, shared by all buttons
    // while any exists; null before the first need.
    static const TBitmap* DownPatternBitmap();
    static int BmpButtonCount();

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void Resize() override;

private:
    bool NewStyle() const;
    int BevelWidth() const { return NewStyle() ? 1 : 2; }
    void UpdateSize();
    void BitmapsChanged();
    void NotifyGroup();
    void GroupNotified(TMessage& message);
    void ButtonReleased(bool inside);
    bool Inside(int x, int y) const;
    TBitmap* ChooseBitmap(std::unique_ptr<TBitmap>& embossed);
    korvan::panels::GlyphPlacement CalcGlyphLayout(const TRect& face, const TBitmap* glyph);
    TRect DrawButtonFace(TCanvas& canvas);

    int groupIndex_ = 0;
    std::unique_ptr<TRzButtonBitmaps> bitmaps_;
    bool down_ = false;
    int captionDownOffset_ = 1;
    bool dragging_ = false;
    bool allowAllUp_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    TButtonStyle buttonStyle_ = bsAutoDetect;
    TButtonBorder buttonBorder_ = bbNone;
    TBtnSize buttonSize_ = bszButtonToBitmap;
    bool showFocus_ = true;
    bool showDownPattern_ = true;
    bool isFocused_ = false;
    TModalResult modalResult_ = mrNone;
    TButtonState state_ = bsUp;
    bool mouseOverButton_ = false;
};

namespace korvan::panels {
// The disabled face made from `up` when no Disabled bitmap is given:
// highlighted one pixel down and right, shadowed in place.
TBitmap EmbossedImage(const TBitmap& up);
} // namespace korvan::panels
