// The splash screen component: its properties, showing and hiding, the
// main window's show hook and its timers.

#include "controls/gdip/SplashScreen.h"

#include "platform/forms/Application.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/sys/ProgramVersion.h"

#include <optional>

using korvan::forms::ClassBuilder;

const TClassInfo& TDovOveruvAvovozIrurid::StaticClassInfo() {
    using T = TDovOveruvAvovozIrurid;
    static const TClassInfo info =
        ClassBuilder<T>("TDovOveruvAvovozIrurid", &TComponent::StaticClassInfo())
            .Creator()
            .Property("StayOnTop", &T::StayOnTop, &T::SetStayOnTop)
            .Default(true)
            .Property("Version", &T::Version, &T::SetVersion)
            .Stored(false)
            .Property("AutoShow", &T::AutoShow, &T::SetAutoShow)
            .Default(true)
            .Property("AutoAdaptPictureSize", &T::AutoAdaptPictureSize, &T::SetAutoAdaptPictureSize)
            .Default(true)
            .Property("BasicProgramInfo", &T::BasicProgramInfo, &T::SetBasicProgramInfo)
            .Property("CloseOnMainFormShow", &T::CloseOnMainFormShow, &T::SetCloseOnMainFormShow)
            .Default(true)
            .Property("CloseOnTimeout", &T::CloseOnTimeout, &T::SetCloseOnTimeout)
            .Default(false)
            .Property("Fill", &T::Fill, &T::SetFill)
            .Property("TimeOut", &T::TimeOut, &T::SetTimeOut)
            .Default(1000)
            .Property("ProgressBar", &T::ProgressBar, &T::SetProgressBar)
            .Property("Items", &T::Items, &T::SetItems)
            .Property("PictureGap", &T::PictureGap, &T::SetPictureGap)
            .Default(5)
            .Property("TopLayerItems", &T::TopLayerItems, &T::SetTopLayerItems)
            .Property("ListItems", &T::ListItems, &T::SetListItems)
            .Property("ListItemsSettings", &T::ListItemsSettings, &T::SetListItemsSettings)
            .Property("PictureContainer", &T::PictureContainer, &T::SetPictureContainer)
            .Enum("DisplayStyle", &T::DisplayStyle, &T::SetDisplayStyle, {"dsNormal", "dsFadeInOut"},
                  "TDisplayStyle")
            .Default(dsFadeInOut)
            .Enum("DisplayLocation", &T::DisplayLocation, &T::SetDisplayLocation, {"dlFixedPos", "dlCenter"},
                  "TDisplayLocation")
            .Default(dlCenter)
            .Property("DisplayPosX", &T::DisplayPosX, &T::SetDisplayPosX)
            .Default(0)
            .Property("DisplayPosY", &T::DisplayPosY, &T::SetDisplayPosY)
            .Default(0)
            .Property("Width", &T::Width, &T::SetWidth)
            .Default(600)
            .Property("Height", &T::Height, &T::SetHeight)
            .Default(400)
            .Property("MaxOpacity", &T::MaxOpacity, &T::SetMaxOpacity)
            .Default(255)
            .Enum("TextRendering", &T::TextRendering, &T::SetTextRendering,
                  {"tAntiAlias", "tAntiAliasGridFit", "tClearType"},
                  "TDovOveruvAvovozIruridTextRenderingHint")
            .Default(tClearType)
            .Build();
    return info;
}

