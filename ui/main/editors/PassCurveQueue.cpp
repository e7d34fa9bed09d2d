#include "ui/main/editors/PassCurveQueue.h"

#include "platform/forms/Timer.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/PageNames.h"

namespace korvan::editors {

namespace {

// The caption kinds that name a high- and a low-pass corner.
constexpr int HighPassCaption = 5;
constexpr int LowPassCaption = 6;

} // namespace

void PassCurveQueue::Queue(bool highPass, int ch, float hz, int type) {
    timer_.SetEnabled(true);
    pending_ = {.Kind = highPass ? 1 : 0,
                .Channel = ch,
                .GainDb = 0.0,
                .Q = 0.0f,
                .FreqHz = hz,
                .Bypass = 0,
                .TypeIndex = 0,
                .Band = 0,
                .CrossoverType = type};
}

void PassCurveQueue::Fire() {
    timer_.SetEnabled(false);
    Draw(pending_.Kind == 1, pending_.Channel, double(pending_.FreqHz), pending_.CrossoverType);
}

void PassCurveQueue::Draw(bool highPass, int ch, double hz, int type) {
    Plot* plot = ch >= 0 && ch < mainform::ChannelCount ? context_.PlotAt(ch) : nullptr;
    if (plot == nullptr)
        return;
    curves_.BuildHpLpCurve(highPass, type, hz, PassSection, ch);
    plot->ShowSectionParam(highPass ? HighPassCaption : LowPassCaption,
                           highPass ? PassSection : PassSection + 1, 0.0f, 0.0f, true);
    curves_.RedrawTotal(ch);
}

} // namespace korvan::editors
