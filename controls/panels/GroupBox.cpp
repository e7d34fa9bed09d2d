#include "controls/panels/GroupBox.h"

#include "controls/panels/PackText.h"
#include "controls/panels/PixelMath.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Messages.h"
#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <cstdlib>

using korvan::forms::ClassBuilder;

namespace {

int TextHeightIn(const TFont& font, const std::string& text) {
    static TBitmap probe(1, 1);
    probe.Canvas().Font().Assign(font);
    return probe.Canvas().TextHeight(text);
}

// Multiply, then divide rounding to the nearest.
int MulDiv(int value, int m, int d) {
    if (d == 0)
        return -1;
    const long long p = static_cast<long long>(value) * m;
    const long long half = std::llabs(d) / 2;
    return int((p >= 0) == (d > 0) ? (p + (p >= 0 ? half : -half)) / d : (p - (p >= 0 ? half : -half)) / d);
}

} // namespace

const TClassInfo& TRzCustomGroupBox::StaticClassInfo() {
    using G = TRzCustomGroupBox;
    static const TClassInfo info =
        ClassBuilder<G>("TRzCustomGroupBox", &TRzCustomPanel::StaticClassInfo())
            .Property("BannerHeight", &G::BannerHeight, &G::SetBannerHeight)
            .Default(0)
            .Property("CaptionFont", &G::CaptionFontObject, &G::SetCaptionFont)
            .Stored(&G::CaptionFontChanged)
            .Enum("GroupStyle", &G::GroupStyle, &G::SetGroupStyle,
                  {"gsStandard", "gsCustom", "gsTopLine", "gsFlat", "gsBanner", "gsUnderline"},
                  "TRzGroupBoxStyle")
            .Default(gsFlat)
            .Build();
    return info;
}

const TClassInfo& TRzGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRzGroupBox>("TRzGroupBox", &TRzCustomGroupBox::StaticClassInfo()).Creator().Build();
    return info;
}

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* owner) : TRzCustomPanel(owner) {
    controlStyle_ |= csSetCaption | csDoubleClicks;
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetAlignmentVertical(avTop);
    SetHeight(105);
    captionFont_.Assign(Font());
    captionFont_.OnChange = [this] {
        if (copyingFont_)
            return;
        captionFontChanged_ = true;
        Invalidate();
    };
}

TRzCustomGroupBox::~TRzCustomGroupBox() {
    captionFont_.OnChange = nullptr;
}

void TRzCustomGroupBox::SetGroupStyle(TRzGroupBoxStyle value) {
    if (value == groupStyle_)
        return;
    groupStyle_ = value;
    Realign();
    Invalidate();
}

void TRzCustomGroupBox::SetBannerHeight(int value) {
    if (value == bannerHeight_)
        return;
    bannerHeight_ = value;
    Realign();
    Invalidate();
}

void TRzCustomGroupBox::SetCaptionFont(TFont* value) {
    if (value)
        captionFont_.Assign(*value);
}

void TRzCustomGroupBox::FontChanged() {
    TRzCustomPanel::FontChanged();
    if (!captionFontChanged_) {
        copyingFont_ = true;
        captionFont_.Assign(Font());
        copyingFont_ = false;
    }
    Invalidate();
}

void TRzCustomGroupBox::ChangeScale(int m, int d) {
    if (captionFontChanged_)
        captionFont_.SetSize(MulDiv(captionFont_.Size(), m, d));
}

void TRzCustomGroupBox::FramingChanged() {
    if (FrameController() && FrameController()->FrameVisible() && groupStyle_ == gsCustom)
        TRzCustomPanel::FramingChanged();
}

void TRzCustomGroupBox::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR && IsAccel(unsigned(message.WParam), Caption()) && CanFocus()) {
        // The accelerator focuses the first child in tab order.
        for (TWinControl* child : TabList())
            if (child->CanFocus()) {
                child->SetFocus();
                break;
            }
        message.Result = 1;
        return;
    }
    TRzCustomPanel::WndProc(message);
}

TRect TRzCustomGroupBox::AdjustClientRect(TRect rect) const {
    TRect r = TRzCustomPanel::AdjustClientRect(rect);
    const int h = TextHeightIn(Font(), "Yy");
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: {
        const int a = h / 2 - 1;
        r.Top = korvan::panels::WithinPixelRange(korvan::panels::SaturatedInt(
            r.Top + (a < BorderWidth() ? std::int64_t(a) : std::int64_t(h) - BorderWidth())));
        const int n = groupStyle_ == gsStandard ? 2 : 1;
        r = r.Inflate(-n, -n);
        break;
    }
    case gsCustom:
        // Only a caption takes room, and with it the 2-pixel inset.
        if (!Caption().empty()) {
            r.Top += h;
            r = r.Inflate(-2, -2);
        }
        break;
    case gsTopLine:
        r.Top += h;
        break;
    case gsBanner:
        r.Top += (bannerHeight_ != 0 ? bannerHeight_ : h + 8);
        break;
    case gsUnderline:
        r.Top += h + 4;
        break;
    }
    return r;
}