TDovOveruvAvovozIrurid::TDovOveruvAvovozIrurid(TComponent* owner)
    : TComponent(owner), programInfo_(std::make_unique<TBasicProgramInfo>()),
      fill_(std::make_unique<TGDIPFill>()), progressBar_(std::make_unique<TGDIPSplashProgress>()),
      items_(std::make_unique<TSplashItems>(this)),
      topLayerItems_(std::make_unique<TAdvSplashTopLayerItems>(this)),
      listItems_(std::make_unique<TSplashListItems>(this)),
      listSettings_(std::make_unique<TSplashListItemsSettings>()),
      closeTimer_(std::make_unique<TTimer>(nullptr)), focusTimer_(std::make_unique<TTimer>(nullptr)) {
    programInfo_->OnChange = [this](TObject*) {
        if (!(ComponentState() & (csLoading | csDesigning)))
            Refresh();
    };
    items_->OnChange = [this](TObject*) { Refresh(); };
    items_->OnItemRefresh = [this](TObject*) { Invalidate(); };
    listItems_->OnChange = [this](TObject*) { Refresh(); };
    topLayerItems_->OnChange = [this](TObject*) { Invalidate(); };
    progressBar_->OnChange = [this](TObject*) { ProgressBarChanged(); };
    closeTimer_->SetEnabled(false);
    closeTimer_->SetInterval(unsigned(timeOut_));
    closeTimer_->SetOnTimer([this](TObject*) {
        const bool was = showing_;
        Hide();
        if (focusParentForm_ && mainForm_ && was)
            focusTimer_->SetEnabled(true);
    });
    focusTimer_->SetEnabled(false);
    focusTimer_->SetInterval(20);
    focusTimer_->SetOnTimer([this](TObject*) { FocusTimerTick(*focusTimer_, mainForm_); });
}

TDovOveruvAvovozIrurid::~TDovOveruvAvovozIrurid() {
    // The window must not outlive the component it draws.
    if (showing_) {
        const TDisplayStyle style = displayStyle_;
        displayStyle_ = dsNormal;
        Hide();
        displayStyle_ = style;
    }
    fadingWindow_.reset();
    Unhook();
    closeTimer_.reset();
    focusTimer_.reset();
    focusFormTimer_.reset();
    programInfo_->OnChange = nullptr;
    items_->OnChange = nullptr;
    items_->OnItemRefresh = nullptr;
    listItems_->OnChange = nullptr;
    topLayerItems_->OnChange = nullptr;
    progressBar_->OnChange = nullptr;
}

void TDovOveruvAvovozIrurid::Loaded() {
    TComponent::Loaded();
    const bool designing = ComponentState() & csDesigning;
    if (programInfo_->AutoLoad() && !designing)
        LoadProgramInfo();
    if (autoShow_ && !designing)
        Show();
}

void TDovOveruvAvovozIrurid::LoadProgramInfo() {
    const std::optional<korvan::sys::ProgramVersion> version = korvan::sys::RunningProgramVersion();
    if (!version)
        return; // no version data: every text stays as it is
    // A value the program does not give empties its text.
    programInfo_->SetCopyRight(version->LegalCopyright);
    programInfo_->ProgramName()->SetText(version->ProductName);
    programInfo_->ProgramVersion()->SetText(version->FileVersion);
}

void TDovOveruvAvovozIrurid::SetPictureContainer(TGDIPPictureContainer* v) {
    pictureContainer_ = v;
    if (v)
        v->FreeNotification(this);
}

void TDovOveruvAvovozIrurid::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == pictureContainer_ && !(ComponentState() & csDestroying))
        pictureContainer_ = nullptr;
    // A form that goes is neither hooked, nor shown, nor focused any more.
    if (component == hooked_) {
        hooked_ = nullptr;
        oldMainFormShow_ = nullptr;
    }
    if (component == mainForm_)
        mainForm_ = nullptr;
    if (component == newFocusForm_)
        newFocusForm_ = nullptr;
}

void TDovOveruvAvovozIrurid::Release(TCustomForm* form) {
    if (form && form != mainForm_ && form != hooked_ && form != newFocusForm_)
        form->RemoveFreeNotification(this);
}

void TDovOveruvAvovozIrurid::SetStayOnTop(bool v) {
    if (v == stayOnTop_)
        return;
    stayOnTop_ = v;
    Invalidate();
}

void TDovOveruvAvovozIrurid::SetTextRendering(TDovOveruvAvovozIruridTextRenderingHint v) {
    if (v == textRendering_)
        return;
    textRendering_ = v;
    Invalidate();
}

void TDovOveruvAvovozIrurid::Invalidate() {
    if (showing_ && window_)
        window_->Invalidate();
}

void TDovOveruvAvovozIrurid::Refresh() {
    if (showing_ && window_)
        window_->Refresh();
}

