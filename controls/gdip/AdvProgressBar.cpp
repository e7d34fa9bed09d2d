// The progress bar's properties, position rules, infinite-mode timer and
// paint.

#include "controls/gdip/AdvProgressBar.h"

#include "platform/forms/TypeInfo.h"
#include "platform/gfx/Bitmap.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TAdvProgressBar::StaticClassInfo() {
    using T = TAdvProgressBar;
    static const TClassInfo info =
        ClassBuilder<T>("TAdvProgressBar", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("Level0Color", &T::Level0Color, &T::SetLevel0Color)
            .TypeName("TColor")
            .Default(clLime)
            .Property("Level0ColorTo", &T::Level0ColorTo, &T::SetLevel0ColorTo)
            .TypeName("TColor")
            .Default(TColor(14811105))
            .Property("Level1Color", &T::Level1Color, &T::SetLevel1Color)
            .TypeName("TColor")
            .Default(clYellow)
            .Property("Level1ColorTo", &T::Level1ColorTo, &T::SetLevel1ColorTo)
            .TypeName("TColor")
            .Default(TColor(13303807))
            .Property("Level2Color", &T::Level2Color, &T::SetLevel2Color)
            .TypeName("TColor")
            .Default(TColor(5483007))
            .Property("Level2ColorTo", &T::Level2ColorTo, &T::SetLevel2ColorTo)
            .TypeName("TColor")
            .Default(TColor(11064319))
            .Property("Level3Color", &T::Level3Color, &T::SetLevel3Color)
            .TypeName("TColor")
            .Default(clRed)
            .Property("Level3ColorTo", &T::Level3ColorTo, &T::SetLevel3ColorTo)
            .TypeName("TColor")
            .Default(TColor(13290239))
            .Property("Level1Perc", &T::Level1Perc, &T::SetLevel1Perc)
            .Default(70)
            .Property("Level2Perc", &T::Level2Perc, &T::SetLevel2Perc)
            .Default(90)
            .Property("Level0BkColor", &T::Level0BkColor, &T::SetLevel0BkColor)
            .TypeName("TColor")
            .Default(clNone)
            .Property("Level1BkColor", &T::Level1BkColor, &T::SetLevel1BkColor)
            .TypeName("TColor")
            .Default(clNone)
            .Property("Level2BkColor", &T::Level2BkColor, &T::SetLevel2BkColor)
            .TypeName("TColor")
            .Default(clNone)
            .Property("BorderColor", &T::BorderColor, &T::SetBorderColor)
            .TypeName("TColor")
            .Default(clGray)
            .Property("ShowBorder", &T::ShowBorder, &T::SetShowBorder)
            .Default(true)
            .Property("Stacked", &T::Stacked, &T::SetStacked)
            .Default(false)
            .Property("ShowPercentage", &T::ShowPercentage, &T::SetShowPercentage)
            .Default(true)
            .Property("ShowPosition", &T::ShowPosition, &T::SetShowPosition)
            .Default(true)
            .Property("CompletionSmooth", &T::CompletionSmooth, &T::SetCompletionSmooth)
            .Default(false)
            .Property("ShowGradient", &T::ShowGradient, &T::SetShowGradient)
            .Default(true)
            .Property("Steps", &T::Steps, &T::SetSteps)
            .Default(8)
            .Property("Min", &T::Min, &T::SetMin)
            .Default(0)
            .Property("Max", &T::Max, &T::SetMax)
            .Default(100)
            .Property("Position", &T::Position, &T::SetPosition)
            .Default(50)
            .Property("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Enum("Orientation", &T::Orientation, &T::SetOrientation, {"goHorizontal", "goVertical"},
                  "TGaugeOrientation")
            .Default(goHorizontal)
            .Property("Rounded", &T::Rounded, &T::SetRounded)
            .Default(true)
            .Property("Format", &T::Format, &T::SetFormat)
            .Property("Animated", &T::Animated, &T::SetAnimated)
            .Default(false)
            .Property("Infinite", &T::Infinite, &T::SetInfinite)
            .Default(false)
            .Property("InfiniteInterval", &T::InfiniteInterval, &T::SetInfiniteInterval)
            .Default(50)
            .Property("Version", &T::Version, &T::SetVersion)
            .Stored(false)
            .Build();
    return info;
}

