#pragma once
// TRzButtonBitmaps: the state faces of a bitmap button (up, up and
// focused, disabled, pressed, held down, hot) and the colour of those
// bitmaps that is not drawn. Any change, also a bitmap edited in place,
// raises OnChange.

#include "platform/forms/Persistent.h"
#include "platform/gfx/Bitmap.h"

class TRzButtonBitmaps : public TPersistent {
    KORVAN_CLASS(TRzButtonBitmaps)
public:
    TRzButtonBitmaps();
    ~TRzButtonBitmaps() override = default;
    TRzButtonBitmaps(const TRzButtonBitmaps&) = delete;
    TRzButtonBitmaps& operator=(const TRzButtonBitmaps&) = delete;

    TBitmap* Up() const { return &up_; }
    TBitmap* UpAndFocused() const { return &upAndFocused_; }
    TBitmap* Disabled() const { return &disabled_; }
    TBitmap* Down() const { return &down_; }
    TBitmap* StayDown() const { return &stayDown_; }
    TBitmap* Hot() const { return &hot_; }
    TColor TransparentColor() const { return transparentColor_; }

    // Each copies the given picture into the held bitmap, which stays.
    virtual void SetUp(TBitmap* value) { Copy(up_, value); }
    virtual void SetUpAndFocused(TBitmap* value) { Copy(upAndFocused_, value); }
    virtual void SetDisabled(TBitmap* value) { Copy(disabled_, value); }
    virtual void SetDown(TBitmap* value) { Copy(down_, value); }
    virtual void SetStayDown(TBitmap* value) { Copy(stayDown_, value); }
    virtual void SetHot(TBitmap* value) { Copy(hot_, value); }
    virtual void SetTransparentColor(TColor value);

    void Assign(TPersistent* source) override;
    // "Up.Data" ... "Hot.Data": a 32-bit little-endian length, then the
    // bitmap's file bytes.
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

protected:
    void NotifyChange();

private:
    void Copy(TBitmap& held, const TBitmap* value);
    mutable TBitmap up_, upAndFocused_, disabled_, down_, stayDown_, hot_;
    TColor transparentColor_ = clOlive;
};
