#include "ui/main/editors/CurveDrag.h"

#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "platform/text/Format.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/PeqBandGrid.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;
using mainform::InputCount;

namespace {

constexpr int HitPixels = 5;   // a handle is hit within 4 pixels ...
constexpr int HitDecibels = 2; // ... and less than 2 dB
constexpr double MaxGainDb = 12.0;
constexpr int MaxFreqIndex = 300;
constexpr int GainZero = 120;
// The hover test narrows at the screen's 96 pixels per inch.
constexpr double HoverScale = TFont::PixelsPerInch == 96 ? 1.5 : 1.0;

int BandCount(int ch) {
    return ch < InputCount ? 8 : 9;
}

int TagOf(TObject* sender) {
    auto* control = dynamic_cast<TControl*>(sender);
    return control ? control->Tag() : -1;
}

// The mouse in the display's units: x on the curve grid, and the height in
// dB measured down from the top (the display's top reads 0, its bottom the
// whole range).
struct MousePoint {
    double x;    // grid position
    double down; // dB below the top of the plot
};

MousePoint Measure(LMyFFTDrawHpLp6dB& display, int x, int y) {
    const TRect area = display.CurvePage().Rect();
    const int width = std::max(display.GetPlotWidth(), 1);
    const int height = std::max(display.GetPlotHeight(), 1);
    return {double(x - area.Left) / width * (display.XMax() - display.XMin()) + display.XMin(),
            double(y - area.Top) / height * (display.YMax() - display.YMin())};
}

std::string CutName(int handle, const char* role) {
    return std::string(handle == HighPassHandle ? "LowCut" : "HighCut") + role;
}

} // namespace

void CurveDrag::AttachHandlers() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        auto* display = context_.Find<LMyFFTDrawHpLp6dB>("fftDraw" + ChannelSuffix(ch));
        if (display == nullptr)
            continue;
        display->SetMouseControl(false);
        display->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState, int x, int y) {
            MouseDown(s, b, x, y);
        };
        display->OnMouseMove = [this](TObject* s, TShiftState, int x, int y) { MouseMove(s, x, y); };
        display->OnMouseUp = [this](TObject* s, TMouseButton, TShiftState, int, int) { MouseUp(s); };
    }
}

bool CurveDrag::HitsSlot(LMyFFTDrawHpLp6dB& display, int ch, int slot, int x, int y, double scale) const {
    const MousePoint m = Measure(display, x, y);
    const TPoint p = display.GetBlockPos(slot);
    const int left = display.CurvePage().Rect().Left;
    // The handle's height negated, as the reading below is.
    const double g = slot < HighPassHandle ? -DeviceToGain(context_.Model().GetPeqBand(ch, slot).gain) : 0.0;
    // Truncating the reading moves the hit zone of a cut band by one; the
    // raise centres both zones alike.
    double reading = std::trunc(m.down) + display.YMin();
    if (g > 0)
        reading += 1.0;
    const int mx = int(std::trunc((x - left) * scale));
    const int px = int(std::trunc(p.X * scale));
    return std::abs(mx - px) < HitPixels && int(std::trunc(std::fabs(reading - g))) < HitDecibels;
}

int CurveDrag::HitTest(LMyFFTDrawHpLp6dB& display, int ch, int x, int y, double scale, bool firstOnly) const {
    // Only the handles the editors draw: the two corners, then the bands.
    for (int corner : {LowPassHandle, HighPassHandle})
        if (HitsSlot(display, ch, corner, x, y, scale))
            return corner;
    int hit = -1;
    for (int band = BandCount(ch) - 1; band >= 0; --band) {
        if (HitsSlot(display, ch, band, x, y, scale)) {
            hit = band;
            if (firstOnly)
                break;
        }
    }
    return hit;
}

void CurveDrag::MouseDown(TObject* sender, TMouseButton button, int x, int y) {
    context_.selectedCurveHandle = -1;
    auto* display = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    const int ch = TagOf(sender);
    if (display == nullptr || ch < 0 || ch >= ChannelCount || button != mbLeft)
        return;
    const int handle = HitTest(*display, ch, x, y, 1.0, false);
    if (handle < 0)
        return;
    context_.selectedCurveHandle = handle;
    if (handle < HighPassHandle)
        peq_.SelectBand(ch, handle);
}

void CurveDrag::MouseMove(TObject* sender, int x, int y) {
    if (x == lastX_ && y == lastY_)
        return;
    lastX_ = x;
    lastY_ = y;
    auto* display = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    const int ch = TagOf(sender);
    if (display == nullptr || ch < 0 || ch >= ChannelCount)
        return;
    const int handle = context_.selectedCurveHandle;
    if (handle == -1) {
        display->SetCursor(HitTest(*display, ch, x, y, HoverScale, true) >= 0 ? crCross : crDefault);
        return;
    }
    const MousePoint m = Measure(*display, x, y);
    // The point under the mouse on the unit's steps: 0.1 dB towards 0 dB
    // within +-12 dB, and the 1/30-octave grid within 19.7 Hz .. 20.16 kHz.
    const double db = std::clamp(display->YMax() - m.down, -MaxGainDb, MaxGainDb);
    const int gainSteps = int(std::trunc(db * 10.0 + (db >= 0 ? 1e-9 : -1e-9)));
    const double hz = std::pow(curves::CurveTopFrequency, m.x / curves::CurvePointCount);
    const int freqIndex = std::clamp(FreqToIndex(hz), 0, MaxFreqIndex);
    if (handle < HighPassHandle)
        DragBand(ch, handle, freqIndex, gainSteps);
    else
        DragCorner(ch, handle, freqIndex);
}

