#pragma once
// TiComponent: the base of every windowed control of the plot pack.
//
// Repaints go through one protocol: a change calls InvalidateChange (or
// BackGroundChange when the background must be drawn again). Inside
// BeginUpdate/EndUpdate the repaint waits for EndUpdate (a flag, not a
// counter); with AutoFrameRate on, repaints are limited to UpdateFrameRate
// per second and one held back is painted by the pack's update timer
// (TiUpdateObject) once due. A rate of 0 paints at once.
//
// Every paint composes the whole picture in a fresh off-screen bitmap
// through iPaintTo; an exception raised there is drawn as white text on
// black inside the control and goes no further. Keyboard, mouse and focus
// input reaches the control's own hooks (iKeyDown, iMouseDown, ...) once
// each, with the real shift state; exceptions from key hooks are swallowed.

#include "controls/plot/core/ImageExport.h"
#include "controls/plot/core/PlotTypes.h"
#include "controls/plot/core/PropertyFiles.h"
#include "controls/plot/core/UpdateObject.h"
#include "platform/forms/TypeInfo.h"
#include "platform/forms/WinControl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TBitmap;

class TiComponent : public TCustomControl,
                    public IiUpdateControl,
                    public korvan::plot::IUpdateBlock,
                    public korvan::plot::IImageSource {
    KORVAN_CLASS(TiComponent)
public:
    explicit TiComponent(TComponent* owner);
    ~TiComponent() override;

    // --- repaint protocol ---
    void BeginUpdate() override;
    void EndUpdate() override;
    bool UpdateActive() const { return updateActive_; }
    // The request that follows every change.
    void InvalidateChange();
    // The same, with the background drawn again.
    void BackGroundChange();
    // Invalidates the window now, whatever the frame rate.
    void InvalidateNow();
    void RepaintNow() override;
    // Paints a pending change unless the frame rate holds it back.
    void RepaintIfDue();
    virtual void RepaintAll();
    bool NeedsRepaint() const { return needsRepaint_; }
    korvan::sys::Millis LastUpdate() const { return lastUpdate_; }
    bool AutoFrameRate() const { return autoFrameRate_; }
    void SetAutoFrameRate(bool value);
    int UpdateFrameRate() const { return updateFrameRate_; }
    void SetUpdateFrameRate(int value);

    // IiUpdateControl, for the update timer.
    bool GetUpdateActive() const override { return updateActive_; }
    bool GetNeedsRepaint() const override { return needsRepaint_; }
    int GetUpdateFrameRate() const override { return updateFrameRate_; }
    korvan::sys::Millis GetLastUpdate() const override { return lastUpdate_; }

    // --- appearance ---
    TColor BackGroundColor() const { return backGroundColor_; }
    virtual void SetBackGroundColor(TColor value);
    TiBevelStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TiBevelStyle value);
    bool CachedDrawing() const { return cachedDrawing_; }
    virtual void SetCachedDrawing(bool value);
    bool BackGroundChanged() const { return backGroundChanged_; }
    // The control-sized background bitmap, made when first asked for.
    TBitmap* GetBackGroundBitmap();
    bool HasBackGroundBitmap() const { return backGroundBitmap_ != nullptr; }
    // The bitmap a paint draws into; null outside a paint.
    TBitmap* OffScreenBitmap() const { return offScreenBitmap_.get(); }
    int OffsetX() const { return offsetX_; }
    void SetOffsetX(int value) { SetIntegerValue(value, offsetX_, 0); }
    int OffsetY() const { return offsetY_; }
    void SetOffsetY(int value) { SetIntegerValue(value, offsetY_, 0); }
    virtual TPoint GetCenterPoint() const;
    bool ShowDisabledState() const { return showDisabledState_; }
    void SetShowDisabledState(bool value) { SetBooleanValue(value, showDisabledState_, 0); }
    void SetEnabled(bool enabled) override;

    // --- error display (drawn by descendants that choose to) ---
    bool ErrorActive() const { return errorActive_; }
    void SetErrorActive(bool value) { SetBooleanValue(value, errorActive_, 1); }
    const std::string& ErrorText() const { return errorText_; }
    void SetErrorText(const std::string& value);
    TColor ErrorBackGroundColor() const { return errorBackGroundColor_; }
    void SetErrorBackGroundColor(TColor value) { SetColorValue(value, errorBackGroundColor_, 1); }
    TFont& ErrorFont() { return *errorFont_; }
    TFont* ErrorFontObject() const { return errorFont_.get(); }
    void SetErrorFontObject(TFont* font);

    // --- state ---
    bool HasFocus() const { return hasFocus_; }
    // True while a keyboard, mouse or focus handler runs: the change comes
    // from the user.
    bool UserGenerated() const { return userGenerated_; }
    bool Loading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }
    // Loading flag or the component loading from its form.
    bool IsLoading() const;
    bool ActiveXDesigning() const { return activeXDesigning_; }
    void SetActiveXDesigning(bool value) { activeXDesigning_ = value; }
    bool GetDesigning() const;
    bool OptionSaveAllProperties() const { return optionSaveAllProperties_; }
    void SetOptionSaveAllProperties(bool value) { optionSaveAllProperties_ = value; }
    // The kind of the published property (with a setter) at a dotted path
    // such as "TitleFont.Color", letter case ignored; tkUnknown when none.
    TTypeKind GetPropertyKind(std::string_view path) const;

    // --- control timer and lock (the window layer supplies them) ---
    virtual bool GetTimerActive() const = 0;
    virtual void TimerStart(int firstDelay, int interval) = 0;
    virtual void TimerStop() = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    // A property changed here: the window layer passes it to bound OPC
    // items. True when some item took it.
    virtual bool OPCPropertyChanged(const std::string& propName, const TiOPCValue& value);

    // --- pictures and files ---
    // The control's picture, painted through iPaintTo at its size.
    int ImageWidth() const override { return Width(); }
    int ImageHeight() const override { return Height(); }
    void PaintImageTo(TCanvas& canvas) override;
    void LockImage() override { Lock(); }
    void UnlockImage() override { Unlock(); }
    // The picture as a bitmap file.
    void SaveImageToBitmap(const std::string& fileName);
    virtual void SavePropertiesToFile(const std::string& fileName);
    // Applies the file inside an update block that also ends when reading
    // fails.
    virtual void LoadPropertiesFromFile(const std::string& fileName);

    TiPaintEvent OnPaint;
    TChangePropertyEvent OnChangeProtected;
    TRequestEditEvent OnRequestEdit;
    TGetDesigningEvent OnGetDesigning;

    // Framework input, forwarded to the hooks below.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    bool WantSpecialKey(std::uint16_t key) const override;

