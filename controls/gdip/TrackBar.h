#pragma once
// TCustomTrackBar: the pack's owner-drawn slider (the editor's fader). It
// holds an integer Position between Min and Max (on a vertical bar Max is
// at the top), takes arrow, page, Home and End keys, the wheel, presses on
// the track (one page toward the press, repeated while held), thumb drags
// and the two optional step buttons, and raises OnChange for every change
// of the position. It paints a background, the groove, tick rows, a
// position label, the thumb (a picture per state or a drawn shape), the
// step buttons and a focus frame; with a RateActive and a RateInActive
// picture it shows one image per value instead (rating mode).
//
// The look of its pieces lives in five owned parts (Thumb, Slider,
// TickMark, Buttons, TrackLabel); a change of any of them repaints the
// control. TAdvTrackBar publishes it all for the form reader.
//
// Where the behaviour differs from a plain reading of the rules, on
// purpose: OnChange fires only when the position really changes (the
// request is clamped first, so a key or a page at either end sends
// nothing); a held press on the track pages toward the pointer and stops
// once the thumb has reached it instead of swinging around it; a thumb
// with no travel left makes click-to-move and dragging do nothing; the
// auto-repeat knows the button is held from the control's own flag; and
// disabling the control ends a press it holds (it hears no release then).

#include "controls/gdip/ComponentStyle.h"
#include "controls/gdip/GdipFaces.h"
#include "controls/gdip/TrackBarButtons.h"
#include "controls/gdip/TrackBarLabel.h"
#include "controls/gdip/TrackBarSlider.h"
#include "controls/gdip/TrackBarThumb.h"
#include "controls/gdip/TrackBarTick.h"
#include "controls/gdip/TrackHintWindow.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WinControl.h"
#include "platform/gfx/ImageList.h"

#include <functional>
#include <memory>
#include <string>

using TDrawTickEvent = std::function<void(TObject* sender, TCanvas& canvas, const TPoint& location,
                                          int position, TTickMark tickPos, int& length, TColor& color,
                                          TColor& textColor, std::string& text, bool& defaultDraw)>;
using TGetTrackHintEvent = std::function<void(TObject* sender, int position, std::string& hint)>;
using TGetTrackLabelEvent = std::function<void(TObject* sender, int position, std::string& value)>;
using TGetTickMarkTextEvent = std::function<void(TObject* sender, int index, std::string& value)>;

class TCustomTrackBar : public TCustomControl, public ITMSStyle {
    KORVAN_CLASS(TCustomTrackBar)
public:
    explicit TCustomTrackBar(TComponent* owner);
    ~TCustomTrackBar() override;

