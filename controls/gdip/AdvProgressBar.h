#pragma once
// TAdvProgressBar: a non-windowed progress bar in four colour levels (each
// a two-colour gradient), drawn as blocks, as one smooth bar or as stacked
// level segments, horizontal or vertical (growing upward), with rounded
// ends, optional level backgrounds, a percentage or value text, and an
// infinite mode in which a short piece travels back and forth on a timer.
//
// A position inside Min..Max is drawn at once when its percentage or its
// block changed; one outside is clamped and not drawn. The percentage is
// (Position - Min) / (Max - Min), 0 when Max equals Min.

#include "platform/forms/Control.h"
#include "platform/forms/Timer.h"

#include <memory>
#include <string>

enum TGaugeOrientation { goHorizontal, goVertical };

// What Paint hands to the drawing routine.
struct TGaugeSettings {
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo;
    TColor Level2Color, Level2ColorTo, Level3Color, Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor, Level0BkColor, Level1BkColor, Level2BkColor;
    bool ShowBorder, Stacked, ShowPercentage, ShowPosition;
    const TFont* Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    int Position; // the percentage
    int Value;    // the position
    int Max;
    TColor BackgroundColor;
    TGaugeOrientation Orientation;
    bool Rounded;
    std::string Format;
    bool Infinite;
    int InfinitePos;
};

namespace korvan::gdip {
// Draws a gauge into r on the canvas.
void DrawGauge(TCanvas& canvas, const TRect& r, const TGaugeSettings& settings);
// The percentage of a position in min..max (0 when max equals min),
// rounded half to even.
int GaugePercent(int position, int min, int max);
} // namespace korvan::gdip

class TAdvProgressBar : public TGraphicControl {
    KORVAN_CLASS(TAdvProgressBar)
public:
    explicit TAdvProgressBar(TComponent* owner);
    ~TAdvProgressBar() override;

#define KORVAN_GAUGE_PROPERTY(Type, Name, field)                                                             \
    Type Name() const {                                                                                      \
        return field;                                                                                        \
    }                                                                                                        \
    void Set##Name(Type value) {                                                                             \
        field = value;                                                                                       \
        Invalidate();                                                                                        \
    }
    KORVAN_GAUGE_PROPERTY(TColor, Level0Color, level0Color_)
    KORVAN_GAUGE_PROPERTY(TColor, Level0ColorTo, level0ColorTo_)
    KORVAN_GAUGE_PROPERTY(TColor, Level1Color, level1Color_)
    KORVAN_GAUGE_PROPERTY(TColor, Level1ColorTo, level1ColorTo_)
    KORVAN_GAUGE_PROPERTY(TColor, Level2Color, level2Color_)
    KORVAN_GAUGE_PROPERTY(TColor, Level2ColorTo, level2ColorTo_)
    KORVAN_GAUGE_PROPERTY(TColor, Level3Color, level3Color_)
    KORVAN_GAUGE_PROPERTY(TColor, Level3ColorTo, level3ColorTo_)
    KORVAN_GAUGE_PROPERTY(int, Level1Perc, level1Perc_)
    KORVAN_GAUGE_PROPERTY(int, Level2Perc, level2Perc_)
    KORVAN_GAUGE_PROPERTY(TColor, BorderColor, borderColor_)
    KORVAN_GAUGE_PROPERTY(bool, ShowBorder, showBorder_)
    KORVAN_GAUGE_PROPERTY(bool, Stacked, stacked_)
    KORVAN_GAUGE_PROPERTY(bool, ShowPercentage, showPercentage_)
    KORVAN_GAUGE_PROPERTY(bool, ShowPosition, showPosition_)
    KORVAN_GAUGE_PROPERTY(bool, CompletionSmooth, completionSmooth_)
    KORVAN_GAUGE_PROPERTY(bool, ShowGradient, showGradient_)
    KORVAN_GAUGE_PROPERTY(int, Steps, steps_)
    KORVAN_GAUGE_PROPERTY(TColor, BackgroundColor, backgroundColor_)
    KORVAN_GAUGE_PROPERTY(TGaugeOrientation, Orientation, orientation_)
    KORVAN_GAUGE_PROPERTY(bool, Rounded, rounded_)
    KORVAN_GAUGE_PROPERTY(std::string, Format, format_)
#undef KORVAN_GAUGE_PROPERTY

    // Level backgrounds: stored and repainted only when they change.
    TColor Level0BkColor() const {
        return level0BkColor_;
    }
    void SetLevel0BkColor(TColor value);
    TColor Level1BkColor() const {
        return level1BkColor_;
    }
    void SetLevel1BkColor(TColor value);
    TColor Level2BkColor() const {
        return level2BkColor_;
    }
    void SetLevel2BkColor(TColor value);

    int Position() const {
        return position_;
    }
    void SetPosition(int value);
    int Min() const {
        return min_;
    }
    // Min and Max recompute the block size and repaint; Position is not clamped.
    void SetMin(int value);
    int Max() const {
        return max_;
    }
    void SetMax(int value);

    bool Animated() const {
        return animated_;
    }
    void SetAnimated(bool value);
    bool Infinite() const {
        return infinite_;
    }
    void SetInfinite(bool value);
    int InfiniteInterval() const {
        return infiniteInterval_;
    }
    void SetInfiniteInterval(int value);
    int InfinitePos() const {
        return infinitePos_;
    }
    bool TimerRunning() const {
        return timer_->Enabled();
    }

    // "1.2.0.1"; writing it is ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    void TimerTick();

protected:
    void Paint() override;
    // Draws the bar now (a position change that shows).
    virtual void DrawNow() {
        Repaint();
    }

private:
    void SetBkColor(TColor& field, TColor value);
    void UpdateTimer();
    TGaugeSettings Settings() const;

    TColor level0Color_ = clLime, level0ColorTo_ = 14811105;
    TColor level1Color_ = clYellow, level1ColorTo_ = 13303807;
    TColor level2Color_ = 5483007, level2ColorTo_ = 11064319;
    TColor level3Color_ = clRed, level3ColorTo_ = 13290239;
    int level1Perc_ = 70, level2Perc_ = 90;
    TColor level0BkColor_ = clNone, level1BkColor_ = clNone, level2BkColor_ = clNone;
    TColor borderColor_ = clGray;
    bool showBorder_ = true, stacked_ = false, showPercentage_ = true, showPosition_ = true;
    bool completionSmooth_ = false, showGradient_ = true;
    int steps_ = 8;
    int position_ = 50;
    TColor backgroundColor_ = clWhite;
    TGaugeOrientation orientation_ = goHorizontal;
    int min_ = 0, max_ = 100;
    bool rounded_ = true;
    std::string format_;
    bool animated_ = false, infinite_ = false;
    int infiniteInterval_ = 50;
    int maxIncrement_ = 1;
    int infinitePos_ = 0;
    bool infiniteInc_ = false;
    int oldBlockPos_ = 0, oldPos_ = 0;
    std::unique_ptr<TTimer> timer_;
};