void TDovOveruvAvovozIrurid::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TDovOveruvAvovozIrurid::ProgressBarChanged() {
    if ((ComponentState() & csDesigning) || !showing_ || !window_ || !window_->ProgressBar())
        return;
    window_->ProgressBarChanged();
}

void TDovOveruvAvovozIrurid::Unhook() {
    if (hooked_) {
        TCustomForm* form = hooked_;
        form->OnShow = std::move(oldMainFormShow_);
        oldMainFormShow_ = nullptr;
        hooked_ = nullptr;
        Release(form);
    }
}

void TDovOveruvAvovozIrurid::SetMainForm(TCustomForm* form) {
    if (closeOnMainFormShow_)
        Unhook();
    TCustomForm* old = mainForm_;
    mainForm_ = form;
    Release(old);
    if (form)
        form->FreeNotification(this);
    if (closeOnMainFormShow_ && form) {
        oldMainFormShow_ = form->OnShow;
        form->OnShow = [this](TObject* sender) { MainFormShow(sender); };
        hooked_ = form;
    }
}

void TDovOveruvAvovozIrurid::MainFormShow(TObject* sender) {
    const TNotifyEvent old = oldMainFormShow_;
    Hide();
    if (old)
        old(sender);
    if (focusParentForm_ && mainForm_)
        focusTimer_->SetEnabled(true);
}

void TDovOveruvAvovozIrurid::SetFocusToForm(TCustomForm* form) {
    if (!focusFormTimer_) {
        focusFormTimer_ = std::make_unique<TTimer>(nullptr);
        focusFormTimer_->SetEnabled(false);
        focusFormTimer_->SetInterval(20);
        focusFormTimer_->SetOnTimer([this](TObject*) { FocusTimerTick(*focusFormTimer_, newFocusForm_); });
    }
    TCustomForm* old = newFocusForm_;
    newFocusForm_ = form;
    Release(old);
    if (form)
        form->FreeNotification(this);
    focusFormTimer_->SetEnabled(true);
}

void TDovOveruvAvovozIrurid::FocusTimerTick(TTimer& timer, TCustomForm* form) {
    timer.SetEnabled(false);
    if (!form)
        return;
    // Where a click at the form's client origin would have activated it,
    // the form is activated and focused directly; the mouse stays put.
    form->BringToFront();
    if (form->CanFocus())
        form->SetFocus();
}

void TDovOveruvAvovozIrurid::Show() {
    if (showing_)
        return;
    if (OnBeforeShow)
        OnBeforeShow(this);
    TCustomForm* main = dynamic_cast<TCustomForm*>(Owner());
    if (auto* appMain = dynamic_cast<TCustomForm*>(Application->MainForm()))
        main = appMain;
    if (main) {
        if (closeOnMainFormShow_) {
            SetMainForm(main);
        } else {
            TCustomForm* old = mainForm_;
            mainForm_ = main;
            Release(old);
            main->FreeNotification(this);
        }
    }
    CreateSplashWindow();
}

void TDovOveruvAvovozIrurid::Hide() {
    if (!showing_)
        return;
    closeTimer_->SetEnabled(false);
    showing_ = false;
    Unhook();
    if (displayStyle_ == dsFadeInOut && window_ && window_->Visible()) {
        // Fades down to 10 on the timer, then the window goes.
        fadingWindow_ = std::move(window_);
        fadingWindow_->FadeOutWindow(20, 5, 10, [this] {
            if (fadingWindow_)
                fadingWindow_->Hide();
        });
    }
    window_.reset();
    if (OnClose)
        OnClose(this);
}

void TDovOveruvAvovozIrurid::FadeIn(int step, unsigned wait, std::uint8_t max) {
    if (!window_ || !window_->Visible())
        return;
    if (window_->Layered())
        window_->FadeInLayered(step, 3 * wait, max);
    else
        window_->FadeInAlphaBlend(step, 3 * wait, max);
}

void TDovOveruvAvovozIrurid::FadeOut(int step, unsigned wait, std::uint8_t min) {
    if (window_ && window_->Visible())
        window_->FadeOutWindow(step, wait, min);
}