    // ---- value
    int Position() const { return position_; }
    // Clamps to Min..Max; a value equal to the position after clamping
    // does nothing. Otherwise stores it, repaints and raises OnChange.
    virtual void SetPosition(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value) { pageSize_ = value; }
    TTrackBarOrientation Orientation() const { return orientation_; }
    // Swaps width and height unless the control is loading.
    void SetOrientation(TTrackBarOrientation value);
    TMoveOnClick MoveOnClick() const { return moveOnClick_; }
    void SetMoveOnClick(TMoveOnClick value) { moveOnClick_ = value; }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value) { showFocus_ = value; }
    bool TrackHint() const { return trackHint_; }
    void SetTrackHint(bool value) { trackHint_ = value; }

    // ---- background
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value);
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor value) { colorDisabled_ = value; }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor value) { colorDisabledTo_ = value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor value) { borderColorDisabled_ = value; }
    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection value);
    TGDIPPicture* BackGround() const { return backGround_.get(); }
    void SetBackGround(TGDIPPicture* value);
    TGDIPPicture* BackGroundDisabled() const { return backGroundDisabled_.get(); }
    void SetBackGroundDisabled(TGDIPPicture* value);
    bool BackGroundStretched() const { return backGroundStretched_; }
    void SetBackGroundStretched(bool value);
    TGDIPPicture* RateActive() const { return rateActive_.get(); }
    void SetRateActive(TGDIPPicture* value);
    TGDIPPicture* RateInActive() const { return rateInActive_.get(); }
    void SetRateInActive(TGDIPPicture* value);
    // Tick images (not owned; the caller keeps the list alive or clears it).
    TImageList* TickImages() const { return tickImages_; }
    void SetTickImages(TImageList* value);

    // ---- parts (the setters copy into the owned part)
    TTrackBarThumb* Thumb() const { return thumb_.get(); }
    void SetThumb(TTrackBarThumb* value) { thumb_->Assign(value); }
    TTrackBarSlider* Slider() const { return slider_.get(); }
    void SetSlider(TTrackBarSlider* value) { slider_->Assign(value); }
    TTrackBarTick* TickMark() const { return tickMark_.get(); }
    void SetTickMark(TTrackBarTick* value) { tickMark_->Assign(value); }
    TTrackBarButtons* Buttons() const { return buttons_.get(); }
    void SetButtons(TTrackBarButtons* value) { buttons_->Assign(value); }
    TTrackBarLabel* TrackLabel() const { return trackLabel_.get(); }
    void SetTrackLabel(TTrackBarLabel* value) { trackLabel_->Assign(value); }
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // ---- events
    TNotifyEvent OnChange;
    TDrawTickEvent OnDrawTick;
    TGetTrackHintEvent OnGetTrackHint;
    TGetTrackLabelEvent OnGetTrackLabelText;
    TGetTickMarkTextEvent OnGetTickMarkText;

    // ---- overridable steps
    virtual void RepeatTimerTick();
    virtual bool CanPageOnClick() const { return true; }
    // TrackLabel.Format with the position, then OnGetTrackLabelText.
    virtual void GetTrackLabelText(std::string& text) const;
    virtual bool CanDragThumb() const { return true; }
    virtual bool IsValidPosition(int value) const { return value >= min_ && value <= max_; }
    virtual int GetMinPosition() const { return min_; }
    virtual int GetMaxPosition() const { return max_; }
    virtual TRect GetTopLeftTickRect() const;
    virtual TRect GetBottomRightTickRect() const;
    virtual TRect GetThumbRect() const;
    virtual bool HasTrackLabelHandler() const { return bool(OnGetTrackLabelText); }
    virtual void StepDown();
    virtual void StepUp();
    // One page toward the held press point (never past it: see above).
    virtual void PageTowardPress();
    virtual int GetThumbLength() const { return thumb_->Width(); }
    virtual bool CanSetThumbPointer(TTrackBarThumb* thumb, TThumbPointer& value);
    virtual void PaintSlider();
    virtual void PaintThumb();
    virtual void InvalidateTrackLabel();
    // Raises OnChange; every accepted change of the position ends here.
    virtual void NotifyChange();

    void SetComponentStyle(TTMSStyle style) override;

    // ---- layout (client coordinates; a missing rectangle is -1, -1, -1, -1)
    TRect GetInnerRect() const;
    TRect GetMinButtonRect() const;
    TRect GetMaxButtonRect() const;
    TRect GetTrackArea() const;
    TRect GetSliderRect() const;
    TRect GetTrackLabelRect(bool narrow) const;
    TRect GetRatingRect(int value) const;
    // Thumb travel along the track (may be 0 or less).
    int Travel() const;
    // Where the pointer shapes put their tip along the thumb.
    int PointerOffset() const;
    bool RatingMode() const { return !rateActive_->Empty() && !rateInActive_->Empty(); }

    // ---- interaction state
    bool ThumbHot() const { return thumbHot_; }
    bool ThumbDown() const { return thumbDown_; }
    bool Sliding() const { return sliding_; }
    bool SliderButtonDown() const { return sliderButtonDown_; }
    bool MinButtonHot() const { return minButtonHot_; }
    bool MinButtonDown() const { return minButtonDown_; }
    bool MaxButtonHot() const { return maxButtonHot_; }
    bool MaxButtonDown() const { return maxButtonDown_; }
    TTimer* RepeatTimer() const { return repeatTimer_.get(); }
    // The drag hint window, made at the first hint shown (null before).
    TTrackHintWindow* HintWindow() const { return hintWindow_.get(); }
    bool TrackHintShowing() const { return trackHintShow_; }

    void Loaded() override;
    unsigned GetDlgCode() const override { return DLGC_WANTARROWS; }
    bool WantSpecialKey(std::uint16_t key) const override;

