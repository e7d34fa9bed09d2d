// What the splash window draws: the background fill, the program name,
// version and copyright, the HTML list lines, the top-layer boxes, the
// free items with their pictures, and (layered) the progress bar.

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/MiniHtml.h"
#include "controls/gdip/SplashScreen.h"
#include "platform/gfx/Fonts.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

namespace {

Gdiplus::TextRenderingHint HintOf(TDovOveruvAvovozIruridTextRenderingHint t) {
    switch (t) {
    case tAntiAlias:
        return Gdiplus::TextRenderingHintAntiAlias;
    case tAntiAliasGridFit:
        return Gdiplus::TextRenderingHintAntiAliasGridFit;
    case tClearType:
        break;
    }
    return Gdiplus::TextRenderingHintClearTypeGridFit;
}

// GDI+ draws outline faces only; a face it cannot draw (a bitmap face
// such as "MS Sans Serif") gives way to Arial.
Gdiplus::Font HeadingFont(const TFont& font) {
    if (QFontDatabase::isSmoothlyScalable(korvan::gfx::SubstituteFace(font.Name())))
        return korvan::gdip::MakeFont(font);
    TFont outline;
    outline.Assign(font);
    outline.SetName("Arial");
    return korvan::gdip::MakeFont(outline);
}

// Each drawing step starts as a new graphics object would: no smoothing,
// and the component's text rendering.
void Begin(Gdiplus::Graphics& g, TDovOveruvAvovozIruridTextRenderingHint hint) {
    g.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
    g.SetTextRenderingHint(HintOf(hint));
}

struct HeadingStyle {
    const TFont* Font;
    TAdvGradientType Type;
    const TAdvGDIPPicture* Picture;
    Gdiplus::HatchStyle Hatch;
    std::uint8_t OpacityStart, OpacityEnd;
    TColor Start, End;
    int Angle;
};

HeadingStyle StyleOf(const TSplashHeadingText& h) {
    return {h.Font(),       h.GradientType(), h.Picture(),  h.HatchStyle(), h.OpacityStart(),
            h.OpacityEnd(), h.ColorStart(),   h.ColorEnd(), h.Angle()};
}

HeadingStyle SolidStyle(const TFont* font) {
    return {font, gtSolid, nullptr, Gdiplus::HatchStyleHorizontal, 255, 255, font->Color(), font->Color(), 0};
}

// Measures (and unless measuring, draws) a heading text at (x, y).
TSize DrawHeadingText(Gdiplus::Graphics& g, const std::string& text, int x, int y, const HeadingStyle& s,
                      bool measureOnly) {
    if (text.empty())
        return {0, 0};
    const Gdiplus::Font font = HeadingFont(*s.Font);
    const Gdiplus::StringFormat format;
    Gdiplus::RectF box;
    g.MeasureString(text, font, {float(x), float(y), 1500, 500}, &format, &box);
    const TSize size{int(std::lround(box.Width)), int(std::lround(box.Height))};
    if (measureOnly)
        return size;
    const Gdiplus::Color start(MakeARGBFromColor(s.OpacityStart, s.Start));
    const Gdiplus::Color end(MakeARGBFromColor(s.OpacityEnd, s.End));
    TAdvGradientType type = s.Type;
    if (s.End == clNone && type != gtTexture && type != gtNone)
        type = gtSolid;
    const float fx = float(x), fy = float(y), w = float(size.cx), h = float(size.cy);
    std::unique_ptr<Gdiplus::Brush> brush;
    switch (type) {
    case gtSolid:
        brush = std::make_unique<Gdiplus::SolidBrush>(start);
        break;
    case gtVertical:
        brush = std::make_unique<Gdiplus::LinearGradientBrush>(Gdiplus::PointF{fx, fy},
                                                               Gdiplus::PointF{fx, fy + h}, start, end);
        break;
    case gtHorizontal:
        brush = std::make_unique<Gdiplus::LinearGradientBrush>(Gdiplus::PointF{fx, fy},
                                                               Gdiplus::PointF{fx + w, fy}, start, end);
        break;
    case gtForwardDiagonal:
        brush = std::make_unique<Gdiplus::LinearGradientBrush>(Gdiplus::PointF{fx, fy},
                                                               Gdiplus::PointF{fx + w, fy + h}, start, end);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<Gdiplus::LinearGradientBrush>(Gdiplus::PointF{fx, fy + h},
                                                               Gdiplus::PointF{fx + w, fy}, end, start);
        break;
    case gtAngle: {
        auto angled = std::make_unique<Gdiplus::LinearGradientBrush>(
            Gdiplus::RectF{fx, fy, float(std::lround(w + 10)), h + 10}, start, end, float(s.Angle), true);
        angled->SetGammaCorrection(true);
        brush = std::move(angled);
        break;
    }
    case gtHatch:
        brush = std::make_unique<Gdiplus::HatchBrush>(s.Hatch, start, end);
        break;
    case gtTexture:
        if (s.Picture && !s.Picture->Empty() && s.Picture->DecodedImage())
            brush = std::make_unique<Gdiplus::TextureBrush>(*s.Picture->DecodedImage());
        break;
    default: // radial, path, none: nothing is drawn
        break;
    }
    if (brush)
        g.DrawString(text, font, {fx, fy, float(std::lround(w + 10)), h + 10}, &format, *brush);
    return size;
}

} // namespace

