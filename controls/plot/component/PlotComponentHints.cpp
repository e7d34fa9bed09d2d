// The plot's delayed hint box: an object under the resting mouse asks for a
// hint; after HintsPause the box shows (with the mouse captured, so that
// the plot sees the mouse leave), and after HintsHidePause it goes again.
// The control timer drives both delays.

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackDrawing.h"

#include <cstdint>

void TiPlotComponent::UpdateHint(const TiHintData& request, const MouseTarget& target, int x, int y,
                                 bool buttonDown) {
    hintData_ = request;
    const InputKind hintKind = KindOfInput(lastHintTarget_);
    if (buttonDown) {
        HideHint();
    } else if (hintData_.Text.empty()) {
        HideHint();
        lastHintTarget_ = {};
        lastHintShowRect_ = TRect{};
    } else if (lastHintTarget_.object && lastHintTarget_.object != target.object &&
               hintKind != InputKind::ToolBarButton) {
        // The mouse went on to another object: its own delay starts now.
        HideHint();
        lastHintTarget_ = {};
        StartHintDelay(target, x, y);
    } else if (GetTimerActive() && !hintData_.Visible) {
        // The delay starts again on every move.
        RestartHintTimer(hintsPause_);
    } else if (hintData_.Visible &&
               (hintKind == InputKind::ToolBarButton || hintKind == InputKind::Channel)) {
        // The hint stays up while the mouse moves over it.
        RestartHintTimer(hintsHidePause_);
    } else if (hintData_.Visible) {
        HideHint();
    } else if (!GetTimerActive()) {
        StartHintDelay(target, x, y);
    }
    if (hintData_.Visible)
        RepaintNow();
}

void TiPlotComponent::StartHintDelay(const MouseTarget& target, int x, int y) {
    if (lastHintShowRect_.Contains(Point(x, y)) || target.object == lastHintTarget_.object)
        return;
    lastHintX_ = x;
    lastHintY_ = y;
    lastHintTarget_ = target;
    RestartHintTimer(hintsPause_);
}

void TiPlotComponent::RestartHintTimer(int delay) {
    TimerStop();
    TimerStart(delay, delay);
}

void TiPlotComponent::HintTimerTick() {
    TimerStop();
    if (hintData_.Visible) {
        hintData_.Visible = false;
        if (MouseCapture())
            SetMouseCapture(false);
    } else {
        hintData_.Visible = true;
        lastHintShowRect_ = TRect{lastHintX_ - 3, lastHintY_ - 3, lastHintX_ + 3, lastHintY_ + 3};
        RestartHintTimer(hintsHidePause_);
        if (!MouseCapture())
            SetMouseCapture(true);
    }
    RepaintNow();
}

void TiPlotComponent::HideHint() {
    TimerStop();
    hintData_.Visible = false;
    if (hintShowing_)
        RepaintNow();
}

void TiPlotComponent::DrawHint(TCanvas& canvas) {
    hintShowing_ = hintData_.Visible;
    if (!hintData_.Visible)
        return;
    canvas.Font().Assign(*hintsFont_);
    canvas.Brush().SetColor(clInfoBk);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(clInfoText);
    canvas.Pen().SetStyle(psClear);
    using korvan::plot::ClampToInt;
    // An object's box may lie anywhere; its far edges must not wrap.
    const TRect box{hintData_.Left, hintData_.Top, ClampToInt(std::int64_t(hintData_.Left) + hintData_.Width),
                    ClampToInt(std::int64_t(hintData_.Top) + hintData_.Height)};
    canvas.FillRect(box);
    TRect textRect;
    korvan::plot::DrawRotatedText(canvas, hintData_.Text, box, clInfoText, true, iahCenter, ira000, textRect);
}