protected:
    // The groove part (a derived bar may bring its own).
    virtual std::unique_ptr<TTrackBarSlider> CreateSlider();
    void Paint() override;
    bool IsTransparent() const override { return transparent_; }
    void EnabledChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

    // Painters (Paint runs them in this order).
    void PaintBackground();
    void PaintTicks();
    void PaintTrackLabel();
    void PaintRating();
    void PaintButtons();
    void PaintMinButton();
    void PaintMaxButton();
    void PaintStepButtonFace(const TRect& r, const korvan::gdip::MirrorFace& colours, bool plus);

private:
    void PartChanged();
    void TickFontChanged();
    // The value whose thumb centre (less the grab offset) or edge lies at
    // the pointer; Position when there is no travel.
    int ValueAtOffset(int offset) const;
    void ClickToMove(int x, int y);
    void DragTo(int x, int y);
    void ShowTrackHint(int value);
    void HideTrackHint();
    void TrackHover(int x, int y);
    void StartRepeatTimer();
    // Ends a held press without its release (a disabled control hears
    // none): no more repeats, no drag, no pressed look.
    void CancelPress();
    int RatingValueAt(int x, int y) const;

    std::unique_ptr<TTrackBarThumb> thumb_;
    std::unique_ptr<TTrackBarSlider> slider_;
    std::unique_ptr<TTrackBarTick> tickMark_;
    std::unique_ptr<TTrackBarButtons> buttons_;
    std::unique_ptr<TTrackBarLabel> trackLabel_;
    std::unique_ptr<TGDIPPicture> backGround_, backGroundDisabled_, rateActive_, rateInActive_;
    std::unique_ptr<TTrackHintWindow> hintWindow_;
    std::unique_ptr<TTimer> repeatTimer_;
    TImageList* tickImages_ = nullptr;

    int max_ = 10;
    int min_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    int pageSize_ = 1;
    int position_ = 0;
    TMoveOnClick moveOnClick_ = mcStep;
    bool showFocus_ = false;
    bool trackHint_ = false;
    bool transparent_ = true;
    TColor colorTo_ = clNone;
    TColor colorDisabled_ = clNone;
    TColor colorDisabledTo_ = clNone;
    TColor borderColor_ = clNone;
    TColor borderColorDisabled_ = clNone;
    TGradientDirection direction_ = gdHorizontal;
    bool backGroundStretched_ = false;

    static constexpr int kBorderWidth = 1;
    static constexpr int kOffset = 2;
    static constexpr int kTickTextOffset = 2;
    int textHeight_ = 0;

    bool sliding_ = false;
    bool thumbHot_ = false;
    bool thumbDown_ = false;
    int thumbCenterOffsetX_ = 0;
    int thumbCenterOffsetY_ = 0;
    bool minButtonHot_ = false, minButtonDown_ = false;
    bool maxButtonHot_ = false, maxButtonDown_ = false;
    bool sliderButtonDown_ = false;
    TPoint sliderDownPt_;
    // The left button is held since a press on this control (Qt's implicit
    // grab is not reported as capture).
    bool leftButtonHeld_ = false;
    // Direction of the held track press: +1 pages up, -1 down, 0 not yet.
    int pageDirection_ = 0;
    int hintTickIndex_ = -1;
    bool trackHintShow_ = false;
};

// The track bar as the form reader knows it: every property published.
class TAdvTrackBar : public TCustomTrackBar {
    KORVAN_CLASS(TAdvTrackBar)
public:
    explicit TAdvTrackBar(TComponent* owner) : TCustomTrackBar(owner) {}
};
