#include "ui/curves/LProgressBar.h"

#include "platform/forms/TypeInfo.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int DesignWidth = 14;
constexpr int DesignHeight = 132;
} // namespace

const TClassInfo& LProgressBar::StaticClassInfo() {
    using B = LProgressBar;
    static const TClassInfo info = korvan::forms::ClassBuilder<B>("LProgressBar", &TPanel::StaticClassInfo())
                                       .Creator()
                                       .Property("FirstColor", &B::FirstColor, &B::SetFirstColor)
                                       .TypeName("TColor")
                                       .Default(128)
                                       .Property("SecondColor", &B::SecondColor, &B::SetSecondColor)
                                       .TypeName("TColor")
                                       .Default(32896)
                                       .Property("ThirdColor", &B::ThirdColor, &B::SetThirdColor)
                                       .TypeName("TColor")
                                       .Default(32768)
                                       .Property("FirstNum", &B::FirstNum, &B::SetFirstNum)
                                       .Default(1)
                                       .Property("SecondNum", &B::SecondNum, &B::SetSecondNum)
                                       .Default(1)
                                       .Property("ThirdNum", &B::ThirdNum, &B::SetThirdNum)
                                       .Default(3)
                                       .Property("Position", &B::Position, &B::SetPosition)
                                       .Default(0)
                                       // The constructor's 100 differs from the declared
                                       // default: a form always stores Max.
                                       .Property("Max", &B::Max, &B::SetMax)
                                       .Default(0)
                                       .Property("Min", &B::Min, &B::SetMin)
                                       .Default(0)
                                       .Property("LFirstColor", &B::LFirstColor, &B::SetLFirstColor)
                                       .TypeName("TColor")
                                       .Default(255)
                                       .Property("LSecondColor", &B::LSecondColor, &B::SetLSecondColor)
                                       .TypeName("TColor")
                                       .Default(65535)
                                       .Property("LThirdColor", &B::LThirdColor, &B::SetLThirdColor)
                                       .TypeName("TColor")
                                       .Default(65280)
                                       .Build();
    return info;
}

LProgressBar::LProgressBar(TComponent* owner) : TPanel(owner) {
    // No caption and nothing placed on it: only the segments show.
    controlStyle_ = csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable;
    SetBevelInner(bvLowered);
    SetBevelOuter(bvLowered);
    SetBounds(Left(), Top(), DesignWidth, DesignHeight);
    SetColor(clBlack);
    segments_.resize(std::size_t(zoneSizes_[0] + zoneSizes_[1] + zoneSizes_[2]));
    for (Segment& segment : segments_)
        segment.serial = nextSerial_++;
    LayOut();
    TurnAllOff();
}

int LProgressBar::ZoneOf(int index) const {
    if (index < zoneSizes_[0])
        return 0;
    if (index < zoneSizes_[0] + zoneSizes_[1])
        return 1;
    return 2;
}

bool LProgressBar::IsSegmentLit(int index) const {
    const TColor color = SegmentColor(index);
    return std::find(std::begin(litColors_), std::end(litColors_), color) != std::end(litColors_);
}

void LProgressBar::Recolor(Segment& segment, TColor color, bool& changed) {
    if (segment.color == color)
        return;
    segment.color = color;
    changed = true;
}

// --- colours -------------------------------------------------------------------

void LProgressBar::SetOffColor(int zone, TColor value) {
    if (offColors_[zone] == value)
        return;
    offColors_[zone] = value;
    bool changed = false;
    for (int i = 0; i < SegmentCount(); ++i)
        if (ZoneOf(i) == zone)
            Recolor(segments_[std::size_t(i)], value, changed);
    if (changed)
        Invalidate();
}

void LProgressBar::SetLitColor(int zone, TColor value) {
    const TColor old = litColors_[zone];
    if (old == value)
        return;
    bool changed = false;
    for (int i = 0; i < SegmentCount(); ++i) {
        Segment& segment = segments_[std::size_t(i)];
        if (ZoneOf(i) == zone && segment.color == old)
            Recolor(segment, value, changed);
    }
    litColors_[zone] = value;
    if (changed)
        Invalidate();
}

