#include "ui/main/StartupSplash.h"

#include "platform/gfx/Codecs.h"

#include <QImage>
#include <algorithm>

namespace korvan {

namespace {

// Our own background: 620 x 350, plain blue, darker towards the edges.
std::vector<std::uint8_t> SplashBackground() {
    QImage img(620, 350, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x - 310) / 310.0, dy = (y - 175) / 175.0;
            const double light = std::max(0.0, 1 - 0.6 * (dx * dx + dy * dy));
            line[x] = qRgb(20, 40 + int(light * 66), 80 + int(light * 150));
        }
    }
    return gfx::EncodePng(img);
}

void Heading(TSplashHeadingText* h, const char* text, int height, bool bold, int x, int y) {
    h->SetText(text);
    h->Font()->SetName("Tahoma");
    h->Font()->SetHeight(height);
    h->Font()->SetStyle(bold ? fsBold : 0u);
    h->SetLocation(ilCustom);
    h->SetPosX(x);
    h->SetPosY(y);
    h->SetColorStart(clWhite);
    h->SetColorEnd(clWhite);
    h->SetHatchStyle(Gdiplus::HatchStyleDivot);
}

} // namespace

SplashPicture StartSplashPicture() {
    return std::async(std::launch::async, SplashBackground);
}

TDovOveruvAvovozIrurid* PlaceStartupSplash(forms::LoadScope& scope, TForm* main, SplashPicture picture) {
    auto* s = scope.Create<TDovOveruvAvovozIrurid>(main, "asScreen");
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
    f->Picture()->LoadFromStream(picture.get());
    Heading(s->BasicProgramInfo()->ProgramName(), "KORVAN DSP Processor Editor", -29, true, 60, 130);
    Heading(s->BasicProgramInfo()->ProgramVersion(), "V1.0", -19, false, 515, 140);
    TFont* copyright = s->BasicProgramInfo()->CopyRightFont();
    copyright->SetName("MS Sans Serif");
    copyright->SetHeight(-11);
    copyright->SetColor(TColor(0x0262C1));
    s->BasicProgramInfo()->SetCopyRightLocation(ilCustom);
    s->BasicProgramInfo()->SetCopyRightPosX(340);
    s->BasicProgramInfo()->SetCopyRightPosY(340);
    s->ListItems()->Add()->SetHTMLText("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
    TListItemsRect* r = s->ListItemsSettings()->Rect();
    r->SetLeft(180);
    r->SetTop(210);
    r->SetWidth(500);
    r->SetHeight(250);
    s->ListItemsSettings()->HTMLFont()->SetName("Tahoma");
    s->ListItemsSettings()->HTMLFont()->SetHeight(-11);
    TGDIPSplashProgress* bar = s->ProgressBar();
    bar->SetLeft(160);
    bar->SetTop(220);
    bar->SetHeight(12);
    bar->SetValueFormat("%.0f%%");
    bar->BackGroundFill()->SetColor(clNone);
    bar->BackGroundFill()->SetColorMirror(clNone);
    bar->BackGroundFill()->SetColorMirrorTo(clNone);
    bar->BackGroundFill()->SetBorderColor(clGray);
    bar->ProgressFill()->SetColor(clWhite);
    bar->ProgressFill()->SetColorTo(TColor(0xFFCC99));
    return s;
}

} // namespace korvan
