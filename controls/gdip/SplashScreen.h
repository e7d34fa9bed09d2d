#pragma once
// TDovOveruvAvovozIrurid: the splash screen component. It holds what a
// splash screen shows (fill and picture, program name, version and
// copyright, free items, a list of HTML lines, a progress bar) and, when
// shown, opens a borderless top-most window that takes no activation and
// draws all of it (TSplashScreenWindow). It shows itself when its form has
// been loaded and closes when the main window shows, when its close timer
// expires, or on Hide.
//
// Fades step on a timer of the GUI thread (never by sleeping); a layered
// window is made layered before it first shows, so it never flashes
// white. Destroying the component while its window shows hides the window
// first. The focus "click" on a form (FocusParentForm after closing, and
// SetFocusToForm) activates that form of ours and gives it the focus: no
// mouse input is synthesised.

#include "controls/gdip/ComponentStyle.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "controls/gdip/SplashParts.h"
#include "controls/gdip/SplashProgress.h"
#include "controls/gdip/SplashTopLayer.h"
#include "controls/gdip/SplashWindow.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/gfx/ImageList.h"

#include <functional>
#include <memory>

enum TDisplayStyle { dsNormal, dsFadeInOut };
enum TDisplayLocation { dlFixedPos, dlCenter };
enum TDovOveruvAvovozIruridTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

class TDovOveruvAvovozIrurid : public TComponent, public ITMSStyle {
    KORVAN_CLASS(TDovOveruvAvovozIrurid)
public:
    explicit TDovOveruvAvovozIrurid(TComponent* owner);
    ~TDovOveruvAvovozIrurid() override;

    void Loaded() override;
    void Show();
    void Show(int, int) { Show(); }
    void Hide();
    void Refresh();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void FadeIn(int step, unsigned wait, std::uint8_t max);
    void FadeOut(int step, unsigned wait, std::uint8_t min);
    void SetComponentStyle(TTMSStyle style) override;
    // The pack's theme interface: the splash screen keeps no theme.
    std::string GetThemeID() const { return "TDovOveruvAvovozIrurid"; }
    void LoadFromTheme(const std::string& fileName) { (void)fileName; }
    void SaveToTheme(const std::string& fileName) { (void)fileName; }
    // Activates `form` and gives it the focus 20 ms from now.
    void SetFocusToForm(TCustomForm* form);
    // Program name, version and copyright from the running program's
    // version data; nothing changes when it carries none.
    void LoadProgramInfo();

