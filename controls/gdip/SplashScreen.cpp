// The splash screen component: its properties, showing and hiding, the
// main window's show hook and its timers.

#include "controls/gdip/SplashScreen.h"

#include "platform/forms/Application.h"
#include "platform/forms/GraphicsProperties.h"

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
        if (!(ComponentState() & csLoading))
            Refresh();
    };
    items_->OnChange = [this](TObject*) { Refresh(); };
    listItems_->OnChange = [this](TObject*) { Refresh(); };
    topLayerItems_->OnChange = [this](TObject*) {
        if (showing_)
            Invalidate();
    };
    progressBar_->OnChange = [this](TObject*) {
        if (window_ && window_->ProgressBar()) {
            window_->ProgressBar()->SetAppearance(progressBar_.get());
            Refresh();
        }
    };
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
    focusTimer_->SetOnTimer([this](TObject*) {
        focusTimer_->SetEnabled(false);
        FocusMainForm();
    });
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
    programInfo_->OnChange = nullptr;
    items_->OnChange = nullptr;
    listItems_->OnChange = nullptr;
    topLayerItems_->OnChange = nullptr;
    progressBar_->OnChange = nullptr;
}

void TDovOveruvAvovozIrurid::Loaded() {
    TComponent::Loaded();
    // This program carries no version resource: the texts stay as stored.
    if (autoShow_ && !(ComponentState() & csDesigning))
        Show();
}

void TDovOveruvAvovozIrurid::SetPictureContainer(TGDIPPictureContainer* v) {
    pictureContainer_ = v;
    if (v)
        v->FreeNotification(this);
}

void TDovOveruvAvovozIrurid::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == pictureContainer_ && !(ComponentState() & csDestroying))
        pictureContainer_ = nullptr;
    if (operation == opRemove && component == mainForm_) {
        hooked_ = nullptr;
        mainForm_ = nullptr;
    }
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
    if (window_)
        window_->Invalidate();
}

void TDovOveruvAvovozIrurid::Refresh() {
    if (showing_ && window_)
        window_->Repaint();
}

void TDovOveruvAvovozIrurid::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TDovOveruvAvovozIrurid::Unhook() {
    if (hooked_) {
        hooked_->OnShow = std::move(oldMainFormShow_);
        oldMainFormShow_ = nullptr;
        hooked_->RemoveFreeNotification(this);
        hooked_ = nullptr;
    }
}

void TDovOveruvAvovozIrurid::SetMainForm(TCustomForm* form) {
    if (closeOnMainFormShow_)
        Unhook();
    mainForm_ = form;
    if (closeOnMainFormShow_ && form) {
        oldMainFormShow_ = form->OnShow;
        form->OnShow = [this](TObject* sender) { MainFormShow(sender); };
        form->FreeNotification(this);
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

void TDovOveruvAvovozIrurid::FocusMainForm() {
    // Activated and focused: nothing is clicked on the user's behalf.
    if (!mainForm_)
        return;
    mainForm_->BringToFront();
    if (mainForm_->CanFocus())
        mainForm_->SetFocus();
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
            mainForm_ = main;
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
        fadingWindow_->Fade(-20, 5, 10, [this] {
            if (fadingWindow_)
                fadingWindow_->Hide();
        });
    }
    window_.reset();
    if (OnClose)
        OnClose(this);
}

void TDovOveruvAvovozIrurid::FadeIn(int step, unsigned wait, std::uint8_t max) {
    if (window_ && window_->Visible())
        window_->Fade(step, 3 * wait, max);
}

void TDovOveruvAvovozIrurid::FadeOut(int step, unsigned wait, std::uint8_t min) {
    if (window_ && window_->Visible())
        window_->Fade(-step, wait, min);
}

void TDovOveruvAvovozIrurid::CreateSplashWindow() {
    const bool translucent = fill_->Opacity() < 255 || fill_->OpacityTo() < 255;
    fadingWindow_.reset(); // a window still fading out goes now
    window_ = std::make_unique<TSplashScreenWindow>(this);
    TSplashScreenWindow& w = *window_;
    w.PrepareWindow(stayOnTop_);
    w.SetColor(clWhite);
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
    // The alpha is in place before the window first shows.
    const bool fade = displayStyle_ == dsFadeInOut;
    w.SetOpacity(fade ? 5 : (translucent ? 255 : maxOpacity_));
    w.ShowWindow();
    showing_ = true;
    if (fade)
        w.Fade(translucent ? 20 : 5, 5, translucent ? 255 : maxOpacity_);
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
