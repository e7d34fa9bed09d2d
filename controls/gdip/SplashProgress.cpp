// The splash progress bar: its appearance (look, bounds, values and the
// GDI+ drawing) and the control with its animation timer.

#include "controls/gdip/SplashProgress.h"

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/MiniHtml.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

using korvan::forms::ClassBuilder;

namespace {

const std::vector<std::string> kValueTypeNames{"vtPercentage", "vtAbsolute"};
const std::vector<std::string> kValuePositionNames{"vpProgressCenter", "vpProgressRight", "vpCenter",
                                                   "vpLeft",           "vpRight",         "vpCustom"};

// A horizontal or vertical gradient over a strip (its rectangle grown by 1).
void GradientStrip(Gdiplus::Graphics& g, const TGPRectF& strip, Gdiplus::Color from, Gdiplus::Color to,
                   Gdiplus::LinearGradientMode mode) {
    if (strip.Width <= 0 || strip.Height <= 0)
        return;
    const TGPRectF grown{strip.X - 1, strip.Y - 1, strip.Width + 2, strip.Height + 2};
    const Gdiplus::LinearGradientBrush brush(grown, from, to, mode);
    g.FillRectangle(brush, strip);
}

void EndShading(Gdiplus::Graphics& g, const TGPRectF& r) {
    const Gdiplus::Color dark(30, 0, 0, 0), clear(0, 0, 0, 0);
    GradientStrip(g, {r.X, r.Y, 10, r.Height}, dark, clear, Gdiplus::LinearGradientModeHorizontal);
    GradientStrip(g, {r.X + r.Width - 10, r.Y, 10, r.Height}, clear, dark,
                  Gdiplus::LinearGradientModeHorizontal);
}

void Gloss(Gdiplus::Graphics& g, const TGPRectF& r) {
    const Gdiplus::Color clear(0, 255, 255, 255);
    GradientStrip(g, {r.X, r.Y, r.Width, r.Height / 2.5f}, Gdiplus::Color(180, 255, 255, 255), clear,
                  Gdiplus::LinearGradientModeVertical);
    GradientStrip(g, {r.X, r.Y + r.Height - r.Height / 5, r.Width, r.Height / 5}, clear,
                  Gdiplus::Color(255, 255, 255, 255), Gdiplus::LinearGradientModeVertical);
}

int Inset(const TGDIPFill& fill) {
    if (fill.BorderColor() == clNone)
        return 0;
    return fill.BorderWidth() == 1 ? 1 : (fill.BorderWidth() + 1) / 2;
}

} // namespace

// ---------------------------------------------------------------- appearance

const TClassInfo& TGDIPSplashProgress::StaticClassInfo() {
    using T = TGDIPSplashProgress;
    static const TClassInfo info =
        ClassBuilder<T>("TGDIPSplashProgress", &TPersistent::StaticClassInfo())
            .Property("BackGroundFill", &T::BackGroundFill, &T::SetBackGroundFill)
            .Property("ProgressFill", &T::ProgressFill, &T::SetProgressFill)
            .Property("Font", &T::Font, &T::SetFont)
            .Property("ProgressFont", &T::ProgressFont, &T::SetProgressFont)
            .Property("ValueFormat", &T::ValueFormat, &T::SetValueFormat)
            .Enum("ValueType", &T::ValueType, &T::SetValueType, kValueTypeNames, "TGDIPProgressValueType")
            .Default(vtAbsolute)
            .Enum("ValuePosition", &T::ValuePosition, &T::SetValuePosition, kValuePositionNames,
                  "TGDIPProgressValuePosition")
            .Default(vpCenter)
            .Property("ValuePositionLeft", &T::ValuePositionLeft, &T::SetValuePositionLeft)
            .Default(0)
            .Property("ValuePositionTop", &T::ValuePositionTop, &T::SetValuePositionTop)
            .Default(0)
            .Property("ValueVisible", &T::ValueVisible, &T::SetValueVisible)
            .Default(false)
            .Property("Visible", &T::Visible, &T::SetVisible)
            .Default(false)
            .Property("Left", &T::Left, &T::SetLeft)
            .Default(50)
            .Property("Top", &T::Top, &T::SetTop)
            .Default(100)
            .Property("Width", &T::Width, &T::SetWidth)
            .Default(300)
            .Property("Height", &T::Height, &T::SetHeight)
            .Default(17)
            .Property("Step", &T::Step, &T::SetStep)
            .Property("Minimum", &T::Minimum, &T::SetMinimum)
            .Property("Maximum", &T::Maximum, &T::SetMaximum)
            .Property("Position", &T::Position, &T::SetPosition)
            .Build();
    return info;
}