    bool Showing() const { return showing_; }
    TSplashScreenWindow* SplashWindow() const { return window_.get(); }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form);
    bool FocusParentForm() const { return focusParentForm_; }
    void SetFocusParentForm(bool v) { focusParentForm_ = v; }

    // ---- published
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool v);
    std::string Version() const { return "1.2.0.0"; }
    void SetVersion(const std::string&) {}
    bool AutoShow() const { return autoShow_; }
    void SetAutoShow(bool v) { autoShow_ = v; }
    bool AutoAdaptPictureSize() const { return autoAdaptPictureSize_; }
    void SetAutoAdaptPictureSize(bool v) { autoAdaptPictureSize_ = v; }
    TBasicProgramInfo* BasicProgramInfo() const { return programInfo_.get(); }
    void SetBasicProgramInfo(TBasicProgramInfo* v) { programInfo_->Assign(v); }
    bool CloseOnMainFormShow() const { return closeOnMainFormShow_; }
    void SetCloseOnMainFormShow(bool v) { closeOnMainFormShow_ = v; }
    bool CloseOnTimeout() const { return closeOnTimeout_; }
    void SetCloseOnTimeout(bool v) { closeOnTimeout_ = v; }
    TGDIPFill* Fill() const { return fill_.get(); }
    void SetFill(TGDIPFill* v) { fill_->Assign(v); }
    int TimeOut() const { return timeOut_; }
    void SetTimeOut(int v) { timeOut_ = v; }
    TGDIPSplashProgress* ProgressBar() const { return progressBar_.get(); }
    void SetProgressBar(TGDIPSplashProgress* v) { progressBar_->Assign(v); }
    TSplashItems* Items() const { return items_.get(); }
    void SetItems(TSplashItems* v) { items_->Assign(v); }
    int PictureGap() const { return pictureGap_; }
    void SetPictureGap(int v) { pictureGap_ = v; }
    TAdvSplashTopLayerItems* TopLayerItems() const { return topLayerItems_.get(); }
    void SetTopLayerItems(TAdvSplashTopLayerItems* v) { topLayerItems_->Assign(v); }
    TSplashListItems* ListItems() const { return listItems_.get(); }
    void SetListItems(TSplashListItems* v) { listItems_->Assign(v); }
    TSplashListItemsSettings* ListItemsSettings() const { return listSettings_.get(); }
    void SetListItemsSettings(TSplashListItemsSettings* v) { listSettings_->Assign(v); }
    TGDIPPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TGDIPPictureContainer* v);
    TDisplayStyle DisplayStyle() const { return displayStyle_; }
    void SetDisplayStyle(TDisplayStyle v) { displayStyle_ = v; }
    TDisplayLocation DisplayLocation() const { return displayLocation_; }
    void SetDisplayLocation(TDisplayLocation v) { displayLocation_ = v; }
    int DisplayPosX() const { return displayPosX_; }
    void SetDisplayPosX(int v) { displayPosX_ = v; }
    int DisplayPosY() const { return displayPosY_; }
    void SetDisplayPosY(int v) { displayPosY_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    std::uint8_t MaxOpacity() const { return maxOpacity_; }
    void SetMaxOpacity(std::uint8_t v) { maxOpacity_ = v; }
    // Images of Items (ImageIndex) and of the HTML texts; not owned.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v) { images_ = v; }
    TDovOveruvAvovozIruridTextRenderingHint TextRendering() const { return textRendering_; }
    void SetTextRendering(TDovOveruvAvovozIruridTextRenderingHint v);

    std::function<void(TObject* sender, double value)> OnProgressPositionChanged;
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeShow;
    TNotifyEvent OnClose;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TSplashScreenWindow;
    void CreateSplashWindow();
    void MainFormShow(TObject* sender);
    void Unhook();
    // The focus "click" of `timer` on `form`.
    void FocusTimerTick(TTimer& timer, TCustomForm* form);
    // Stops watching `form` for its end unless it is still referred to.
    void Release(TCustomForm* form);
    void Invalidate();
    void ProgressBarChanged();

    bool stayOnTop_ = true, autoShow_ = true, autoAdaptPictureSize_ = true;
    std::unique_ptr<TBasicProgramInfo> programInfo_;
    bool closeOnMainFormShow_ = true, closeOnTimeout_ = false;
    std::unique_ptr<TGDIPFill> fill_;
    int timeOut_ = 1000;
    std::unique_ptr<TGDIPSplashProgress> progressBar_;
    std::unique_ptr<TSplashItems> items_;
    int pictureGap_ = 5;
    std::unique_ptr<TAdvSplashTopLayerItems> topLayerItems_;
    std::unique_ptr<TSplashListItems> listItems_;
    std::unique_ptr<TSplashListItemsSettings> listSettings_;
    TGDIPPictureContainer* pictureContainer_ = nullptr;
    TImageList* images_ = nullptr;
    TDisplayStyle displayStyle_ = dsFadeInOut;
    TDisplayLocation displayLocation_ = dlCenter;
    int displayPosX_ = 0, displayPosY_ = 0;
    int width_ = 600, height_ = 400;
    std::uint8_t maxOpacity_ = 255;
    TDovOveruvAvovozIruridTextRenderingHint textRendering_ = tClearType;

    bool showing_ = false;
    bool focusParentForm_ = false;
    int updateCount_ = 0;
    TCustomForm* mainForm_ = nullptr;
    TCustomForm* hooked_ = nullptr; // the form whose show handler is ours
    TNotifyEvent oldMainFormShow_;
    std::unique_ptr<TSplashScreenWindow> window_;
    std::unique_ptr<TSplashScreenWindow> fadingWindow_; // fading out after Hide
    std::unique_ptr<TTimer> closeTimer_, focusTimer_;
    std::unique_ptr<TTimer> focusFormTimer_; // made by the first SetFocusToForm
    TCustomForm* newFocusForm_ = nullptr;
};
