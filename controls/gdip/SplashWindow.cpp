// The splash window: its styles, its two modes (ordinary and layered), the
// pushes of the layered buffer, the fades and the window region.

#include "controls/gdip/SplashWindow.h"

#include "controls/gdip/SplashScreen.h"
#include "platform/forms/LayeredWindow.h"
#include "platform/forms/WindowStyles.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const TClassInfo& TSplashScreenWindow::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TSplashScreenWindow>("TSplashScreenWindow", &TForm::StaticClassInfo()).Build();
    return info;
}

TSplashScreenWindow::TSplashScreenWindow(TDovOveruvAvovozIrurid* splash)
    : TForm(nullptr), splash_(splash), progressBar_(new TAdvSplashProgressBar(this)),
      fadeTimer_(std::make_unique<TTimer>(nullptr)) {
    progressBar_->SetParent(this);
    progressBar_->SetVisible(false);
    fadeTimer_->SetEnabled(false);
    fadeTimer_->SetOnTimer([this](TObject*) {
        if (FadeStep()) {
            fadeTimer_->SetEnabled(false);
            if (fade_.done)
                std::exchange(fade_.done, nullptr)();
        }
    });
}

TSplashScreenWindow::~TSplashScreenWindow() {
    fadeTimer_.reset();
}

void TSplashScreenWindow::PrepareWindow(bool stayOnTop) {
    SetBorderStyle(bsNone);
    if (stayOnTop)
        SetFormStyle(fsStayOnTop);
    SetColor(clWhite);
    korvan::forms::SetNoActivate(*this);
}

void TSplashScreenWindow::ShowWindow() {
    // A window shown anew stands above the others; it takes no activation.
    SetVisible(true);
}

void TSplashScreenWindow::SetRegion() {
    const TGDIPFill& fill = *splash_->Fill();
    if (fill.Rounding() <= 0 || fill.RoundingType() == rtNone)
        return;
    using korvan::gfx::Region;
    const TRect c = ClientRect();
    const int L = c.Left, T = c.Top, R = c.Right, B = c.Bottom;
    const int w = 2 * fill.Rounding();
    Region region;
    switch (fill.RoundingType()) {
    case rtTop:
        region = Region::FromRoundRect(Rect(L, T, R + 1, B), w, w)
                     .Combined(Region::FromRect(Rect(L, T + w, R, B)), RGN_OR);
        break;
    case rtBottom:
        region = Region::FromRoundRect(Rect(L, T, R + 1, B), w, w)
                     .Combined(Region::FromRect(Rect(L, T, R, B - w)), RGN_OR);
        break;
    case rtBoth:
        region = Region::FromRoundRect(Rect(0, 0, R - L, B - T), w, w);
        break;
    case rtLeft:
        region = Region::FromRoundRect(Rect(L, T, R, B + 1), w, w)
                     .Combined(Region::FromRect(Rect(L + w, T, R, B)), RGN_OR);
        break;
    case rtRight:
        region = Region::FromRoundRect(Rect(L, T, R, B + 1), w, w)
                     .Combined(Region::FromRect(Rect(L, T, R - w, B)), RGN_OR);
        break;
    case rtNone:
        return;
    }
    korvan::forms::SetWindowRegion(*this, region);
}

void TSplashScreenWindow::SetLayered() {
    if (forcedTransparent_)
        return;
    forcedTransparent_ = true;
    mainBuffer_ = std::make_unique<Gdiplus::Bitmap>(std::max(ClientWidth(), 1), std::max(ClientHeight(), 1));
    korvan::forms::SetLayered(*this);
}

void TSplashScreenWindow::Refresh() {
    if (forcedTransparent_)
        RenderLayered();
    else
        Repaint();
}

void TSplashScreenWindow::RenderLayered() {
    mainBuffer_->Pixels().fill(0u);
    // Top-most at every render, whatever the component's StayOnTop says.
    korvan::forms::MakeTopMost(*this);
    {
        Gdiplus::Graphics g(*mainBuffer_);
        Render(g);
        DrawLayeredProgress(g);
    }
    Push();
}

void TSplashScreenWindow::Push() {
    korvan::forms::UpdateLayeredWindow(*this, Point(Left(), Top()), *mainBuffer_, opacity_);
}

void TSplashScreenWindow::Paint() {
    TForm::Paint();
    // A layered window shows only what is pushed: painting adds nothing.
    if (!splash_ || forcedTransparent_)
        return;
    Gdiplus::Graphics g(Canvas());
    DrawBackground(g);
    DrawHeadings(g);
    DrawListItems(g);
    DrawTopLayerItems(g);
    DrawItems(g, &Canvas());
}

