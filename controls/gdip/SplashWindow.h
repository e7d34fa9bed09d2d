#pragma once
// TSplashScreenWindow: the window a splash screen component opens on Show
// and frees on Hide. It has no border, is never activated and draws all
// the component holds. It works in one of two modes, chosen once when it
// is made: an ordinary window that paints itself, or, when the component's
// fill is translucent, a layered window (per-pixel alpha) whose whole
// content is drawn into an off-screen ARGB buffer and pushed to the screen
// with a constant alpha.
//
// Fades step on a timer of the GUI thread; the first step is taken at
// once, each further one `wait` ms later.

#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/gfx/Gdiplus.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TDovOveruvAvovozIrurid;
class TAdvSplashProgressBar;
class TAdvGDIPPicture;

class TSplashScreenWindow : public TForm {
    KORVAN_CLASS(TSplashScreenWindow)
public:
    explicit TSplashScreenWindow(TDovOveruvAvovozIrurid* splash);
    ~TSplashScreenWindow() override;

    // Borderless, top-most when asked, never activated, white.
    void PrepareWindow(bool stayOnTop);
    // Shows the window without activating it.
    void ShowWindow();
    // Clips the window to the fill's rounded outline (nothing without
    // rounding).
    void SetRegion();
    // Layered mode from now on, with a buffer of the window's size (size
    // the window first). Best done before the window shows; Refresh then
    // renders and pushes.
    void SetLayered();
    bool Layered() const { return forcedTransparent_; }
    const Gdiplus::Bitmap* MainBuffer() const { return mainBuffer_.get(); }

    // Layered: render the buffer and push it; ordinary: paint now.
    void Refresh();
    // Draws background, headings, list, top-layer boxes and items (not the
    // progress bar) with `g`.
    void Render(Gdiplus::Graphics& g);

    // The constant alpha of the pushes (layered mode).
    std::uint8_t Opacity() const { return opacity_; }
    void SetOpacity(std::uint8_t value) { opacity_ = value; }
    // Alpha blending of the whole window (ordinary mode).
    bool AlphaBlend() const { return alphaBlend_; }
    std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlend(bool on);
    void SetAlphaBlendValue(std::uint8_t value);

    // Layered: raise the constant alpha by `step` up to `max`, pushing the
    // buffer at each step.
    void FadeInLayered(int step, unsigned wait, std::uint8_t max, std::function<void()> done = nullptr);
    // Ordinary: the same on the alpha-blend value.
    void FadeInAlphaBlend(int step, unsigned wait, std::uint8_t max, std::function<void()> done = nullptr);
    // Down to `min`: layered on the constant alpha, `wait` ms apart;
    // ordinary on the alpha-blend value, 3 x `wait` ms apart.
    void FadeOutWindow(int step, unsigned wait, std::uint8_t min, std::function<void()> done = nullptr);
    bool Fading() const { return fadeTimer_->Enabled(); }

    TAdvSplashProgressBar* ProgressBar() const { return progressBar_; }
    // The component's progress bar changed: the child bar takes it over.
    void ProgressBarChanged();

    // The rectangles inside the fill's border, and of the headings.
    TRect InnerRect() const;
    TRect HeadingRect() const;
    void Click() override;

protected:
    void Paint() override;

private:
    struct Fade {
        int step = 0;
        std::uint8_t target = 0;
        bool layered = false;
        std::function<void()> done;
    };
    void StartFade(Fade fade, unsigned wait);
    bool FadeStep();
    void RenderLayered();
    void Push();

    // Drawing (SplashDrawing.cpp).
    void DrawBackground(Gdiplus::Graphics& g);
    void DrawHeadings(Gdiplus::Graphics& g);
    void DrawListItems(Gdiplus::Graphics& g);
    void DrawTopLayerItems(Gdiplus::Graphics& g);
    // Image-list images go to `canvas` (none in layered mode, where they
    // still take their room).
    void DrawItems(Gdiplus::Graphics& g, TCanvas* canvas);
    void DrawItemPicture(Gdiplus::Graphics& g, int x, int y, const TAdvGDIPPicture& picture);
    void DrawLayeredProgress(Gdiplus::Graphics& g);
    TSize MeasureListItem(Gdiplus::Graphics& g, const std::string& html);

    TDovOveruvAvovozIrurid* splash_;
    TAdvSplashProgressBar* progressBar_; // a child, owned by the window
    bool forcedTransparent_ = false;
    std::unique_ptr<Gdiplus::Bitmap> mainBuffer_;
    std::uint8_t opacity_ = 5;
    bool alphaBlend_ = false;
    std::uint8_t alphaBlendValue_ = 255;
    std::unique_ptr<TTimer> fadeTimer_;
    Fade fade_;
};