TGDIPSplashProgress::TGDIPSplashProgress()
    : backGroundFill_(std::make_unique<TGDIPFill>()), progressFill_(std::make_unique<TGDIPFill>()),
      font_(std::make_unique<TFont>()), progressFont_(std::make_unique<TFont>()) {
    for (TGDIPFill* fill : {backGroundFill_.get(), progressFill_.get()})
        fill->OnChange = [this](TObject*) { Changed(); };
    for (TFont* font : {font_.get(), progressFont_.get()})
        font->OnChange = [this] { Changed(); };
}

TGDIPSplashProgress::~TGDIPSplashProgress() {
    for (TGDIPFill* fill : {backGroundFill_.get(), progressFill_.get()})
        fill->OnChange = nullptr;
    for (TFont* font : {font_.get(), progressFont_.get()})
        font->OnChange = nullptr;
}

void TGDIPSplashProgress::SetBackGroundFill(TGDIPFill* value) {
    if (value && value != backGroundFill_.get())
        backGroundFill_->Assign(value);
}

void TGDIPSplashProgress::SetProgressFill(TGDIPFill* value) {
    if (value && value != progressFill_.get())
        progressFill_->Assign(value);
}

void TGDIPSplashProgress::SetFont(TFont* value) {
    if (value && value != font_.get())
        font_->Assign(*value);
}

void TGDIPSplashProgress::SetProgressFont(TFont* value) {
    if (value && value != progressFont_.get())
        progressFont_->Assign(*value);
}

void TGDIPSplashProgress::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TGDIPSplashProgress*>(source);
    if (!other || other == this)
        return;
    const TNotifyEvent notify = std::move(OnChange);
    OnChange = nullptr;
    backGroundFill_->Assign(other->backGroundFill_.get());
    progressFill_->Assign(other->progressFill_.get());
    valueFormat_ = other->valueFormat_;
    valueType_ = other->valueType_;
    valuePositionTop_ = other->valuePositionTop_;
    valuePositionLeft_ = other->valuePositionLeft_;
    valuePosition_ = other->valuePosition_;
    valueVisible_ = other->valueVisible_;
    font_->Assign(*other->font_);
    progressFont_->Assign(*other->progressFont_);
    visible_ = other->visible_;
    height_ = other->height_;
    width_ = other->width_;
    left_ = other->left_;
    top_ = other->top_;
    step_ = other->step_;
    minimum_ = other->minimum_;
    maximum_ = other->maximum_;
    position_ = other->position_;
    progressAnimation_ = other->progressAnimation_;
    glowAnimation_ = other->glowAnimation_;
    OnChange = notify;
    Changed();
}

TGPRectF TGDIPSplashProgress::GetInsideRectF(const TRect& r) const {
    const int h = Inset(*backGroundFill_);
    const float left = float(r.Left + h), top = float(r.Top + h);
    const float right = float(r.Right - 1 - h), bottom = float(r.Bottom - 1 - h);
    return {left, top, right - left, bottom - top};
}

TGPRectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect& r, double min, double max,
                                                         double position) const {
    const TGPRectF in = GetInsideRectF(r);
    const bool bordered = progressFill_->BorderColor() != clNone && progressFill_->BorderWidth() != 0;
    const float b = bordered ? float(progressFill_->BorderWidth()) : 0.0f;
    const float full = in.Width - b;
    float width = 0;
    if (max - min > 0)
        width = std::clamp(float((position - min) / (max - min) * full), 0.0f, std::max(full, 0.0f));
    return {in.X + b / 2, in.Y + b / 2, width, in.Height - b};
}

void TGDIPSplashProgress::Draw(Gdiplus::Graphics& g, const TRect& r, double min, double max,
                               double position) {
    backGroundFill_->Fill(&g, {float(r.Left), float(r.Top), float(r.Width() - 1), float(r.Height() - 1)});
    const TGPRectF p = CalculateProgressRectangle(r, min, max, position);
    progressFill_->Fill(&g, p);
    if (p.Width > 0)
        EndShading(g, p);
    const TGPRectF in = GetInsideRectF(r);
    EndShading(g, in);
    if (valueVisible_)
        DrawValueText(g, r, min, max, position);
    Gloss(g, in);
}

std::string TGDIPSplashProgress::ValueText(double min, double max, double position) const {
    const double v = std::clamp(position, std::min(min, max), std::max(min, max));
    const double value = valueType_ == vtPercentage ? (max > min ? (v - min) / (max - min) * 100 : max) : v;
    try {
        return ::Format(valueFormat_, {value});
    } catch (const Exception&) {
        return {};
    }
}