void CurveDrag::DragBand(int ch, int band, int freqIndex, int gainSteps) {
    if (band >= BandCount(ch))
        return;
    LUnitControl& model = context_.Model();
    BandSetting setting{model.GetPeqBand(ch, band), model.IsPeqBandBypassed(ch, band)};
    setting.band.freq = static_cast<std::uint16_t>(freqIndex);
    setting.band.gain = static_cast<std::uint16_t>(GainZero + gainSteps);
    // A grid on the form shows the values; its change road is closed while
    // the drag runs.
    if (auto* grid = context_.Find<TPeqBandGrid>("peqPeq" + ChannelSuffix(ch))) {
        grid->SetFreqValue(band, IndexToFreq(freqIndex));
        grid->SetGainValue(band, gainSteps * 0.1);
    }
    peq_.PressBandButton(ch, band, true);
    const BandValues v = ValuesOf(setting.band);
    mouseTimer_.SetEnabled(true);
    bandPending_ = {.Kind = 0,
                    .Channel = ch,
                    .GainDb = v.gainDb,
                    .Q = float(v.q),
                    .FreqHz = float(v.freqHz),
                    .Bypass = setting.bypass ? 1 : 0,
                    .TypeIndex = v.type,
                    .Band = band,
                    .CrossoverType = 0};
    peq_.MarkSelected(ch, band);
    model.SetPeq(ch, band, setting.band, setting.bypass ? 1 : 0);
}

void CurveDrag::DragCorner(int ch, int handle, int freqIndex) {
    const std::string suffix = ChannelSuffix(ch);
    const bool highPass = handle == HighPassHandle;
    auto* readOut = context_.Find<TControl>("cvd" + CutName(handle, "Freq") + suffix);
    auto* bypass = context_.Find<TRzBmpButton>("rzb" + CutName(handle, "Bypass") + suffix);
    auto* slope = context_.Find<TComboBox>("rzc" + CutName(handle, "Slop") + suffix);
    auto* fader = context_.Find<TControl>("is" + CutName(handle, "Freq") + suffix);
    mainform::FaderRange range;
    if (readOut == nullptr || bypass == nullptr || slope == nullptr ||
        !mainform::ReadFaderRange(fader, range))
        return;
    const double hz = IndexToFreq(freqIndex);
    // Both read-outs are written here, so the low-pass one follows even
    // before its fader's own change has run.
    readOut->SetText(hz >= 1000.0 ? text::Printf("%4.2fKHz", {hz * 0.001}) : text::Printf(" %4.1fHz", {hz}));
    // The fader follows; its own change handler stores and sends as well.
    mainform::SetFaderPosition(fader, freqIndex);
    mainform::ReadFaderRange(fader, range);
    // The curve is drawn with the type the controls show.
    const int type = bypass->Down() ? 0 : slope->ItemIndex() + 1;
    passCurve_.Queue(highPass, ch, float(hz), type);
    // The model keeps its filter types; only the corner moves.
    LUnitControl& model = context_.Model();
    CrossoverSetting setting = model.GetCrossover(ch);
    if (highPass) {
        setting.hpFreq = static_cast<std::uint16_t>(range.position);
        model.SetHighPass(ch, setting);
    } else {
        setting.lpFreq = static_cast<std::uint16_t>(range.position);
        model.SetLowPass(ch, setting);
    }
    // The band keeps its place but loses its highlight while a corner moves.
    const int band = peq_.SelectedBand(ch);
    if (band != NoBand) {
        peq_.PressBandButton(ch, band, false);
        if (auto* grid = context_.Find<TPeqBandGrid>("peqPeq" + suffix))
            grid->SetNowIndex(-1);
    }
    readOut->Font().SetColor(clGreen);
}

void CurveDrag::MouseUp(TObject* sender) {
    const int ch = TagOf(sender);
    if (ch >= 0 && ch < ChannelCount)
        for (const char* cut : {"cvdLowCutFreq", "cvdHighCutFreq"})
            if (auto* readOut = context_.Find<TControl>(cut + ChannelSuffix(ch)))
                readOut->Font().SetColor(clBlack);
    context_.selectedCurveHandle = -1;
}

void CurveDrag::MouseEqCurveTimer() {
    mouseTimer_.SetEnabled(false);
    const PendingPeqEdit& p = bandPending_;
    const int ch = p.Channel;
    if (ch < 0 || ch >= ChannelCount || p.Band < 0 || p.Band >= BandCount(ch))
        return;
    peq_.UpdatePeqEdits(ch, true, p.FreqHz, p.Q, p.GainDb);
    peq_.FocusFrequency(ch);
    const PeqBand band{.gain = static_cast<std::uint16_t>(GainZero + std::lround(p.GainDb * 10.0)),
                       .freq = static_cast<std::uint16_t>(std::clamp(FreqToIndex(p.FreqHz), 0, MaxFreqIndex)),
                       .q = static_cast<std::uint8_t>(std::clamp(QToIndex(p.Q), 0, 100)),
                       .type = static_cast<std::uint8_t>(p.TypeIndex)};
    const BandSetting setting = {band, p.Bypass != 0};
    curves_.SetBandSection(ch, p.Band, setting);
    peq_.ShowBand(ch, p.Band, setting);
}

} // namespace korvan::editors
