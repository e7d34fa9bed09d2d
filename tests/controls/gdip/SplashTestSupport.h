#pragma once
// The editor's splash screen as its form holds it, and pictures of a
// showing splash screen's window for the tests.

#include "PictureTestSupport.h"
#include "controls/gdip/SplashScreen.h"
#include "platform/forms/LayeredWindow.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <algorithm>
#include <string>

namespace korvan::gdip::testing {

// A 620 x 350 blue background, darker towards the edges.
inline std::vector<std::uint8_t> BackgroundPng() {
    QImage img(620, 350, QImage::Format_ARGB32);
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 620; ++x) {
            const double dx = (x - 310) / 310.0, dy = (y - 175) / 175.0;
            const int shade = int(std::max(0.0, 1 - 0.6 * (dx * dx + dy * dy)) * 200);
            img.setPixel(x, y, qRgb(20, 40 + shade / 3, 80 + shade * 3 / 4));
        }
    return PngFile(img);
}

// The editor's splash screen on `owner`, configured as its form holds it.
inline TDovOveruvAvovozIrurid* EditorSplash(TComponent* owner) {
    auto* s = new TDovOveruvAvovozIrurid(owner);
    s->SetDisplayStyle(dsNormal);
    s->SetTimeOut(100);
    TGDIPFill* f = s->Fill();
    f->SetColor(clNone);
    f->SetColorTo(clNone);
    f->SetColorMirror(clNone);
    f->SetColorMirrorTo(clNone);
    f->SetBorderColor(clNone);
    f->SetOpacity(249);
    f->SetPicturePosition(ppBottomCenter);
    f->Picture()->LoadFromStream(BackgroundPng());
    TSplashHeadingText* name = s->BasicProgramInfo()->ProgramName();
    name->SetText("KORVAN DSP Processor Editor");
    name->Font()->SetName("Tahoma");
    name->Font()->SetHeight(-29);
    name->Font()->SetStyle(fsBold);
    name->SetLocation(ilCustom);
    name->SetPosX(60);
    name->SetPosY(130);
    name->SetColorStart(clWhite);
    name->SetColorEnd(clWhite);
    name->SetHatchStyle(Gdiplus::HatchStyleDivot);
    TSplashHeadingText* version = s->BasicProgramInfo()->ProgramVersion();
    version->SetText("V1.0");
    version->Font()->SetName("Tahoma");
    version->Font()->SetHeight(-19);
    version->SetLocation(ilCustom);
    version->SetPosX(515);
    version->SetPosY(140);
    version->SetColorStart(clWhite);
    version->SetColorEnd(clWhite);
    s->ListItems()->Add()->SetHTMLText("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
    TListItemsRect* r = s->ListItemsSettings()->Rect();
    r->SetLeft(180);
    r->SetTop(210);
    r->SetWidth(500);
    r->SetHeight(250);
    s->ListItemsSettings()->HTMLFont()->SetName("Tahoma");
    s->ListItemsSettings()->HTMLFont()->SetHeight(-11);
    return s;
}

// The window's drawing on black, saved as <name>.png; empty when the
// splash screen has no window.
inline QImage RenderSplash(TDovOveruvAvovozIrurid& splash, const std::string& name) {
    TSplashScreenWindow* w = splash.SplashWindow();
    if (!w)
        return {};
    Gdiplus::Bitmap page(w->ClientWidth(), w->ClientHeight());
    page.Pixels().fill(0xFF000000u);
    Gdiplus::Graphics g(page);
    w->Render(g);
    korvan::testing::SavePng(page.Pixels(), name);
    return page.Pixels();
}

// What a layered window shows, as a person sees it over a grey checker
// board (so the see-through parts show), saved as <name>.png; empty
// before the first push.
inline QImage LayeredScreenshot(TCustomForm& window, const std::string& name) {
    const std::unique_ptr<Gdiplus::Bitmap> shown = korvan::forms::LayeredPicture(window);
    if (!shown)
        return {};
    QImage page(shown->Qt().size(), QImage::Format_ARGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            page.setPixel(x, y, ((x / 8) + (y / 8)) % 2 ? qRgb(200, 200, 200) : qRgb(150, 150, 150));
    {
        QPainter p(&page);
        p.drawImage(0, 0, shown->Qt());
    }
    korvan::testing::SavePng(page, name);
    return page;
}

} // namespace korvan::gdip::testing