TRect TRzCustomGroupBox::CaptionRect(TCanvas& canvas) const {
    if (Caption().empty() || groupStyle_ == gsCustom)
        return {};
    // No visual-style service here: the caption is measured in CaptionFont.
    const TSize size = canvas.TextExtent(StripAccelerators(Caption()));
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat:
        return Rect(8, 0, size.cx + 8, size.cy);
    case gsTopLine:
        return Rect(0, 0, size.cx + 4, size.cy);
    case gsBanner:
        return Rect(0, 0, Width(), bannerHeight_ != 0 ? bannerHeight_ : size.cy + 6);
    case gsUnderline:
        return Rect(0, 0, Width(), size.cy + 2);
    default:
        return {};
    }
}

void TRzCustomGroupBox::Paint() {
    TCanvas& c = Canvas();
    if (groupStyle_ == gsCustom) {
        TRzCustomPanel::Paint();
        return;
    }
    ErasePaint();
    PaintClassic();
    c.SelectClipRegion(std::nullopt);
    c.Font().Assign(Font());
}

void TRzCustomGroupBox::PaintClassic() {
    TCanvas& c = Canvas();
    c.Font().Assign(captionFont_);
    const int hp = c.TextHeight("Pp");
    TRect b = CaptionRect(c);
    const int half = hp / 2 - 1;
    if (!Transparent()) {
        c.Brush().SetColor(Color());
        c.FillRect(Rect(0, 0, Width(), Height()));
    } else if (groupStyle_ != gsBanner && !b.IsEmpty()) {
        c.ExcludeClipRect(b);
    }
    const TRect r = Rect(0, half, Width(), Height());
    const TColor k = AdjustedColor(FlatColor(), FlatColorAdjustment());
    c.Pen().SetColor(k);
    auto line = [&c](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    switch (groupStyle_) {
    case gsStandard:
        switch (BorderOuter()) {
        case fsNone:
            DrawFrameStyle(c, r, fsGroove, sdAllSides);
            break;
        case fsFlat:
            DrawFlatFrame(c, r, k);
            break;
        case fsFlatBold:
            DrawSidesBevel(c, r, k, k, 2, sdAllSides);
            break;
        case fsFlatRounded:
            // No system colours of its own: the rounded outline in the flat colour.
            DrawRoundedFlatFrame(c, r, k, sdAllSides);
            break;
        default:
            DrawFrameStyle(c, r, BorderOuter(), sdAllSides);
            break;
        }
        break;
    case gsTopLine:
        switch (BorderOuter()) {
        case fsNone:
            DrawFrameStyle(c, r, fsGroove, sdTop);
            break;
        case fsFlat:
        case fsFlatBold:
        case fsFlatRounded:
            line(r.Left + 2, r.Top, r.Right - 2, r.Top);
            if (BorderOuter() == fsFlatBold)
                line(r.Left + 2, r.Top + 1, r.Right - 2, r.Top + 1);
            break;
        default:
            DrawFrameStyle(c, r, BorderOuter(), sdTop);
            break;
        }
        break;
    case gsFlat:
        line(r.Left, r.Top + 2, r.Left, r.Bottom - 2);
        line(r.Left + 2, r.Top, r.Right - 2, r.Top);
        line(r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2);
        line(r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1);
        c.SetPixel(r.Left + 1, r.Top + 1, k);
        c.SetPixel(r.Right - 2, r.Top + 1, k);
        c.SetPixel(r.Right - 2, r.Bottom - 2, k);
        c.SetPixel(r.Left + 1, r.Bottom - 2, k);
        break;
    case gsBanner: {
        TColor start, stop, outline = k;
        if (GradientColorStyle() == gcsCustom) {
            start = GradientColorStart();
            stop = GradientColorStop();
        } else {
            BannerColorsForStyle(GradientColorStyle(), start, stop, outline);
        }
        c.Pen().SetColor(outline);
        line(b.Left, b.Top + 1, b.Left, b.Bottom - 1);
        line(b.Left + 1, b.Top, b.Right - 1, b.Top);
        line(b.Right - 1, b.Top + 1, b.Right - 1, b.Bottom - 1);
        line(b.Left + 1, b.Bottom - 1, b.Right - 1, b.Bottom - 1);
        FillGradientRect(c, b.Inflate(-1, -1), gdHorizontalEnd, start, stop, 1);
        break;
    }
    case gsUnderline:
        line(b.Left, b.Bottom, b.Right, b.Bottom);
        break;
    case gsCustom:
        break;
    }
    if (Caption().empty())
        return;
    if (!Transparent() && groupStyle_ != gsBanner) {
        c.Brush().SetColor(Color());
        c.FillRect(b);
    }
    if (groupStyle_ == gsBanner)
        b = b.Inflate(-4, -1);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? captionFont_.Color() : clGrayText);
    c.SelectClipRegion(std::nullopt);
    const unsigned align = Alignment() == taLeftJustify    ? DT_LEFT
                           : Alignment() == taRightJustify ? DT_RIGHT
                                                           : DT_CENTER;
    DrawCaptionText(c, Caption(), b, DT_SINGLELINE | DT_VCENTER | align);
}