void TSplashScreenWindow::Render(Gdiplus::Graphics& g) {
    if (!splash_)
        return;
    DrawBackground(g);
    DrawHeadings(g);
    DrawListItems(g);
    DrawTopLayerItems(g);
    DrawItems(g, nullptr);
}

void TSplashScreenWindow::SetAlphaBlend(bool on) {
    alphaBlend_ = on;
    korvan::forms::SetAlphaBlend(*this, alphaBlend_, alphaBlendValue_);
}

void TSplashScreenWindow::SetAlphaBlendValue(std::uint8_t value) {
    alphaBlendValue_ = value;
    korvan::forms::SetAlphaBlend(*this, alphaBlend_, alphaBlendValue_);
}

// ---------------------------------------------------------------- fades

void TSplashScreenWindow::FadeInLayered(int step, unsigned wait, std::uint8_t max,
                                        std::function<void()> done) {
    StartFade({std::abs(step), max, true, std::move(done)}, wait);
}

void TSplashScreenWindow::FadeInAlphaBlend(int step, unsigned wait, std::uint8_t max,
                                           std::function<void()> done) {
    StartFade({std::abs(step), max, false, std::move(done)}, wait);
}

void TSplashScreenWindow::FadeOutWindow(int step, unsigned wait, std::uint8_t min,
                                        std::function<void()> done) {
    if (forcedTransparent_)
        StartFade({-std::abs(step), min, true, std::move(done)}, wait);
    else
        StartFade({-std::abs(step), min, false, std::move(done)}, 3 * wait);
}

void TSplashScreenWindow::StartFade(Fade fade, unsigned wait) {
    fadeTimer_->SetEnabled(false);
    fade_ = std::move(fade);
    // The first step is taken now, the others on the timer.
    if (fade_.step == 0 || FadeStep()) {
        if (fade_.done)
            std::exchange(fade_.done, nullptr)();
        return;
    }
    fadeTimer_->SetInterval(std::max(wait, 1u));
    fadeTimer_->SetEnabled(true);
}

bool TSplashScreenWindow::FadeStep() {
    const int value = fade_.layered ? opacity_ : alphaBlendValue_;
    const int target = fade_.target;
    const bool up = fade_.step > 0;
    if (up ? value >= target : value <= target)
        return true; // already there: nothing changes
    const int next = value + fade_.step;
    const bool arrived = up ? next >= target : next <= target;
    const auto v = std::uint8_t(arrived ? target : next);
    if (fade_.layered) {
        opacity_ = v;
        // A fade step pushes the buffer as it is, with the new alpha.
        if (mainBuffer_)
            Push();
    } else {
        SetAlphaBlendValue(v);
    }
    return arrived;
}

// ---------------------------------------------------------------- progress bar

void TSplashScreenWindow::ProgressBarChanged() {
    const TGDIPSplashProgress& p = *splash_->ProgressBar();
    TAdvSplashProgressBar& bar = *progressBar_;
    bar.SetPosition(p.Position());
    bar.SetGlowAnimation(p.GlowAnimation());
    bar.SetStep(p.Step());
    bar.SetProgressAnimation(p.ProgressAnimation());
    bar.SetMaximum(p.Maximum());
    bar.SetMinimum(p.Minimum());
    bar.SetVisible(p.Visible());
    bar.SetBounds(p.Left(), p.Top(), p.Width(), p.Height());
    bar.SetAppearance(splash_->ProgressBar());
    if (forcedTransparent_)
        Refresh();
}

// ---------------------------------------------------------------- rectangles and clicks

void TSplashScreenWindow::Click() {
    TForm::Click();
    if (splash_ && splash_->OnClick)
        splash_->OnClick(splash_);
}

TRect TSplashScreenWindow::InnerRect() const {
    TRect r = Rect(0, 0, ClientWidth() - 1, ClientHeight() - 1);
    const TGDIPFill& fill = *splash_->Fill();
    if (fill.BorderColor() != clNone) {
        const int h = fill.BorderWidth() == 1 ? 1 : (fill.BorderWidth() + 1) / 2;
        r = r.Inflate(-h, -h);
    }
    return r;
}

TRect TSplashScreenWindow::HeadingRect() const {
    const TGDIPFill& fill = *splash_->Fill();
    TRect r = InnerRect();
    const int s = fill.ShadowColor() != clNone ? fill.ShadowOffset() : 0;
    r.Right = r.Right - r.Left - s;
    r.Bottom = r.Bottom - r.Top - s;
    const int d = fill.Rounding() / 2;
    r = r.Inflate(-d, -d);
    r.Right -= 5;
    return r;
}