void TSplashScreenWindow::DrawHeadings(Gdiplus::Graphics& g) {
    Begin(g, splash_->TextRendering());
    const TBasicProgramInfo& info = *splash_->BasicProgramInfo();
    const TSplashHeadingText& name = *info.ProgramName();
    const TSplashHeadingText& version = *info.ProgramVersion();
    const TRect hr = HeadingRect();
    const int L = hr.Left, T = hr.Top, R = hr.Right, B = hr.Bottom;
    const TSize n = DrawHeadingText(g, name.Text(), 0, 0, StyleOf(name), true);
    const TSize v = DrawHeadingText(g, version.Text(), 0, 0, StyleOf(version), true);
    TSize c{0, 0};
    if (!info.CopyRight().empty()) {
        // The copyright takes the room the window's canvas gives its text.
        TCanvas& canvas = Canvas();
        canvas.Font().Assign(*info.CopyRightFont());
        c = {canvas.TextWidth(info.CopyRight()), canvas.TextHeight(info.CopyRight())};
    }
    const TItemLocation nl = name.Location(), vl = version.Location(), cl = info.CopyRightLocation();

    int x = L, y = T;
    switch (nl) {
    case ilTopLeft:
        break;
    case ilTopCenter:
        x = L + (R - L - n.cx) / 2;
        break;
    case ilTopRight:
        x = R - n.cx - (vl == ilTopRight && v.cx > 0 ? v.cx + 1 : 0);
        break;
    case ilBottomLeft:
        y = B - n.cy - (cl == ilBottomLeft && c.cy > 0 ? c.cy + 3 : 0);
        break;
    case ilBottomCenter:
        x = L + (R - L - n.cx) / 2;
        y = B - n.cy - (cl == ilBottomCenter ? c.cy + 3 + v.cy : 0);
        break;
    case ilBottomRight:
        x = R - n.cx - (vl == ilBottomRight && v.cx > 0 ? v.cx + 1 : 0);
        y = B - n.cy - (cl == ilBottomRight && c.cy > 0 ? c.cy + 3 : 0);
        break;
    case ilCustom:
        x = name.PosX();
        y = name.PosY();
        break;
    }
    DrawHeadingText(g, name.Text(), x, y, StyleOf(name), false);

    x = L;
    y = T;
    const auto bottomY = [&](TItemLocation at) {
        int yy = n.cy > 0 ? B - n.cy : B - v.cy;
        if (cl == at && c.cy > 0)
            yy -= c.cy + 3;
        return yy;
    };
    switch (vl) {
    case ilTopLeft:
        if (nl == ilTopLeft && n.cx > 0) {
            x = L + n.cx + 1;
            y = T + (n.cy - v.cy) / 2;
        }
        break;
    case ilTopCenter:
        x = L + (R - L - v.cx) / 2;
        y = nl == ilTopCenter ? T + n.cy + v.cy : T;
        break;
    case ilTopRight:
        x = R - v.cx;
        break;
    case ilBottomLeft:
        x = nl == ilBottomLeft && n.cx > 0 ? L + n.cx + 1 : L;
        y = (nl == ilBottomLeft && n.cx > 0 ? B - n.cy : B - v.cy) -
            (cl == ilBottomLeft && c.cy > 0 ? c.cy + 3 : 0);
        break;
    case ilBottomCenter:
        x = L + (R - L - v.cx) / 2;
        y = bottomY(ilBottomCenter);
        break;
    case ilBottomRight:
        x = R - v.cx;
        y = bottomY(ilBottomRight);
        break;
    case ilCustom:
        x = version.PosX();
        y = version.PosY();
        break;
    }
    DrawHeadingText(g, version.Text(), x, y, StyleOf(version), false);

    const auto topY = [&](TItemLocation at) {
        if (nl == at && n.cy > 0)
            return T + n.cy + 3;
        if (vl == at && v.cy > 0)
            return T + v.cy + 3;
        return T;
    };
    switch (cl) {
    case ilTopLeft:
        x = L;
        y = topY(ilTopLeft);
        break;
    case ilTopCenter:
        x = L + (R - L - c.cx) / 2;
        y = topY(ilTopCenter);
        break;
    case ilTopRight:
        x = R - c.cx;
        y = topY(ilTopRight);
        break;
    case ilBottomLeft:
        x = L;
        y = B - c.cy;
        break;
    case ilBottomCenter:
        x = L + (R - L - c.cx) / 2;
        y = B - c.cy;
        break;
    case ilBottomRight:
        x = R - c.cx;
        y = B - c.cy;
        break;
    case ilCustom:
        x = info.CopyRightPosX();
        y = info.CopyRightPosY();
        break;
    }
    if (!info.CopyRight().empty())
        DrawHeadingText(g, info.CopyRight(), x, y, SolidStyle(info.CopyRightFont()), false);
}