TAdvProgressBar::TAdvProgressBar(TComponent* owner)
    : TGraphicControl(owner), timer_(std::make_unique<TTimer>(nullptr)) {
    SetBounds(0, 0, 128, 18);
    SetParentFont(false);
    Font().SetName("Verdana");
    Font().SetSize(10);
    timer_->SetEnabled(false);
    timer_->SetInterval(unsigned(infiniteInterval_));
    timer_->SetOnTimer([this](TObject*) { TimerTick(); });
}

TAdvProgressBar::~TAdvProgressBar() {
    timer_.reset();
}

std::string TAdvProgressBar::Version() const {
    return "1.2.0.1";
}

void TAdvProgressBar::SetBkColor(TColor& field, TColor value) {
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TAdvProgressBar::SetLevel0BkColor(TColor value) {
    SetBkColor(level0BkColor_, value);
}

void TAdvProgressBar::SetLevel1BkColor(TColor value) {
    SetBkColor(level1BkColor_, value);
}

void TAdvProgressBar::SetLevel2BkColor(TColor value) {
    SetBkColor(level2BkColor_, value);
}

void TAdvProgressBar::SetPosition(int value) {
    if (value < min_ || value > max_) {
        position_ = value < min_ ? min_ : max_;
        return;
    }
    position_ = value;
    const int p = korvan::gdip::GaugePercent(value, min_, max_);
    if (maxIncrement_ == 0 || value % maxIncrement_ == 0 || value / maxIncrement_ != oldBlockPos_ ||
        p != oldPos_)
        DrawNow();
    oldPos_ = p;
    if (maxIncrement_ != 0)
        oldBlockPos_ = value / maxIncrement_;
}

void TAdvProgressBar::SetMin(int value) {
    min_ = value;
    maxIncrement_ = int((static_cast<long long>(max_) - min_) / 100);
    Invalidate();
}

void TAdvProgressBar::SetMax(int value) {
    max_ = value;
    maxIncrement_ = int((static_cast<long long>(max_) - min_) / 100);
    Invalidate();
}

void TAdvProgressBar::UpdateTimer() {
    timer_->SetEnabled(infinite_ && animated_);
}

void TAdvProgressBar::SetInfinite(bool value) {
    const bool switchedOn = value && !infinite_;
    infinite_ = value;
    UpdateTimer();
    if (switchedOn)
        infinitePos_ = 0;
    Invalidate();
}

void TAdvProgressBar::SetAnimated(bool value) {
    animated_ = value;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int value) {
    infiniteInterval_ = value;
    timer_->SetInterval(unsigned(std::max(value, 0)));
}

void TAdvProgressBar::TimerTick() {
    if (infiniteInc_) {
        infinitePos_ += 4;
        if (infinitePos_ > 99) {
            infinitePos_ = 100;
            infiniteInc_ = false;
        }
    } else {
        infinitePos_ -= 4;
        if (infinitePos_ < 1) {
            infinitePos_ = 0;
            infiniteInc_ = true;
        }
    }
    DrawNow();
}

TGaugeSettings TAdvProgressBar::Settings() const {
    return {level0Color_,
            level0ColorTo_,
            level1Color_,
            level1ColorTo_,
            level2Color_,
            level2ColorTo_,
            level3Color_,
            level3ColorTo_,
            level1Perc_,
            level2Perc_,
            borderColor_,
            level0BkColor_,
            level1BkColor_,
            level2BkColor_,
            showBorder_,
            stacked_,
            showPercentage_,
            showPosition_,
            &Font(),
            completionSmooth_,
            showGradient_,
            steps_,
            korvan::gdip::GaugePercent(position_, min_, max_),
            position_,
            max_,
            backgroundColor_,
            orientation_,
            rounded_,
            format_,
            infinite_,
            infinitePos_};
}

void TAdvProgressBar::Paint() {
    const TRect client = ClientRect();
    TBitmap buffer(client.Width(), client.Height());
    korvan::gdip::DrawGauge(buffer.Canvas(), client, Settings());
    if (rounded_) {
        // The magenta corners (the bottom-left pixel) let the parent show.
        buffer.SetTransparent(true);
        buffer.SetTransparentMode(tmAuto);
    }
    Canvas().Draw(0, 0, buffer);
}
