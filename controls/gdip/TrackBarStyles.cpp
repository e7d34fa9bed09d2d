// The style presets of the track bar: each names the colour sets of the
// thumb and the step buttons and the groove's frame colour.

#include "controls/gdip/TrackBar.h"

namespace {

constexpr TColor None = clNone;

struct FaceSet {
    TColor Color, ColorTo, Mirror, MirrorTo, Border;
};

struct StylePreset {
    FaceSet Normal, Hot, Down;
    TColor SliderBorder;
    FaceSet ButtonNormal;
};

constexpr FaceSet kHot2003{0xCCF4FF, 0xACECFF, 0x59DAFF, 0x91D0FF, 0x99CEDB};
constexpr FaceSet kHot2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
constexpr FaceSet kDownOffice{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr FaceSet kHot2010{0xDFF7FD, 0x79DFFB, 0x79DFFB, 0xDFF7FD, 0x34C2F0};
constexpr FaceSet kDown2010{0x65C7F5, 0x8AE4FF, 0x8AE4FF, 0x65C7F5, 0x2C78C2};

// Buttons mirror the thumb's normal set; where the thumb has no mirror
// colours they take both from ColorTo (Office 2010) or the main pair.
constexpr FaceSet MirrorOfTo(FaceSet f) {
    return {f.Color, f.ColorTo, f.ColorTo, f.ColorTo, f.Border};
}
constexpr FaceSet MirrorOfMain(FaceSet f) {
    return {f.Color, f.ColorTo, f.Color, f.ColorTo, f.Border};
}

StylePreset Preset(TTMSStyle style) {
    switch (style) {
    case tsOffice2003Blue:
        return {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B},
                kHot2003,
                kDownOffice,
                0xC29674,
                {0xFEECDD, 0xF9DBC4, 0xFEECDD, 0xE2A981, 0x9C613B}};
    case tsOffice2003Silver: {
        const FaceSet n{0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476};
        return {n, kHot2003, kDownOffice, 0x927476, n};
    }
    case tsOffice2003Olive: {
        const FaceSet n{0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1};
        return {n, kHot2003, kDownOffice, 0x8CC0B1, n};
    }
    case tsOffice2003Classic: {
        const FaceSet n{0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000};
        return {n, kHot2007, kDownOffice, 0x927476, n};
    }
    case tsOffice2007Luna: {
        const FaceSet n{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B};
        return {n, kHot2007, kDownOffice, 0xC29674, n};
    }
    case tsOffice2007Obsidian: {
        const FaceSet n{0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2};
        return {n, kHot2007, kDownOffice, 0xC0BCB2, n};
    }
    case tsWindowsXP: {
        const FaceSet n{0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC};
        return {n,
                {0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, clHighlight},
                {0xB59284, 0xB59284, 0xB59284, 0xB59284, clHighlight},
                0x927476,
                n};
    }
    case tsWhidbey: {
        const FaceSet n{0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC};
        return {n, kHot2003, kDownOffice, 0x927476, n};
    }
    case tsOffice2007Silver: {
        const FaceSet n{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9};
        return {n, kHot2007, kDownOffice, 0xCCCAC9, n};
    }
    case tsWindowsVista: {
        const FaceSet n{0xFFFDF9, 0xFDF0D7, None, None, 0xFEDF9A};
        return {n,
                {0xFFFDF9, 0xFFFAF0, None, None, 0xFEDF9A},
                {0xFEF9F0, 0xFDF0D7, None, None, 0xFEDF9A},
                0xFEDF9A,
                MirrorOfMain(n)};
    }
    case tsWindows7: {
        const FaceSet n{0xFCEBDC, 0xFCDBC1, None, None, 0xCEA27D};
        return {n,
                {0xFDFBFA, 0xFDF3EB, None, None, 0xE3B28D},
                {0xFCEBDC, 0xFCDBC1, None, None, 0xCEA27D},
                0xCEA27D,
                MirrorOfMain(n)};
    }
    case tsTerminal: {
        const FaceSet n{clBtnFace, clBtnFace, None, None, 0x000000};
        return {n,
                {0xC0C0C0, 0xC0C0C0, None, None, 0x000000},
                {clHighlight, clHighlight, None, None, 0x000000},
                0x000000,
                MirrorOfMain(n)};
    }
    case tsOffice2010Blue: {
        const FaceSet n{0xFEFCF9, 0xEAD9CD, None, None, 0x998373};
        return {n, kHot2010, kDown2010, 0x998373, MirrorOfTo(n)};
    }
    case tsOffice2010Silver: {
        const FaceSet n{0xFDFCFA, 0xFDFCFA, None, None, 0x94897F};
        return {n, kHot2010, kDown2010, 0x94897F, MirrorOfTo(n)};
    }
    case tsOffice2010Black: {
        const FaceSet n{0xC9C9C9, 0x808080, None, None, 0x262626};
        return {n, kHot2010, kDown2010, 0x262626, MirrorOfTo(n)};
    }
    case tsCustom:
        break;
    }
    return {};
}

} // namespace