void TSplashScreenWindow::DrawBackground(Gdiplus::Graphics& g) {
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    splash_->Fill()->Fill(&g, {0, 0, float(ClientWidth() - 1), float(ClientHeight() - 1)});
}

namespace {

korvan::gdip::MiniHtmlOptions ListOptions(const TDovOveruvAvovozIrurid& splash) {
    const TSplashListItemsSettings& s = *splash.ListItemsSettings();
    korvan::gdip::MiniHtmlOptions o;
    o.Images = splash.Images();
    o.Pictures = splash.PictureContainer();
    o.ShadowOffset = s.HTMLShadowOffset();
    o.ShadowColor = s.HTMLShadowColor();
    o.URLColor = s.HTMLURLColor();
    return o;
}

} // namespace

TSize TSplashScreenWindow::MeasureListItem(Gdiplus::Graphics& g, const std::string& html) {
    if (html.empty())
        return {0, 0};
    const TSplashListItemsSettings& s = *splash_->ListItemsSettings();
    korvan::gdip::MiniHtmlOptions m = ListOptions(*splash_);
    m.MeasureOnly = true;
    korvan::gdip::MiniHtmlResult result;
    korvan::gdip::DrawMiniHtml(g, *s.HTMLFont(), html, Rect(0, 0, s.Rect()->Width, s.Rect()->Height), m,
                               result);
    return {result.Width, result.Height};
}