void LProgressBar::TurnAllOff() {
    bool changed = false;
    for (int i = 0; i < SegmentCount(); ++i)
        Recolor(segments_[std::size_t(i)], offColors_[ZoneOf(i)], changed);
    if (changed)
        Invalidate();
}

// --- position --------------------------------------------------------------------

void LProgressBar::SetPosition(int value) {
    if (value == position_)
        return;
    position_ = value > max_ ? max_ : value < min_ ? min_ : value;
    const int count = SegmentCount();
    int lit = 0;
    if (count > 0 && max_ > 0) {
        // The step is held in single precision, as the scale always was:
        // 10 over seven segments is 1.4285715, and 10 / step falls just
        // short of 7 (the full-scale rule below lights the seventh).
        const float step = static_cast<float>(max_) / static_cast<float>(count);
        lit = std::min(static_cast<int>(static_cast<double>(position_) / static_cast<double>(step)), count);
        if (value >= max_ && lit < count)
            ++lit;
    }
    bool changed = false;
    // From the bottom upwards, lit ones; then from the top down, the rest
    // off. A segment already in the wanted state keeps its colour.
    for (int k = 0; k < lit; ++k) {
        Segment& segment = segments_[std::size_t(count - 1 - k)];
        for (int zone = 0; zone < 3; ++zone)
            if (segment.color == offColors_[zone]) {
                Recolor(segment, litColors_[zone], changed);
                break;
            }
    }
    for (int k = 0; k < count - lit; ++k) {
        Segment& segment = segments_[std::size_t(k)];
        for (int zone = 0; zone < 3; ++zone)
            if (segment.color == litColors_[zone]) {
                Recolor(segment, offColors_[zone], changed);
                break;
            }
    }
    if (changed)
        Invalidate();
}

// --- zones -----------------------------------------------------------------------

void LProgressBar::SetZoneSize(int zone, int value) {
    value = std::clamp(value, 0, MaxZoneSegments);
    const int old = zoneSizes_[zone];
    if (value == old)
        return;
    // The zone's segments run from `first` to before `end`; new ones go
    // after its last, and a shrinking zone loses its last ones. Those after
    // the zone move up or down with it and keep their order.
    int first = 0;
    for (int z = 0; z < zone; ++z)
        first += zoneSizes_[z];
    const auto end = segments_.begin() + (first + old);
    if (value > old) {
        std::vector<Segment> added(std::size_t(value - old));
        for (Segment& segment : added)
            segment.serial = nextSerial_++;
        segments_.insert(end, added.begin(), added.end());
    } else {
        segments_.erase(end - (old - value), end);
    }
    zoneSizes_[zone] = value;
    LayOut();
    TurnAllOff();
    Invalidate();
}

// --- geometry and painting ------------------------------------------------------

void LProgressBar::LayOut() {
    const int count = SegmentCount();
    if (count == 0)
        return;
    const int width = Width();
    const int height = Height();
    // Each segment is one n-th of the height and two pixels more, so that
    // neighbours overlap and their outlines make thin dark separators; the
    // first starts a pixel above the top edge.
    const int segmentHeight = height / count + 2;
    const double pitch = static_cast<double>(height) / count;
    for (int i = 0; i < count; ++i) {
        const int top = static_cast<int>(pitch * i) - 1;
        segments_[std::size_t(i)].bounds = Bounds(0, top, width, segmentHeight);
    }
}

void LProgressBar::Paint() {
    // A size change reaches the segments here, at the first paint after it.
    if (lastWidth_ != 0 && (Width() != lastWidth_ || Height() != lastHeight_)) {
        lastWidth_ = Width();
        lastHeight_ = Height();
        LayOut();
    }
    TPanel::Paint();
    TCanvas& canvas = Canvas();
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetStyle(bsSolid);
    for (const Segment& segment : segments_) {
        canvas.Brush().SetColor(segment.color);
        canvas.Rectangle(segment.bounds);
    }
}
