#pragma once
// TTrackBarButtons: the two step buttons at the ends of the track: their
// colour sets (normal, hot, pressed, each with a mirror pair), pictures,
// size, shape, the gap to the groove, the step and the auto-repeat
// pauses. A Min or Max picture decides the size.

#include "controls/gdip/TrackBarPart.h"

#define KORVAN_BUTTON_COLORS(X)                                                                              \
    X(TColor, BorderColor, TColor(9262895), Notify)                                                          \
    X(TColor, BorderColorHot, TColor(10079963), Notify)                                                      \
    X(TColor, BorderColorDown, TColor(4548219), Notify)                                                      \
    X(TColor, Color, TColor(15653832), Notify)                                                               \
    X(TColor, ColorTo, TColor(16178633), Notify)                                                             \
    X(TColor, ColorHot, TColor(15465983), Notify)                                                            \
    X(TColor, ColorHotTo, TColor(11332863), Notify)                                                          \
    X(TColor, ColorDown, TColor(7778289), Notify)                                                            \
    X(TColor, ColorDownTo, TColor(4296947), Notify)

#define KORVAN_BUTTON_MIRROR_COLORS(X)                                                                       \
    X(TColor, ColorMirror, TColor(15586496), Field)                                                          \
    X(TColor, ColorMirrorTo, TColor(16245200), Field)                                                        \
    X(TColor, ColorMirrorHot, TColor(5888767), Field)                                                        \
    X(TColor, ColorMirrorHotTo, TColor(10807807), Field)                                                     \
    X(TColor, ColorMirrorDown, TColor(946929), Field)                                                        \
    X(TColor, ColorMirrorDownTo, TColor(5021693), Field)

#define KORVAN_BUTTON_VALUES(X)                                                                              \
    X(int, InitRepeatPause, 400, Field)                                                                      \
    X(int, RepeatPause, 100, Field)                                                                          \
    X(bool, RepeatClick, true, Field)                                                                        \
    X(bool, RotateText, true, Notify)                                                                        \
    X(bool, Visible, false, Notify)                                                                          \
    X(int, Spacing, 2, Notify)                                                                               \
    X(int, Step, 1, Field)

class TTrackBarButtons : public TTrackBarPart {
    KORVAN_CLASS(TTrackBarButtons)
    KORVAN_BUTTON_COLORS(KORVAN_PART_PROPERTY)
    KORVAN_BUTTON_MIRROR_COLORS(KORVAN_PART_PROPERTY)
    KORVAN_BUTTON_VALUES(KORVAN_PART_PROPERTY)
    KORVAN_PART_PROPERTY(TGDIPGradient, Gradient, ggVertical, Notify)
    KORVAN_PART_PROPERTY(TGDIPGradient, GradientMirror, ggVertical, Notify)
    KORVAN_PART_PROPERTY(TTrackButtonShape, Shape, bsRound, Notify)
    KORVAN_PART_PICTURE(MinPicture)
    KORVAN_PART_PICTURE(MaxPicture)
    KORVAN_PART_PICTURE(MinPictureHot)
    KORVAN_PART_PICTURE(MinPictureDown)
    KORVAN_PART_PICTURE(MaxPictureHot)
    KORVAN_PART_PICTURE(MaxPictureDown)

public:
    TTrackBarButtons();
    ~TTrackBarButtons() override;

    // Along the track; ignored while a Min or Max picture is held.
    int Size() const { return size_; }
    void SetSize(int value);

    // Another button pair (not the gradient kinds); any other source fails.
    void Assign(TPersistent* source) override;
    // Takes the size from MinPicture (else MaxPicture) and notifies.
    void PicturesChanged();

private:
    int size_ = 20;
};
