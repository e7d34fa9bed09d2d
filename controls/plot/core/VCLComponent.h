#pragma once
// TiVCLComponent: the window layer under every pack control. It supplies
// the paint lock, one control timer with a separate first delay, a
// transparent mode that shows a captured copy of what lies beneath, painting
// into another canvas (printing, previews), binding of published properties
// to OPC items, and keeps exceptions of its input and messages from leaving
// the event loop. TiCustomComponent adds nothing.

#include "controls/plot/core/ColorSchemes.h"
#include "controls/plot/core/Component.h"
#include "controls/plot/core/OPCItemBinding.h"
#include "platform/sys/RecursiveLock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvan::sys {
class Timer;
}

class TJPEGImage;

class TiVCLComponent : public TiComponent {
    KORVAN_CLASS(TiVCLComponent)
public:
    explicit TiVCLComponent(TComponent* owner);
    ~TiVCLComponent() override;

    // --- lock: held around every paint and image export ---
    void Lock() override;
    void Unlock() override;

    // --- control timer ---
    bool GetTimerActive() const override { return timerID_ != 0; }
    // Both in ms. Nothing while the timer runs. A first delay of 0 ticks at
    // `interval` from the start; both 0 start nothing.
    void TimerStart(int firstDelay, int interval) override;
    void TimerStop() override;
    TNotifyEvent OnInternalTimer;

    // --- transparency ---
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    // The background beneath must be captured again.
    void RequestTransparentCapture();
    bool TransparentCapturePending() const { return needsTransparentCapture_; }

    void SetBounds(int left, int top, int width, int height) override;
    void RepaintAll() override;

    // Paints the control's picture onto `canvas` at (x, y), clipped to the
    // control's size. With `transparent` the background is not drawn, so
    // what the canvas holds there stays.
    void iPaintToCanvas(TCanvas& canvas, int x, int y, bool transparent);

    // --- pictures (see ImageExport.h for the formats and their checks) ---
    void SaveImageToMetaFile(const std::string& fileName);
    void SaveImageToJPEG(const std::string& fileName, int compression, bool progressive);
    void SaveImageToPNG(const std::string& fileName, int compression);
    // Painted under the control's lock.
    std::vector<std::uint8_t> GetBytesJPEG(int compression, bool progressive);
    std::vector<std::uint8_t> GetBytesPNG(int compression);
    // The caller owns the picture (the plot's clipboard copy).
    std::unique_ptr<TJPEGImage> GetJPEGImage(int compression, bool progressive);

    // --- colour schemes (see ColorSchemes.h) ---
    // Reads the class's scheme files from the theme folders the settings
    // store names; without folders or files there are no schemes.
    void LoadThemes();
    const korvan::plot::TiColorSchemes& Themes() const { return themes_; }
    int GetThemeCategoryCount() const { return themes_.GetThemeCategoryCount(); }
    std::string GetThemeCategoryName(int categoryIndex) const {
        return themes_.GetThemeCategoryName(categoryIndex);
    }
    int GetThemeCategorySchemeCount(int categoryIndex) const {
        return themes_.GetThemeCategorySchemeCount(categoryIndex);
    }
    std::string GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const {
        return themes_.GetThemeCategorySchemeName(categoryIndex, schemeIndex);
    }
    bool GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const {
        return themes_.GetThemeCategorySchemeIsUser(categoryIndex, schemeIndex);
    }
    // Sets the scheme's values on this control's published properties.
    void ApplyScheme(int categoryIndex, int schemeIndex);

    // --- OPC binding ---
    IiOPCItemList* OPCItems() const { return opcItems_.get(); }
    // The item list's operations; without a binding a control counts no
    // items and the others raise an Exception.
    int OPCAddItem();
    int OPCItemCount() const;
    void OPCRemoveAllItems();
    void OPCDeleteItem(int index);
    // The item at `index`.
    IiOPCItem& OPCItem(int index);
    bool OPCPropertyChanged(const std::string& propName, const TiOPCValue& value) override;
    // An item of the list received a value: applies it to the property it
    // names.
    void DoOPCNewData(int index);
    bool OPCIncomingActive() const { return opcIncomingActive_; }
    TIndexObjectEvent OnNewOPCData;
    TBeforeOPCNewDataEvent OnBeforeNewOPCData;
    void DefineProperties(TFiler& filer) override;

    // --- input and messages ---
    unsigned GetDlgCode() const override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

protected:
    void DrawBackGround(TCanvas& canvas, TColor color) override;
    // A descendant that applied an incoming value itself returns true.
    virtual bool OPCPropertyUpdate(const std::string& propName, TiOPCValue& data);

private:
    void TimerTick();
    void CaptureParentBackground();

    korvan::sys::RecursiveLock dataLock_;
    std::unique_ptr<korvan::sys::Timer> timer_;
    int timerID_ = 0;
    bool timerFirstMessage_ = false;
    int timerInterval_ = 0;
    bool paintDCTransparent_ = false;
    bool transparent_ = false;
    std::unique_ptr<TBitmap> transparentBitmap_;
    bool needsTransparentCapture_ = false;
    std::unique_ptr<IiOPCItemList> opcItems_;
    bool opcIncomingActive_ = false;
    korvan::plot::TiColorSchemes themes_;
};

class TiCustomComponent : public TiVCLComponent {
    KORVAN_CLASS(TiCustomComponent)
public:
    using TiVCLComponent::TiVCLComponent;
};