void TSplashScreenWindow::DrawListItems(Gdiplus::Graphics& g) {
    Begin(g, splash_->TextRendering());
    TSplashListItems& items = *splash_->ListItems();
    const TSplashListItemsSettings& s = *splash_->ListItemsSettings();
    const TRect r = s.Rect()->GetRect();
    int bottom = r.Top;
    const int count = items.Count();
    for (int i = 0; i < count; ++i) {
        TSplashListItem& item = *items.Items(i);
        const TSize size = MeasureListItem(g, item.HTMLText());
        item.DisplayRect = Rect(r.Left, bottom, r.Right, bottom + size.cy);
        bottom = item.DisplayRect.Bottom + s.Space();
    }
    int first = 0;
    if (count > 0 && items.Items(count - 1)->DisplayRect.Bottom > r.Bottom) {
        // The oldest lines that no longer fit are dropped; the others move
        // up to the rectangle's top.
        int overflow = items.Items(count - 1)->DisplayRect.Bottom - r.Bottom;
        for (int i = 0; i < count; ++i) {
            TSplashListItem& item = *items.Items(i);
            overflow -= item.DisplayRect.Height() + s.Space();
            item.DisplayRect.Top = item.DisplayRect.Bottom = -1;
            if (overflow <= 0) {
                first = std::min(count - 1, i + 1);
                break;
            }
        }
        TSplashListItem& head = *items.Items(first);
        if (head.DisplayRect.Top < 0) {
            // Only the newest line is left and even it does not fit: it is
            // drawn from the rectangle's top.
            head.DisplayRect = Rect(r.Left, r.Top, r.Right, r.Top + MeasureListItem(g, head.HTMLText()).cy);
        } else {
            const int d = head.DisplayRect.Top - s.Rect()->Top;
            for (int i = first; i < count; ++i)
                items.Items(i)->DisplayRect = items.Items(i)->DisplayRect.Offset(0, -d);
        }
    }
    const korvan::gdip::MiniHtmlOptions o = ListOptions(*splash_);
    for (int i = first; i < count; ++i) {
        const TSplashListItem& item = *items.Items(i);
        if (item.HTMLText().empty())
            continue;
        korvan::gdip::MiniHtmlResult result;
        const TRect at = Bounds(item.DisplayRect.Left, item.DisplayRect.Top, r.Width(), r.Height());
        korvan::gdip::DrawMiniHtml(g, *s.HTMLFont(), item.HTMLText(), at, o, result);
    }
}

void TSplashScreenWindow::DrawTopLayerItems(Gdiplus::Graphics& g) {
    Begin(g, splash_->TextRendering());
    DrawSplashTopLayerItems(g, *splash_->TopLayerItems(), InnerRect(), splash_->PictureContainer(),
                            splash_->Images());
}

void TSplashScreenWindow::DrawItems(Gdiplus::Graphics& g, TCanvas* canvas) {
    Begin(g, splash_->TextRendering());
    const TSplashItems& items = *splash_->Items();
    TImageList* images = splash_->Images();
    for (int i = 0; i < items.Count(); ++i) {
        const TSplashItem& item = *items.Items(i);
        if (!item.Visible())
            continue;
        int x = item.PosX();
        const int y = item.PosY();
        if (!item.Picture()->Empty()) {
            item.Picture()->GetImageSizes();
            DrawItemPicture(g, x, y, *item.Picture());
            x += item.Picture()->Width() + splash_->PictureGap();
        } else if (images && item.ImageIndex() >= 0) {
            // Image-list pictures go to the window's canvas, which a
            // layered window does not show; they take their room anyway.
            if (canvas)
                images->Draw(*canvas, x, y, item.ImageIndex(), true);
            x += images->Width() + splash_->PictureGap();
        }
        if (!item.Text().empty())
            DrawHeadingText(g, item.Text(), x, y, SolidStyle(item.Font()), false);
    }
}

void TSplashScreenWindow::DrawItemPicture(Gdiplus::Graphics& g, int x, int y,
                                          const TAdvGDIPPicture& picture) {
    const std::unique_ptr<Gdiplus::Image> image = Gdiplus::Image::FromBytes(picture.Bytes());
    if (!image || !image->IsValid())
        return;
    const int w = int(image->GetWidth()), h = int(image->GetHeight());
    if (image->GetRawFormat() == Gdiplus::ImageFormat::Png) {
        g.DrawImage(*image, float(x), float(y));
        return;
    }
    // Any other kind: the colour of its bottom-left pixel is transparent.
    const Gdiplus::Bitmap bitmap(image->Qt());
    Gdiplus::Color corner;
    bitmap.GetPixel(0, h - 1, &corner);
    const Gdiplus::Color key(255, corner.GetR(), corner.GetG(), corner.GetB());
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorKey(key, key);
    g.DrawImage(*image, Gdiplus::Rect{x, y, w, h}, 0, 0, w, h, Gdiplus::UnitPixel, &attributes);
}

void TSplashScreenWindow::DrawLayeredProgress(Gdiplus::Graphics& g) {
    if (!splash_->ProgressBar()->Visible())
        return;
    TAdvSplashProgressBar& bar = *progressBar_;
    bar.Appearance()->Draw(g, Bounds(bar.Left(), bar.Top(), bar.Width(), bar.Height()), bar.Minimum(),
                           bar.Maximum(), bar.Position());
}