void TDovOveruvAvovozIrurid::CreateSplashWindow() {
    const bool translucent = fill_->Opacity() < 255 || fill_->OpacityTo() < 255;
    fadingWindow_.reset(); // a window still fading out goes now
    window_ = std::make_unique<TSplashScreenWindow>(this);
    TSplashScreenWindow& w = *window_;
    w.PrepareWindow(stayOnTop_);
    int width = width_, height = height_;
    if (autoAdaptPictureSize_ && !fill_->Picture()->Empty()) {
        const int bw = fill_->BorderWidth();
        const int h = bw == 1 ? 1 : (bw + 1) / 2;
        fill_->Picture()->GetImageSizes();
        width = fill_->Picture()->Width() + 2 * h;
        height = fill_->Picture()->Height() + 2 * h;
    }
    w.SetClientWidth(width);
    w.SetClientHeight(height);
    if (displayLocation_ == dlCenter) {
        w.SetPosition(poScreenCenter);
    } else {
        w.SetLeft(displayPosX_);
        w.SetTop(displayPosY_);
    }
    w.ProgressBar()->SetAppearance(progressBar_.get());
    w.ProgressBar()->OnPositionChanged = [this](TObject*, double value) {
        if (OnProgressPositionChanged)
            OnProgressPositionChanged(this, value);
    };
    const bool fade = displayStyle_ == dsFadeInOut;
    if (fade && translucent) {
        w.SetOpacity(5);
    } else if (fade) {
        w.SetAlphaBlendValue(5);
        w.SetAlphaBlend(true);
    } else {
        w.SetOpacity(255);
    }
    // A layered window is layered before it first shows, so it never
    // shows as a plain white window.
    if (translucent)
        w.SetLayered();
    w.ShowWindow();
    showing_ = true;
    w.SetRegion();
    if (translucent) {
        w.Refresh();
        if (fade)
            w.FadeInLayered(20, 5, 255);
    } else {
        w.Repaint();
        if (fade)
            w.FadeInAlphaBlend(5, 5, maxOpacity_, [this, &w] { w.SetAlphaBlendValue(maxOpacity_); });
        else
            w.SetAlphaBlendValue(maxOpacity_);
    }
    closeTimer_->SetInterval(unsigned(std::max(timeOut_, 0)));
    closeTimer_->SetEnabled(closeOnTimeout_);
}

void TDovOveruvAvovozIrurid::SetComponentStyle(TTMSStyle style) {
    struct Preset {
        TColor color, colorTo, mirror, mirrorTo, border;
        bool mirrorType;
    };
    constexpr TColor N = clNone;
    static const Preset kPresets[] = {
        {0xFDEADA, 0xE4AE88, N, N, 0xDFD2C5, false},
        {0xF7F3F3, 0xE6D8D8, N, N, 0x927476, false},
        {0xCFF0EA, 0x8CC0B1, N, N, 0x6B7760, false},
        {0xFFFFFF, 0xC9D1D5, N, N, 0x808080, false},
        {0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, true},
        {0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, true},
        {clBtnFace, clBtnFace, N, N, 0x000000, false},
        {0xFFFFFF, 0xD9E9EC, N, N, 0x828F92, false},
        {N, N, N, N, N, false}, // tsCustom
        {0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, true},
        {0xFDF8F1, 0xFCEFD5, N, N, 0xFDDE99, false},
        {0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D, false},
        {clBtnFace, clBtnFace, N, N, 0x808080, false},
        {0xFDF6EF, 0xF0DAC7, N, N, 0xC7B29F, false},
        {0xFFFFFF, 0xEDE5E0, N, N, 0xD2CDC8, false},
        {0xBFBFBF, 0x919191, N, N, 0x6D6D6D, false},
    };
    if (style == tsCustom || int(style) < 0 || int(style) >= int(std::size(kPresets)))
        return;
    const Preset& p = kPresets[style];
    fill_->SetGradientType(gtVertical);
    fill_->SetColor(p.color);
    fill_->SetColorTo(p.colorTo);
    fill_->SetColorMirror(p.mirror);
    fill_->SetColorMirrorTo(p.mirrorTo);
    fill_->SetBorderColor(p.border);
    if (p.mirrorType)
        fill_->SetGradientMirrorType(gtVertical);
}
