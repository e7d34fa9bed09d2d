#pragma once
// The splash screen's progress bar. TGDIPSplashProgress holds a bar's look,
// bounds and values and draws a bar into a rectangle with GDI+ (background
// fill, filled part, shading at the ends, the value text, a glossy
// overlay). TAdvSplashProgressBar is the control: it owns one as its
// Appearance, keeps range, step and position, can move the shown position
// smoothly towards a new value and run a glow along the filled part, both
// on a 10 ms timer.

#include "controls/gdip/ComponentStyle.h"
#include "controls/gdip/GDIPFill.h"
#include "platform/forms/Control.h"
#include "platform/forms/Persistent.h"
#include "platform/forms/Timer.h"

#include <functional>
#include <memory>
#include <string>

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

class TGDIPSplashProgress : public TPersistent {
    KORVAN_CLASS(TGDIPSplashProgress)
public:
    TGDIPSplashProgress();
    ~TGDIPSplashProgress() override;

    // Everything from another TGDIPSplashProgress (the animation flags
    // too), then one OnChange; any other source is ignored.
    void Assign(TPersistent* source) override;
    // Draws the bar into r for the value position in min..max.
    void Draw(Gdiplus::Graphics& g, const TRect& r, double min, double max, double position);
    TGPRectF GetInsideRectF(const TRect& r) const;
    TGPRectF CalculateProgressRectangle(const TRect& r, double min, double max, double position) const;
    // The value text: ValueFormat with the position (limited to min..max)
    // or its percentage; empty when the format takes no number.
    std::string ValueText(double min, double max, double position) const;

    TGDIPFill* BackGroundFill() const { return backGroundFill_.get(); }
    void SetBackGroundFill(TGDIPFill* value);
    TGDIPFill* ProgressFill() const { return progressFill_.get(); }
    void SetProgressFill(TGDIPFill* value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TFont* ProgressFont() const { return progressFont_.get(); }
    void SetProgressFont(TFont* value);

    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& v) { Store(valueFormat_, v); }
    TGDIPProgressValueType ValueType() const { return valueType_; }
    void SetValueType(TGDIPProgressValueType v) { Store(valueType_, v); }
    TGDIPProgressValuePosition ValuePosition() const { return valuePosition_; }
    void SetValuePosition(TGDIPProgressValuePosition v) { Store(valuePosition_, v); }
    int ValuePositionLeft() const { return valuePositionLeft_; }
    void SetValuePositionLeft(int v) { Store(valuePositionLeft_, v); }
    int ValuePositionTop() const { return valuePositionTop_; }
    void SetValuePositionTop(int v) { Store(valuePositionTop_, v); }
    bool ValueVisible() const { return valueVisible_; }
    void SetValueVisible(bool v) { Store(valueVisible_, v); }
    // Raises OnChange whether or not the value differs.
    bool Visible() const { return visible_; }
    void SetVisible(bool v) {
        visible_ = v;
        Changed();
    }
    int Left() const { return left_; }
    void SetLeft(int v) { Store(left_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Store(top_, v); }
    int Width() const { return width_; }
    void SetWidth(int v) { Store(width_, v); }
    int Height() const { return height_; }
    void SetHeight(int v) { Store(height_, v); }
    // Stored without OnChange.
    double Step() const { return step_; }
    void SetStep(double v) { step_ = v; }
    double Minimum() const { return minimum_; }
    void SetMinimum(double v) { Store(minimum_, v); }
    double Maximum() const { return maximum_; }
    void SetMaximum(double v) { Store(maximum_, v); }
    double Position() const { return position_; }
    void SetPosition(double v) { Store(position_, v); }
    bool ProgressAnimation() const { return progressAnimation_; }
    bool GlowAnimation() const { return glowAnimation_; }

    TNotifyEvent OnChange;

private:
    template <class V> void Store(V& field, const V& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (OnChange)
            OnChange(this);
    }
    void DrawValueText(Gdiplus::Graphics& g, const TRect& r, double min, double max, double position);

    std::unique_ptr<TGDIPFill> backGroundFill_, progressFill_;
    std::unique_ptr<TFont> font_, progressFont_;
    std::string valueFormat_ = "%.0f%%";
    TGDIPProgressValueType valueType_ = vtAbsolute;
    TGDIPProgressValuePosition valuePosition_ = vpCenter;
    int valuePositionLeft_ = 0, valuePositionTop_ = 0;
    bool valueVisible_ = false, visible_ = false;
    int left_ = 50, top_ = 100, width_ = 300, height_ = 17;
    double step_ = 10, minimum_ = 0, maximum_ = 100, position_ = 0;
    bool progressAnimation_ = false, glowAnimation_ = false;
};

using TPositionChangedEvent = std::function<void(TObject* sender, double value)>;

class TAdvSplashProgressBar : public TGraphicControl, public ITMSStyle {
    KORVAN_CLASS(TAdvSplashProgressBar)
public:
    explicit TAdvSplashProgressBar(TComponent* owner);
    ~TAdvSplashProgressBar() override;

    double Step() const { return step_; }
    void SetStep(double v);
    double Minimum() const { return minimum_; }
    void SetMinimum(double v);
    double Maximum() const { return maximum_; }
    void SetMaximum(double v);
    double Position() const { return position_; }
    void SetPosition(double v);
    bool GlowAnimation() const { return glowAnimation_; }
    void SetGlowAnimation(bool v);
    bool ProgressAnimation() const { return progressAnimation_; }
    void SetProgressAnimation(bool v);
    TGDIPSplashProgress* Appearance() const { return appearance_.get(); }
    void SetAppearance(TGDIPSplashProgress* v) { appearance_->Assign(v); }
    std::string Version() const { return "1.2.0.0"; }
    void SetVersion(const std::string&) {}

    void Next() { SetPosition(position_ + step_); }
    void Previous() { SetPosition(position_ - step_); }
    void Next(double step) { SetPosition(position_ + step); }
    void Previous(double step) { SetPosition(position_ - step); }
    void GoToValue(double value) { SetPosition(value); }
    void GoToStart() { SetPosition(minimum_); }
    void GoToEnd() { SetPosition(maximum_); }
    bool AnimationInProgress() const;
    // The shown value while the progress animation moves it.
    double ShownPosition() const { return positionTemp_; }
    double GlowPos() const { return glowPos_; }

    void SetComponentStyle(TTMSStyle style) override;
    void AnimationTick();

    TPositionChangedEvent OnPositionChanged;

protected:
    void Paint() override;
    void Resize() override;

private:
    void ApplyAppearance();
    bool ProgressAnimating() const;
    bool Glowing() const;
    void PositionChanged();
    void MoveLimit(double& limit, double v, bool pastPosition);

    double step_ = 10, minimum_ = 0, maximum_ = 100, position_ = 0;
    double positionTo_ = 0, positionTemp_ = 0;
    bool glowAnimation_ = false, progressAnimation_ = false;
    TRect rect_{};
    int glowCount_ = 3000;
    double glowPos_ = -40;
    std::unique_ptr<TGDIPSplashProgress> appearance_;
    std::unique_ptr<TTimer> timer_;
};
