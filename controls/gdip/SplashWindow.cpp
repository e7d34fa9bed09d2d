// The splash window: what it draws (fill, headings, HTML list, items and
// the progress bar) and its fades on the timer.

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/MiniHtml.h"
#include "controls/gdip/SplashScreen.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

using korvan::forms::ClassBuilder;

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
    const Gdiplus::Font font = korvan::gdip::MakeFont(*s.Font);
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

const TClassInfo& TSplashScreenWindow::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TSplashScreenWindow>("TSplashScreenWindow", &TForm::StaticClassInfo()).Build();
    return info;
}

TSplashScreenWindow::TSplashScreenWindow(TDovOveruvAvovozIrurid* splash)
    : TForm(nullptr), splash_(splash), progressBar_(new TAdvSplashProgressBar(this)),
      fadeTimer_(std::make_unique<TTimer>(nullptr)) {
    progressBar_->SetParent(this);
    progressBar_->SetVisible(false);
    fadeTimer_->SetEnabled(false);
    fadeTimer_->SetOnTimer([this](TObject*) { FadeTick(); });
}

void TSplashScreenWindow::PrepareWindow(bool stayOnTop) {
    SetBorderStyle(bsNone);
    if (stayOnTop)
        SetFormStyle(fsStayOnTop);
    // Shown without taking the activation or the focus; the layer's form
    // offers neither, nor a window opacity, so they go to its Qt window.
    QWidget* window = Window();
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlags(window->windowFlags() | Qt::WindowDoesNotAcceptFocus);
}

void TSplashScreenWindow::ShowWindow() {
    SetVisible(true);
    Window()->raise();
}

TSplashScreenWindow::~TSplashScreenWindow() {
    fadeTimer_.reset();
}

void TSplashScreenWindow::SetOpacity(std::uint8_t value) {
    opacity_ = value;
    Window()->setWindowOpacity(value / 255.0);
}

void TSplashScreenWindow::Fade(int step, unsigned wait, std::uint8_t target, std::function<void()> done) {
    fadeStep_ = step;
    fadeTarget_ = target;
    fadeDone_ = std::move(done);
    if (step == 0 || (step > 0 && opacity_ >= target) || (step < 0 && opacity_ <= target)) {
        fadeTimer_->SetEnabled(false);
        if (fadeDone_)
            std::exchange(fadeDone_, nullptr)();
        return;
    }
    fadeTimer_->SetInterval(std::max(wait, 1u));
    fadeTimer_->SetEnabled(true);
}

void TSplashScreenWindow::FadeTick() {
    const int next = int(opacity_) + fadeStep_;
    const bool arrived = fadeStep_ > 0 ? next >= fadeTarget_ : next <= fadeTarget_;
    SetOpacity(arrived ? fadeTarget_ : std::uint8_t(next));
    if (arrived) {
        fadeTimer_->SetEnabled(false);
        if (fadeDone_)
            std::exchange(fadeDone_, nullptr)();
    }
}

void TSplashScreenWindow::Click() {
    TForm::Click();
    if (splash_ && splash_->OnClick)
        splash_->OnClick(splash_);
}

TRect TSplashScreenWindow::InnerRect() const {
    TRect r = Rect(0, 0, ClientWidth() - 1, ClientHeight() - 1);
    const TGDIPFill& fill = *splash_->Fill();
    if (fill.BorderColor() != clNone) {
        const int h = fill.BorderWidth() == 1 ? 1 : (fill.BorderWidth() + 1) / 2;
        r = r.Inflate(-h, -h);
    }
    return r;
}

TRect TSplashScreenWindow::HeadingRect() const {
    const TGDIPFill& fill = *splash_->Fill();
    TRect r = InnerRect();
    const int s = fill.ShadowColor() != clNone ? fill.ShadowOffset() : 0;
    r.Right = r.Right - r.Left - s;
    r.Bottom = r.Bottom - r.Top - s;
    const int d = fill.Rounding() / 2;
    r = r.Inflate(-d, -d);
    r.Right -= 5;
    return r;
}

void TSplashScreenWindow::Paint() {
    Gdiplus::Graphics g(Canvas());
    Render(g);
}