void TGDIPSplashProgress::DrawValueText(Gdiplus::Graphics& g, const TRect& r, double min, double max,
                                        double position) {
    const std::string text = ValueText(min, max, position);
    if (text.empty())
        return;
    const TGPRectF in = GetInsideRectF(r);
    TGPRectF box;
    g.MeasureString(text, korvan::gdip::MakeFont(*font_), in, nullptr, &box);
    const float tw = box.Width, th = box.Height;
    const TGPRectF p = CalculateProgressRectangle(r, min, max, position);
    float y = float(r.Top) + (in.Height - th) / 2, x = in.X;
    switch (valuePosition_) {
    case vpProgressCenter:
        x = p.Width >= tw ? in.X + (p.Width - tw) / 2 : in.X;
        break;
    case vpProgressRight:
        x = p.Width >= tw ? in.X + p.Width - tw : in.X;
        break;
    case vpCenter:
        x = float(r.Left) + (in.Width - tw) / 2;
        break;
    case vpLeft:
        x = in.X;
        break;
    case vpRight:
        x = float(r.Left) + in.Width - tw;
        break;
    case vpCustom:
        x = float(r.Left + valuePositionLeft_);
        y = float(r.Top + valuePositionTop_);
        break;
    }
    const TFont& font = p.X + p.Width > x + tw / 2 ? *progressFont_ : *font_;
    const Gdiplus::SolidBrush ink(MakeARGBFromColor(255, font.Color()));
    g.DrawString(text, korvan::gdip::MakeFont(font), Gdiplus::PointF{x, y}, ink);
}

// ---------------------------------------------------------------- the control

