#pragma once
// TDovOveruvAvovozIrurid: the splash screen component. It holds what a
// splash screen shows (fill and picture, program name, version and
// copyright, free items, a list of HTML lines, a progress bar) and, when
// shown, opens a borderless top-most window that takes no activation and
// draws all of it (TSplashScreenWindow). It shows itself when its form has
// been loaded and closes when the main window shows, when its close timer
// expires, or on Hide.
//
// Fades run on a 5 ms timer of the GUI thread (never by sleeping); the
// window's opacity is set before it first shows, so it never flashes
// opaque. Destroying the component while its window shows hides the
// window first. With FocusParentForm the main window is activated and
// given the focus once the splash screen has closed.

#include "controls/gdip/ComponentStyle.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "controls/gdip/SplashParts.h"
#include "controls/gdip/SplashProgress.h"
#include "controls/gdip/SplashTopLayer.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"

#include <functional>
#include <memory>

enum TDisplayStyle { dsNormal, dsFadeInOut };
enum TDisplayLocation { dlFixedPos, dlCenter };
enum TDovOveruvAvovozIruridTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

class TDovOveruvAvovozIrurid;

// The window a splash screen opens on Show and frees on Hide.
class TSplashScreenWindow : public TForm {
    KORVAN_CLASS(TSplashScreenWindow)
public:
    explicit TSplashScreenWindow(TDovOveruvAvovozIrurid* splash);
    ~TSplashScreenWindow() override;

    // Draws everything the component holds.
    void Render(Gdiplus::Graphics& g);
    // Constant alpha of the whole window.
    std::uint8_t Opacity() const { return opacity_; }
    void SetOpacity(std::uint8_t value);
    // Moves the opacity toward `target` by `step` every `wait` ms on the
    // timer, then runs `done` (if any).
    void Fade(int step, unsigned wait, std::uint8_t target, std::function<void()> done = nullptr);
    bool Fading() const { return fadeTimer_->Enabled(); }
    TAdvSplashProgressBar* ProgressBar() const { return progressBar_; }
    // The rectangles inside the fill's border, and of the headings.
    TRect InnerRect() const;
    TRect HeadingRect() const;
    void Click() override;
    // Frameless, top-most when asked, never activated.
    void PrepareWindow(bool stayOnTop);
    // Shows the window without activating it.
    void ShowWindow();

protected:
    void Paint() override;

private:
    void FadeTick();
    void DrawHeadings(Gdiplus::Graphics& g);
    void DrawListItems(Gdiplus::Graphics& g);
    void DrawTopLayerItems(Gdiplus::Graphics& g);
    void DrawItems(Gdiplus::Graphics& g);

    TDovOveruvAvovozIrurid* splash_;
    TAdvSplashProgressBar* progressBar_; // a child, owned by the window
    std::uint8_t opacity_ = 255;
    std::unique_ptr<TTimer> fadeTimer_;
    int fadeStep_ = 0;
    std::uint8_t fadeTarget_ = 255;
    std::function<void()> fadeDone_;
};

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
    void FocusMainForm();
    void Invalidate();

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
};
