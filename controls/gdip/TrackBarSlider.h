#pragma once
// TTrackBarSlider: the groove: its colours (plain, disabled, and the
// "completed" part between Min and the thumb), pictures, thickness,
// frame and its distance from the control's inner edge. A groove picture
// decides the thickness and drops the frame colour.

#include "controls/gdip/TrackBarPart.h"

#define KORVAN_SLIDER_COLORS(X)                                                                              \
    X(TColor, BorderColor, TColor(12752500), Notify)                                                         \
    X(TColor, BorderColorDisabled, clBlack, Notify)                                                          \
    X(TColor, Color, clWhite, Notify)                                                                        \
    X(TColor, ColorTo, clBlack, Notify)                                                                      \
    X(TColor, ColorDisabled, clBlack, Notify)                                                                \
    X(TColor, ColorDisabledTo, clBlack, Notify)                                                              \
    X(TColor, ColorCompleted, clNone, Notify)                                                                \
    X(TColor, ColorCompletedTo, clNone, Notify)                                                              \
    X(TColor, ColorCompletedDisabled, clNone, Notify)                                                        \
    X(TColor, ColorCompletedDisabledTo, clNone, Notify)

#define KORVAN_SLIDER_VALUES(X)                                                                              \
    X(bool, PictureStretched, false, Notify)                                                                 \
    X(int, Size, 2, Notify)                                                                                  \
    X(bool, Border3D, true, Notify)                                                                          \
    X(bool, Rounded, false, Notify)                                                                          \
    X(bool, Visible, true, Notify)                                                                           \
    X(int, Offset, 10, Notify)

class TTrackBarSlider : public TTrackBarPart {
    KORVAN_CLASS(TTrackBarSlider)
    KORVAN_SLIDER_COLORS(KORVAN_PART_PROPERTY)
    KORVAN_SLIDER_VALUES(KORVAN_PART_PROPERTY)
    KORVAN_PART_PROPERTY(TGradientDirection, Direction, gdHorizontal, Notify)
    KORVAN_PART_PICTURE(Picture)
    KORVAN_PART_PICTURE(PictureDisabled)
    KORVAN_PART_PICTURE(PictureCompleted)
    KORVAN_PART_PICTURE(PictureCompletedDisabled)

public:
    TTrackBarSlider();
    ~TTrackBarSlider() override;

    // Bands of the stepped gradients (not published, not copied).
    int Steps() const { return steps_; }
    // Whether the part between Min and the thumb looks different.
    bool HasCompletedLook() const { return ColorCompleted_ != clNone || !PictureCompleted_->Empty(); }

    // Another groove's look (not Direction); any other source fails.
    void Assign(TPersistent* source) override;
    // Takes the thickness from Picture, drops the frame colour, notifies.
    void PicturesChanged();

private:
    int steps_ = 20;
};