protected:
    // The descendant draws its whole picture.
    virtual void iPaintTo(TCanvas& canvas) = 0;
    virtual void DrawBackGround(TCanvas& canvas, TColor color);
    virtual void DrawBorder(TCanvas& canvas);
    virtual void DoEnterFocus();
    virtual void DoExitFocus();
    virtual void DoWantSpecialKey(std::uint16_t& charCode, bool& result) const;
    virtual void iKeyUp(std::uint16_t& key, TShiftState shift);
    virtual void iKeyDown(std::uint16_t& key, TShiftState shift);
    virtual void iKeyPress(char& key);
    virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void iMouseMove(TShiftState shift, int x, int y);
    virtual void iDoubleClick();
    virtual bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos);

    void Paint() override;
    void PaintOffScreen();

    // Setter helpers: store a changed value, then kind 0 InvalidateChange,
    // kind 1 BackGroundChange, any other kind nothing.
    void SetBooleanValue(bool value, bool& field, int kind);
    void SetIntegerValue(int value, int& field, int kind);
    void SetColorValue(TColor value, TColor& field, int kind);
    void RequestRepaint(int kind);

    // Frees the background bitmap (the window layer resizes it instead).
    void FreeBackGroundBitmap();
    void SetBackGroundChanged(bool value) { backGroundChanged_ = value; }
    void SetUserGenerated(bool value) { userGenerated_ = value; }

private:
    // Runs an input hook with UserGenerated raised.
    template <class F> void AsUser(F&& f);

    bool updateActive_ = false;
    int updateFrameRate_ = 60;
    korvan::sys::Millis lastUpdate_ = 0;
    bool needsRepaint_ = false;
    std::unique_ptr<TBitmap> backGroundBitmap_;
    std::unique_ptr<TBitmap> offScreenBitmap_;
    TColor backGroundColor_ = clBtnFace;
    bool backGroundChanged_ = true;
    TiBevelStyle borderStyle_ = ibsNone;
    int offsetY_ = 0;
    int offsetX_ = 0;
    bool showDisabledState_ = false;
    bool hasFocus_ = false;
    bool autoFrameRate_ = false;
    bool loading_ = false;
    bool activeXDesigning_ = false;
    bool cachedDrawing_ = true;
    bool optionSaveAllProperties_ = false;
    bool userGenerated_ = false;
    bool errorActive_ = false;
    std::string errorText_ = "Error";
    TColor errorBackGroundColor_ = clBlack;
    std::unique_ptr<TFont> errorFont_;
};

// Holds a pack control's repaints for the life of the scope (the update
// block ends when the scope is left by an exception too).
using TiUpdateBlock = korvan::plot::UpdateBlockScope;
