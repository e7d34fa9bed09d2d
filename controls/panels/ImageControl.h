#pragma once
// The base of the LED toggle and the flat text button.
//
// TVrCustomControl: a windowed control with an update counter. Setters of
// descendants call ControlChanged, which repaints at once unless the
// control is loading or an update is open; EndUpdate repaints once. Font
// and caption changes raise OnFontChanged and OnTextChanged after the
// layer's own handling; mouse enter and leave raise the layer's
// OnMouseEnter and OnMouseLeave.
//
// TVrCustomImageControl: paints through an off-screen bitmap of the
// control's size. Descendants draw on BitmapCanvas in Paint and then call
// this class's Paint, which copies the bitmap to the control in one step.
// The pack's image controls are buttons: they override the layer's Click
// with nothing and raise OnClick themselves (RaiseClick), also for the
// caption's accelerator key, and follow the focus to paint its outline.

#include "platform/forms/WinControl.h"
#include "platform/gfx/Bitmap.h"

#include <memory>
#include <string>

// The screen cursor number of the hand pointer the pack registers.
constexpr TCursor crVrHandPoint = 99;

namespace korvan::panels {
// Registers the hand pointer as crVrHandPoint (once; the controls' first
// construction does it too).
void RegisterVrCursors();
} // namespace korvan::panels

class TVrCustomControl : public TCustomControl {
    KORVAN_CLASS(TVrCustomControl)
public:
    explicit TVrCustomControl(TComponent* owner);

    const std::string& Version() const { return version_; }

    void BeginUpdate() { ++updateCount_; }
    // Closes one bracket, then ControlChanged. An unbalanced call leaves the
    // counter at 0, so repaints never stop for good.
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

    // The stored state changed: repaint now unless loading or updating.
    virtual void ControlChanged();

protected:
    void FontChanged() override;
    void TextChanged() override;

private:
    std::string version_ = "1.4.5";
    int updateCount_ = 0;
};

class TVrCustomImageControl : public TVrCustomControl {
    KORVAN_CLASS(TVrCustomImageControl)
public:
    explicit TVrCustomImageControl(TComponent* owner);
    ~TVrCustomImageControl() override;

    // Sizes the off-screen bitmap to the control and fills it with Color.
    virtual void ClearBitmap();
    TCanvas& BitmapCanvas() { return bitmapImage_->Canvas(); }
    const TBitmap& BitmapImage() const { return *bitmapImage_; }

    bool IsFocused() const { return focused_; }

    // The layer's own click notices raise nothing.
    void Click() override {}
    void WndProc(TMessage& message) override;

protected:
    // Copies the off-screen bitmap to the control.
    void Paint() override;
    // OnClick, through the layer's Click.
    void RaiseClick() { TVrCustomControl::Click(); }
    // The focus came or went: repaints.
    virtual void FocusChanged() { ControlChanged(); }

private:
    std::unique_ptr<TBitmap> bitmapImage_;
    bool focused_ = false;
};