void TCustomTrackBar::SetComponentStyle(TTMSStyle style) {
    slider_->SetOffset(10);
    for (auto setter : {&TTrackBarSlider::SetPicture, &TTrackBarSlider::SetPictureCompleted,
                        &TTrackBarSlider::SetPictureDisabled, &TTrackBarSlider::SetPictureCompletedDisabled})
        (slider_.get()->*setter)(nullptr);
    slider_->SetPictureStretched(false);
    tickMark_->SetPicture(nullptr);
    tickMark_->SetPictureDisabled(nullptr);
    tickMark_->SetPosition(tmBottomRight);
    for (auto setter : {&TTrackBarThumb::SetPicture, &TTrackBarThumb::SetPictureHot,
                        &TTrackBarThumb::SetPictureDown, &TTrackBarThumb::SetPictureDisabled})
        (thumb_.get()->*setter)(nullptr);
    thumb_->SetShape(tsPointer);
    buttons_->SetSpacing(2);
    if (style != tsCustom) {
        const StylePreset p = Preset(style);
        TTrackBarThumb& t = *thumb_;
        t.SetColor(p.Normal.Color);
        t.SetColorTo(p.Normal.ColorTo);
        t.SetColorMirror(p.Normal.Mirror);
        t.SetColorMirrorTo(p.Normal.MirrorTo);
        t.SetBorderColor(p.Normal.Border);
        t.SetColorHot(p.Hot.Color);
        t.SetColorHotTo(p.Hot.ColorTo);
        t.SetColorMirrorHot(p.Hot.Mirror);
        t.SetColorMirrorHotTo(p.Hot.MirrorTo);
        t.SetBorderColorHot(p.Hot.Border);
        t.SetColorDown(p.Down.Color);
        t.SetColorDownTo(p.Down.ColorTo);
        t.SetColorMirrorDown(p.Down.Mirror);
        t.SetColorMirrorDownTo(p.Down.MirrorTo);
        t.SetBorderColorDown(p.Down.Border);
        t.SetGradient(ggVertical);
        t.SetGradientMirror(ggVertical);
        TTrackBarButtons& b = *buttons_;
        b.SetColor(p.ButtonNormal.Color);
        b.SetColorTo(p.ButtonNormal.ColorTo);
        b.SetColorMirror(p.ButtonNormal.Mirror);
        b.SetColorMirrorTo(p.ButtonNormal.MirrorTo);
        b.SetBorderColor(p.ButtonNormal.Border);
        b.SetColorHot(p.Hot.Color);
        b.SetColorHotTo(p.Hot.ColorTo);
        b.SetColorMirrorHot(p.Hot.Mirror);
        b.SetColorMirrorHotTo(p.Hot.MirrorTo);
        b.SetBorderColorHot(p.Hot.Border);
        b.SetColorDown(p.Down.Color);
        b.SetColorDownTo(p.Down.ColorTo);
        b.SetColorMirrorDown(p.Down.Mirror);
        b.SetColorMirrorDownTo(p.Down.MirrorTo);
        b.SetBorderColorDown(p.Down.Border);
        b.SetGradient(ggVertical);
        b.SetGradientMirror(ggVertical);
        slider_->SetBorderColor(p.SliderBorder);
        tickMark_->SetColor(p.SliderBorder);
    }
    Invalidate();
}
