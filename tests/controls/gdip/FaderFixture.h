#pragma once
// Faders set up as the editor's main window has them (vertical, a 3-pixel
// white-to-black groove with a grey frame, a 16 x 29 picture thumb, no
// ticks, label or step buttons, focus frame on), with thumb pictures drawn
// in code. Shared by the track bar tests and the fader bench.

#include "controls/gdip/GDIPicture.h"
#include "controls/gdip/TrackBar.h"
#include "platform/gfx/Bitmap.h"

namespace korvan::testing {

// The corners of a thumb picture are in this colour, which is the
// picture's bottom-left pixel and so is not drawn.
inline constexpr TColor kThumbKey = clFuchsia;

// A 16 x 29 fader cap: a rounded body in `body`, a dark grip line across
// its middle, the corners in the key colour.
inline TGDIPPicture ThumbPicture(TColor body, TColor grip = clBlack) {
    TBitmap b(16, 29);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(kThumbKey);
    c.FillRect(Rect(0, 0, 16, 29));
    c.Brush().SetColor(body);
    c.Pen().SetColor(clGray);
    c.RoundRect(0, 0, 16, 29, 6, 6);
    c.Pen().SetColor(grip);
    c.MoveTo(2, 14);
    c.LineTo(14, 14);
    TGDIPPicture picture;
    const TBytes bytes = b.SaveToBytes();
    picture.LoadFromStream(bytes);
    return picture;
}

// The editor's fader settings on `f` (range and page as given).
inline void SetUpEditorFader(TCustomTrackBar* f, int min, int max, int pageSize, TGDIPPicture* normal,
                             TGDIPPicture* hot = nullptr, TGDIPPicture* down = nullptr) {
    f->SetOrientation(trVertical);
    f->SetMin(min);
    f->SetMax(max);
    f->SetPageSize(pageSize);
    f->SetShowFocus(true);
    f->Slider()->SetSize(3);
    f->Slider()->SetBorderColor(clMedGray);
    f->TickMark()->SetStyle(tsNone);
    f->Thumb()->SetPicture(normal);
    if (hot)
        f->Thumb()->SetPictureHot(hot);
    if (down)
        f->Thumb()->SetPictureDown(down);
}

} // namespace korvan::testing