const TClassInfo& TAdvSplashProgressBar::StaticClassInfo() {
    using T = TAdvSplashProgressBar;
    static const TClassInfo info =
        ClassBuilder<T>("TAdvSplashProgressBar", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("Step", &T::Step, &T::SetStep)
            .Property("Minimum", &T::Minimum, &T::SetMinimum)
            .Property("Maximum", &T::Maximum, &T::SetMaximum)
            .Property("Position", &T::Position, &T::SetPosition)
            .Property("GlowAnimation", &T::GlowAnimation, &T::SetGlowAnimation)
            .Default(false)
            .Property("ProgressAnimation", &T::ProgressAnimation, &T::SetProgressAnimation)
            .Default(false)
            .Property("Appearance", &T::Appearance, &T::SetAppearance)
            .Property("Version", &T::Version, &T::SetVersion)
            .Stored(false)
            .Build();
    return info;
}

TAdvSplashProgressBar::TAdvSplashProgressBar(TComponent* owner)
    : TGraphicControl(owner), appearance_(std::make_unique<TGDIPSplashProgress>()),
      timer_(std::make_unique<TTimer>(nullptr)) {
    appearance_->OnChange = [this](TObject*) { ApplyAppearance(); };
    SetBounds(Left(), Top(), 150, 17);
    timer_->SetInterval(10);
    timer_->SetOnTimer([this](TObject*) { AnimationTick(); });
    timer_->SetEnabled(true);
}

TAdvSplashProgressBar::~TAdvSplashProgressBar() {
    timer_.reset();
    appearance_->OnChange = nullptr;
}

bool TAdvSplashProgressBar::ProgressAnimating() const {
    return progressAnimation_ && !(ComponentState() & csLoading);
}

bool TAdvSplashProgressBar::Glowing() const {
    return glowAnimation_ && !(ComponentState() & csLoading);
}

bool TAdvSplashProgressBar::AnimationInProgress() const {
    return ProgressAnimating() && std::fabs(positionTemp_ - positionTo_) >= 0.001;
}

void TAdvSplashProgressBar::PositionChanged() {
    if (OnPositionChanged)
        OnPositionChanged(this, position_);
}

void TAdvSplashProgressBar::SetPosition(double v) {
    position_ = std::min(maximum_, std::max(v, minimum_));
    if (ProgressAnimating()) {
        positionTo_ = position_;
        return;
    }
    positionTo_ = positionTemp_ = position_;
    PositionChanged();
    Invalidate();
}

void TAdvSplashProgressBar::MoveLimit(double& limit, double v, bool pastPosition) {
    if (v == limit)
        return;
    limit = v;
    // The position follows a limit moved past it (no event).
    if (pastPosition) {
        if (!ProgressAnimating())
            position_ = positionTemp_ = v;
        positionTo_ = v;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetMinimum(double v) {
    MoveLimit(minimum_, v, v > position_);
}

void TAdvSplashProgressBar::SetMaximum(double v) {
    MoveLimit(maximum_, v, v < position_);
}

void TAdvSplashProgressBar::SetStep(double v) {
    if (v == step_)
        return;
    step_ = v;
    Invalidate();
}

void TAdvSplashProgressBar::SetGlowAnimation(bool v) {
    if (v == glowAnimation_)
        return;
    glowAnimation_ = v;
    Invalidate();
}

void TAdvSplashProgressBar::SetProgressAnimation(bool v) {
    if (v == progressAnimation_)
        return;
    progressAnimation_ = v;
    Invalidate();
    if (!v)
        SetPosition(position_);
}

void TAdvSplashProgressBar::ApplyAppearance() {
    const TGDIPSplashProgress& a = *appearance_;
    SetBounds(a.Left(), a.Top(), a.Width(), a.Height());
    SetVisible(a.Visible());
    SetStep(a.Step());
    SetMinimum(a.Minimum());
    SetMaximum(a.Maximum());
    SetPosition(a.Position());
    SetGlowAnimation(a.GlowAnimation());
    SetProgressAnimation(a.ProgressAnimation());
    Invalidate();
}

void TAdvSplashProgressBar::AnimationTick() {
    if (ProgressAnimating()) {
        const double step = std::fabs(positionTo_ - positionTemp_) / 15;
        double v = positionTemp_;
        if (positionTo_ - 0.000001 < v && v < positionTo_ + 0.000001) {
            positionTo_ = position_ = positionTemp_ = positionTo_;
            PositionChanged();
        } else {
            v += (positionTo_ > v ? 1 : -1) * std::max(step, 0.000001);
            positionTemp_ = position_ = v;
            PositionChanged();
            Invalidate();
        }
    }
    if (position_ > minimum_ && Glowing()) {
        if (glowCount_ >= 1500)
            glowPos_ += 3;
        const TGPRectF p = appearance_->CalculateProgressRectangle(rect_, minimum_, maximum_, position_);
        if (p.Width >= glowPos_) {
            glowCount_ += 10;
        } else {
            glowCount_ = 0;
            glowPos_ = -60;
        }
        Invalidate();
    }
}

void TAdvSplashProgressBar::Resize() {
    TGraphicControl::Resize();
    Invalidate();
}

void TAdvSplashProgressBar::Paint() {
    Gdiplus::Graphics g(Canvas());
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    rect_ = Rect(0, 0, Width(), Height());
    appearance_->Draw(g, rect_, minimum_, maximum_, position_);
    if (Glowing() && position_ > 0) {
        g.SetClip(appearance_->CalculateProgressRectangle(rect_, minimum_, maximum_, position_));
        const TGPRectF in = appearance_->GetInsideRectF(rect_);
        const float gx = float(glowPos_);
        GradientStrip(g, {gx - 30, in.Y, 30, in.Height}, Gdiplus::Color(0, 255, 255, 255),
                      Gdiplus::Color(120, 255, 255, 255), Gdiplus::LinearGradientModeHorizontal);
        GradientStrip(g, {gx, in.Y, 30, in.Height}, Gdiplus::Color(120, 255, 255, 255),
                      Gdiplus::Color(0, 255, 255, 255), Gdiplus::LinearGradientModeHorizontal);
        g.ResetClip();
    }
}

void TAdvSplashProgressBar::SetComponentStyle(TTMSStyle style) {
    struct Preset {
        TColor back, backTo, backBorder, progress, progressTo, mirror, mirrorTo, progressBorder;
    };
    constexpr TColor N = clNone;
    static const Preset kPresets[] = {
        {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, N, N, 0x962D00},
        {0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, N, N, 0x947C7C},
        {0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, N, N, 0x588060},
        {0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080},
        {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD},
        {0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0x000000},
        {0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, clBtnFace, N, N, 0x000000},
        {0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, N, N, 0x962D00},
        {N, N, N, N, N, N, N, N}, // tsCustom: unused
        {0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5, 0x000000},
        {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A},
        {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D},
        {clBtnFace, clBtnFace, 0x808080, 0xFFFFFF, 0xFFFFFF, N, N, 0x808080},
        {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, N, N, N, 0x5B391E},
        {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xEDE9E5, N, N, N, 0x7C6D66},
        {0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, N, N, N, 0x6D6D6D},
    };
    if (style == tsCustom || int(style) < 0 || int(style) >= int(std::size(kPresets)))
        return;
    const Preset& p = kPresets[style];
    TGDIPFill* back = appearance_->BackGroundFill();
    back->SetColor(p.back);
    back->SetColorTo(p.backTo);
    back->SetBorderColor(p.backBorder);
    TGDIPFill* progress = appearance_->ProgressFill();
    progress->SetColor(p.progress);
    progress->SetColorTo(p.progressTo);
    progress->SetColorMirror(p.mirror);
    progress->SetColorMirrorTo(p.mirrorTo);
    progress->SetBorderColor(p.progressBorder);
    if (style != tsTerminal)
        progress->SetGradientMirrorType(gtVertical);
}
