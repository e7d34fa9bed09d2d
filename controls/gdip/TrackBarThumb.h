#pragma once
// TTrackBarThumb: the thumb's look (colour sets of the normal, hot,
// pressed and disabled states for a two-half face, shape, pointer side)
// and its size. A picture, once held, decides the size: on a vertical bar
// Width (along the track) is the picture's height and Size its width.

#include "controls/gdip/TrackBarPart.h"

#define KORVAN_THUMB_COLORS(X)                                                                               \
    X(TColor, BorderColor, TColor(10317632), Notify)                                                         \
    X(TColor, BorderColorHot, TColor(10079963), Notify)                                                      \
    X(TColor, BorderColorDown, TColor(4548219), Notify)                                                      \
    X(TColor, BorderColorDisabled, clBlack, Notify)                                                          \
    X(TColor, Color, TColor(15653832), Notify)                                                               \
    X(TColor, ColorTo, TColor(16178633), Notify)                                                             \
    X(TColor, ColorHot, TColor(15465983), Notify)                                                            \
    X(TColor, ColorHotTo, TColor(11332863), Notify)                                                          \
    X(TColor, ColorDown, TColor(7778289), Notify)                                                            \
    X(TColor, ColorDownTo, TColor(4296947), Notify)                                                          \
    X(TColor, ColorDisabled, clBlack, Notify)                                                                \
    X(TColor, ColorDisabledTo, clBlack, Notify)                                                              \
    X(TColor, ColorMirror, TColor(15586496), Notify)                                                         \
    X(TColor, ColorMirrorTo, TColor(16245200), Notify)                                                       \
    X(TColor, ColorMirrorHot, TColor(5888767), Field)                                                        \
    X(TColor, ColorMirrorHotTo, TColor(10807807), Field)                                                     \
    X(TColor, ColorMirrorDown, TColor(946929), Field)                                                        \
    X(TColor, ColorMirrorDownTo, TColor(5021693), Field)                                                     \
    X(TColor, ColorMirrorDisabled, clBlack, Notify)                                                          \
    X(TColor, ColorMirrorDisabledTo, clBlack, Notify)

class TTrackBarThumb : public TTrackBarPart {
    KORVAN_CLASS(TTrackBarThumb)
    KORVAN_THUMB_COLORS(KORVAN_PART_PROPERTY)
    KORVAN_PART_PROPERTY(TGDIPGradient, Gradient, ggVertical, Notify)
    KORVAN_PART_PROPERTY(TGDIPGradient, GradientMirror, ggRadial, Notify)
    KORVAN_PART_PROPERTY(bool, ShowAtMinMax, true, Notify)
    KORVAN_PART_PROPERTY(TThumbShape, Shape, tsPointer, Notify)
    KORVAN_PART_PICTURE(Picture)
    KORVAN_PART_PICTURE(PictureHot)
    KORVAN_PART_PICTURE(PictureDown)
    KORVAN_PART_PICTURE(PictureDisabled)

public:
    TTrackBarThumb();
    ~TTrackBarThumb() override;

    // Across the track; ignored while Picture holds an image.
    int Size() const { return size_; }
    void SetSize(int value);
    // Along the track; ignored while Picture holds an image.
    int Width() const { return width_; }
    void SetWidth(int value);
    // Stored when the owning track bar accepts it (never without one).
    TThumbPointer ThumbPointer() const { return thumbPointer_; }
    void SetThumbPointer(TThumbPointer value);
    // Bands of the stepped gradients (not published).
    int Steps() const { return steps_; }
    TThumbStyle Style() const { return style_; }

    // Another thumb's colours, pictures and sizes (not ShowAtMinMax); any
    // other source leaves this thumb as it is.
    void Assign(TPersistent* source) override;
    // Takes the sizes from Picture and notifies (the picture rule).
    void PicturesChanged();

private:
    int size_ = 15;
    int width_ = 10;
    TThumbPointer thumbPointer_ = tpCenter;
    int steps_ = 64;
    TThumbStyle style_ = tstOffice2007;
};