void TSplashScreenWindow::Render(Gdiplus::Graphics& g) {
    if (!splash_)
        return;
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(HintOf(splash_->TextRendering()));
    splash_->Fill()->Fill(&g, {0, 0, float(ClientWidth() - 1), float(ClientHeight() - 1)});
    DrawHeadings(g);
    DrawListItems(g);
    DrawTopLayerItems(g);
    DrawItems(g);
}

void TSplashScreenWindow::DrawHeadings(Gdiplus::Graphics& g) {
    const TBasicProgramInfo& info = *splash_->BasicProgramInfo();
    const TSplashHeadingText& name = *info.ProgramName();
    const TSplashHeadingText& version = *info.ProgramVersion();
    const TRect hr = HeadingRect();
    const int L = hr.Left, T = hr.Top, R = hr.Right, B = hr.Bottom;
    const TSize n = DrawHeadingText(g, name.Text(), 0, 0, StyleOf(name), true);
    const TSize v = DrawHeadingText(g, version.Text(), 0, 0, StyleOf(version), true);
    TSize c{0, 0};
    if (!info.CopyRight().empty())
        c = DrawHeadingText(g, info.CopyRight(), 0, 0, SolidStyle(info.CopyRightFont()), true);
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

void TSplashScreenWindow::DrawListItems(Gdiplus::Graphics& g) {
    TSplashListItems& items = *splash_->ListItems();
    const TSplashListItemsSettings& s = *splash_->ListItemsSettings();
    const TRect r = s.Rect()->GetRect();
    korvan::gdip::MiniHtmlOptions o;
    o.Images = nullptr;
    o.Pictures = splash_->PictureContainer();
    o.ShadowOffset = s.HTMLShadowOffset();
    o.ShadowColor = s.HTMLShadowColor();
    o.URLColor = s.HTMLURLColor();
    const auto measure = [&](const std::string& text) -> TSize {
        if (text.empty())
            return {0, 0};
        korvan::gdip::MiniHtmlOptions m = o;
        m.MeasureOnly = true;
        korvan::gdip::MiniHtmlResult result;
        korvan::gdip::DrawMiniHtml(g, *s.HTMLFont(), text, Rect(0, 0, r.Width(), r.Height()), m, result);
        return {result.Width, result.Height};
    };
    int bottom = r.Top;
    for (int i = 0; i < items.Count(); ++i) {
        TSplashListItem& item = *items.Items(i);
        const TSize size = measure(item.HTMLText());
        item.DisplayRect = Rect(r.Left, bottom, r.Right, bottom + size.cy);
        bottom = item.DisplayRect.Bottom + s.Space();
    }
    int first = 0;
    const int count = items.Count();
    if (count > 0 && items.Items(count - 1)->DisplayRect.Bottom > r.Bottom) {
        // The oldest lines that no longer fit are dropped.
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
        if (first < count && items.Items(first)->DisplayRect.Top >= 0) {
            const int d = items.Items(first)->DisplayRect.Top - s.Rect()->Top;
            for (int i = first; i < count; ++i)
                items.Items(i)->DisplayRect = items.Items(i)->DisplayRect.Offset(0, -d);
        } else if (first < count) {
            const int h = measure(items.Items(first)->HTMLText()).cy;
            items.Items(first)->DisplayRect = Rect(r.Left, r.Top, r.Right, r.Top + h);
        }
    }
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
    DrawSplashTopLayerItems(g, *splash_->TopLayerItems(), InnerRect(), splash_->PictureContainer());
}

void TSplashScreenWindow::DrawItems(Gdiplus::Graphics& g) {
    const TSplashItems& items = *splash_->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TSplashItem& item = *items.Items(i);
        int x = item.PosX();
        const int y = item.PosY();
        if (!item.Picture()->Empty()) {
            item.Picture()->GetImageSizes();
            item.Picture()->GDIPDraw(g, Bounds(x, y, item.Picture()->Width(), item.Picture()->Height()));
            x += item.Picture()->Width() + splash_->PictureGap();
        }
        if (!item.Text().empty())
            DrawHeadingText(g, item.Text(), x, y, SolidStyle(item.Font()), false);
    }
}
