#pragma once
// TTrackBarTick: the tick rows: which sides, length, distance from the
// groove, colours, the value texts and their font, and the tick images
// shown at the thumb only or at every n-th value.

#include "controls/gdip/TrackBarPart.h"
#include "platform/gfx/GraphicsObjects.h"

#define KORVAN_TICK_VALUES(X)                                                                                \
    X(bool, Line3D, false, Notify)                                                                           \
    X(bool, RotateFontVert, true, Notify)                                                                    \
    X(bool, ShowText, false, Notify)                                                                         \
    X(bool, ShowImageAtThumbOnly, false, Notify)                                                             \
    X(int, ShowImageAtSteps, 1, Notify)                                                                      \
    X(int, Spacing, 8, Notify)                                                                               \
    X(int, Size, 4, Notify)

class TTrackBarTick : public TTrackBarPart {
    KORVAN_CLASS(TTrackBarTick)
    KORVAN_PART_PROPERTY(TColor, Color, clBlack, Notify)
    KORVAN_PART_PROPERTY(TColor, ColorDisabled, clBlack, Notify)
    KORVAN_PART_PROPERTY(TTickMark, Position, tmBottomRight, Notify)
    KORVAN_PART_PROPERTY(TTickStyle, Style, tsAuto, Notify)
    KORVAN_TICK_VALUES(KORVAN_PART_PROPERTY)
    KORVAN_PART_PICTURE(Picture)
    KORVAN_PART_PICTURE(PictureDisabled)

public:
    TTrackBarTick();
    ~TTrackBarTick() override;

    TFont* Font() const { return &font_; }
    void SetFont(TFont* value) {
        if (value)
            font_.Assign(*value);
    }

    // Another tick set (not RotateFontVert); any other source fails.
    void Assign(TPersistent* source) override;

private:
    mutable TFont font_;
};
