#pragma once
// LProgressBar: the segmented vertical level meter of the main window. A
// black lowered panel split into a column of rectangle segments, numbered 1
// from the top, in three colour zones (first at the top, third at the
// bottom). Each zone has an off and a lit colour; Position lights segments
// from the bottom upwards. A segment is lit exactly when its colour is a lit
// colour: the zone of a segment is recognised by its colour, in the order
// first, second, third.
//
// The meter draws its segments itself. Their geometry follows the control's
// size lazily, at the next paint after a resize; colours change only where a
// segment's state changes, and only then is the meter repainted.

#include "platform/forms/ExtCtrls.h"

#include <vector>

class LProgressBar : public TPanel {
    KORVAN_CLASS(LProgressBar)
public:
    // A zone holds at most this many segments (a larger stored value is
    // taken as this): a meter is a few hundred pixels tall.
    static constexpr int MaxZoneSegments = 256;

    explicit LProgressBar(TComponent* owner);

    // Off colours of the three zones. Setting one recolours every segment of
    // its zone, lit or not.
    TColor FirstColor() const { return offColors_[0]; }
    void SetFirstColor(TColor value) { SetOffColor(0, value); }
    TColor SecondColor() const { return offColors_[1]; }
    void SetSecondColor(TColor value) { SetOffColor(1, value); }
    TColor ThirdColor() const { return offColors_[2]; }
    void SetThirdColor(TColor value) { SetOffColor(2, value); }

    // Lit colours. Setting one recolours the zone's segments that show the
    // old lit colour; segments that are off stay off.
    TColor LFirstColor() const { return litColors_[0]; }
    void SetLFirstColor(TColor value) { SetLitColor(0, value); }
    TColor LSecondColor() const { return litColors_[1]; }
    void SetLSecondColor(TColor value) { SetLitColor(1, value); }
    TColor LThirdColor() const { return litColors_[2]; }
    void SetLThirdColor(TColor value) { SetLitColor(2, value); }

    // Zone sizes (0..MaxZoneSegments). A change makes or destroys the
    // zone's segments, lays every segment out again and turns it off;
    // Position keeps its value and is not shown again.
    int FirstNum() const { return zoneSizes_[0]; }
    void SetFirstNum(int value) { SetZoneSize(0, value); }
    int SecondNum() const { return zoneSizes_[1]; }
    void SetSecondNum(int value) { SetZoneSize(1, value); }
    int ThirdNum() const { return zoneSizes_[2]; }
    void SetThirdNum(int value) { SetZoneSize(2, value); }

    // The value shown, kept within Min..Max. A meter without segments or
    // with Max of 0 or less lights nothing.
    int Position() const { return position_; }
    void SetPosition(int value);
    // The scale; setting either redraws nothing and leaves Position alone.
    int Max() const { return max_; }
    void SetMax(int value) { max_ = value; }
    int Min() const { return min_; }
    void SetMin(int value) { min_ = value; }

    // --- segments, 0 being the top one (named "shape1") ---
    int SegmentCount() const { return static_cast<int>(segments_.size()); }
    TColor SegmentColor(int index) const { return segments_.at(std::size_t(index)).color; }
    bool IsSegmentLit(int index) const;
    // Where the segment is drawn, in client coordinates (as last laid out).
    TRect SegmentBounds(int index) const { return segments_.at(std::size_t(index)).bounds; }
    // The order in which the segment was made (0 for the first one made):
    // tells a segment that was renumbered from one that is new.
    int SegmentSerial(int index) const { return segments_.at(std::size_t(index)).serial; }

protected:
    void Paint() override;

private:
    struct Segment {
        TColor color = clBlack;
        TRect bounds;
        int serial = 0;
    };

    void SetOffColor(int zone, TColor value);
    void SetLitColor(int zone, TColor value);
    void SetZoneSize(int zone, int value);
    // The zone of segment `index` by its place in the column.
    int ZoneOf(int index) const;
    // Every segment's bounds from the current size.
    void LayOut();
    // Every segment in its zone's off colour.
    void TurnAllOff();
    void Recolor(Segment& segment, TColor color, bool& changed);

    TColor offColors_[3] = {128, 32896, 32768};
    TColor litColors_[3] = {255, 65535, 65280};
    int zoneSizes_[3] = {1, 1, 3};
    int position_ = 0;
    int max_ = 100;
    int min_ = 0;
    // The size the segments were last laid out for at a paint.
    int lastWidth_ = 14;
    int lastHeight_ = 132;
    std::vector<Segment> segments_;
    int nextSerial_ = 0;
};
