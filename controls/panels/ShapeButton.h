#pragma once
// TRzShapeButton: a windowless button shaped by a bitmap. Pixels of the
// bitmap's transparent colour are neither drawn nor clickable: a press on
// them reaches what lies below. From the source bitmap it builds an up and
// a down image with bevel rings (and a border ring) around the shape, and
// draws its caption centred or at a given point.

#include "controls/panels/ShapeImages.h"
#include "platform/forms/Control.h"

#include <memory>

enum TRzCaptionPosition { cpCentered, cpXY };

class TRzShapeButton : public TGraphicControl {
    KORVAN_CLASS(TRzShapeButton)
public:
    explicit TRzShapeButton(TComponent* owner);
    ~TRzShapeButton() override;

    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    TColor BevelHighlightColor() const { return bevelHighlightColor_; }
    virtual void SetBevelHighlightColor(TColor value);
    TColor BevelShadowColor() const { return bevelShadowColor_; }
    virtual void SetBevelShadowColor(TColor value);
    int BevelWidth() const { return bevelWidth_; }
    virtual void SetBevelWidth(int value);
    TBitmap* Bitmap() const { return &bitmap_; }
    virtual void SetBitmap(TBitmap* value);
    TBitmap* BitmapUp() const { return &bitmapUp_; }
    virtual void SetBitmapUp(TBitmap* value);
    TBitmap* BitmapDown() const { return &bitmapDown_; }
    virtual void SetBitmapDown(TBitmap* value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(TColor value);
    bool PreciseClick() const { return preciseClick_; }
    void SetPreciseClick(bool value) { preciseClick_ = value; }
    bool PreciseShowHint() const { return preciseShowHint_; }
    void SetPreciseShowHint(bool value) { preciseShowHint_ = value; }
    TRzCaptionPosition CaptionPosition() const { return captionPosition_; }
    virtual void SetCaptionPosition(TRzCaptionPosition value);
    int CaptionX() const { return captionX_; }
    virtual void SetCaptionX(int value);
    int CaptionY() const { return captionY_; }
    virtual void SetCaptionY(int value);
    // Stores a changed point and places the caption there.
    void SetCaptionXY(int x, int y);

    TButtonState State() const { return state_; }
    // Inside the shape: no mask, or a black mask pixel; off the mask is out.
    bool PtInMask(int x, int y) const;
    const TBitmap* HitTestMask() const { return hitTestMask_.get(); }

    // The source bitmap's palette.
    HPALETTE GetPalette() const override { return bitmap_.Palette(); }
    bool HitTest(int x, int y) const override;
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Click() override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;
    virtual void DrawCaption(TCanvas& canvas, const std::string& caption, TButtonState state, TRect r);
    virtual TRect GetCaptionRect(TCanvas& canvas, const std::string& caption);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void RebuildImages();
    bool Inside(int x, int y) const;
    void SetState(TButtonState state);

    bool autoSize_ = true;
    int bevelWidth_ = 2;
    TColor bevelHighlightColor_ = clBtnHighlight;
    TColor bevelShadowColor_ = clBtnShadow;
    mutable TBitmap bitmap_, bitmapUp_, bitmapDown_;
    TBorderStyle borderStyle_ = bsSingle;
    TColor borderColor_ = cl3DDkShadow;
    bool dragging_ = false;
    std::unique_ptr<TBitmap> hitTestMask_;
    bool prevCursorSaved_ = false;
    TCursor prevCursor_ = crDefault;
    bool prevShowHintSaved_ = false;
    bool prevShowHint_ = false;
    bool prevParentShowHint_ = false;
    bool preciseClick_ = true;
    bool preciseShowHint_ = true;
    TRzCaptionPosition captionPosition_ = cpCentered;
    int captionX_ = 0;
    int captionY_ = 0;
    TButtonState state_ = bsUp;
};
