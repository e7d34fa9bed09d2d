#include "controls/gdip/SplashScreen.h"
#include "PictureTestSupport.h"
#include "SplashTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A 620 x 350 blue background, darker towards the edges.
std::vector<std::uint8_t> BackgroundPng() {
    QImage img(620, 350, QImage::Format_ARGB32);
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 620; ++x) {
            const double dx = (x - 310) / 310.0, dy = (y - 175) / 175.0;
            const int shade = int(std::max(0.0, 1 - 0.6 * (dx * dx + dy * dy)) * 200);
            img.setPixel(x, y, qRgb(20, 40 + shade / 3, 80 + shade * 3 / 4));
        }
    return korvan::gdip::testing::PngFile(img);
}

class SplashScreenTest : public korvan::testing::GuiTest {
protected:
    // The editor's splash screen on `main`, configured as its form holds it.
    TDovOveruvAvovozIrurid* EditorSplash(TCustomForm* owner) {
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
        s->ListItems()->Add()->SetHTMLText(
            "<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
        TListItemsRect* r = s->ListItemsSettings()->Rect();
        r->SetLeft(180);
        r->SetTop(210);
        r->SetWidth(500);
        r->SetHeight(250);
        s->ListItemsSettings()->HTMLFont()->SetName("Tahoma");
        s->ListItemsSettings()->HTMLFont()->SetHeight(-11);
        return s;
    }
    std::unique_ptr<TForm> main = std::make_unique<TForm>(nullptr);
};

TEST_F(SplashScreenTest, ShowsWhileTheMainWindowLoadsAndClosesWhenItShows) {
    std::vector<std::string> order;
    main->OnShow = [&](TObject* sender) {
        EXPECT_EQ(sender, main.get());
        order.push_back("main shown");
    };
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->OnClose = [&](TObject*) { order.push_back("splash closed"); };
    s->Loaded(); // the form finished loading: AutoShow
    ASSERT_TRUE(s->Showing());
    TSplashScreenWindow* w = s->SplashWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClientWidth(), 622);
    EXPECT_EQ(w->ClientHeight(), 352);
    EXPECT_EQ(w->Opacity(), 255);
    AdvanceTimers(1000); // no close timer: it stays
    EXPECT_TRUE(s->Showing());

    main->Show();
    EXPECT_FALSE(s->Showing());
    EXPECT_EQ(s->SplashWindow(), nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"splash closed", "main shown"}));
    // The main window's own handler is back for later shows.
    main->Hide();
    main->Show();
    EXPECT_EQ(order.size(), 3u);
}

TEST_F(SplashScreenTest, FadesInAndOutOnTheTimer) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetDisplayStyle(dsFadeInOut);
    s->SetCloseOnMainFormShow(false);
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    ASSERT_NE(w, nullptr);
    std::vector<int> steps{w->Opacity()};
    while (w->Fading()) {
        AdvanceTimers(5);
        steps.push_back(w->Opacity());
    }
    std::vector<int> expected{5};
    for (int v = 25; v < 255; v += 20)
        expected.push_back(v);
    expected.push_back(255);
    EXPECT_EQ(steps, expected);

    bool closed = false;
    s->OnClose = [&](TObject*) { closed = true; };
    s->Hide();
    EXPECT_FALSE(s->Showing());
    EXPECT_TRUE(closed);
    EXPECT_EQ(s->SplashWindow(), nullptr);
    AdvanceTimers(5 * 30);
}

TEST_F(SplashScreenTest, ClosesOnItsTimerAndFocusesTheMainWindow) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetCloseOnTimeout(true);
    s->SetCloseOnMainFormShow(false);
    s->SetFocusParentForm(true);
    ShowForm(main.get());
    s->Show();
    AdvanceTimers(99);
    EXPECT_TRUE(s->Showing());
    AdvanceTimers(1);
    EXPECT_FALSE(s->Showing());
    AdvanceTimers(20);
    ProcessEvents();
    EXPECT_TRUE(main->Active() || !main->CanFocus());
}

TEST_F(SplashScreenTest, DestroyingTheComponentHidesItsWindowFirst) {
    auto* s = EditorSplash(main.get());
    s->Show();
    bool closed = false;
    s->OnClose = [&](TObject*) { closed = true; };
    delete s;
    EXPECT_TRUE(closed);
}

TEST_F(SplashScreenTest, EditorSplashPicture) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetCloseOnMainFormShow(false);
    s->Show();
    EXPECT_FALSE(korvan::gdip::testing::RenderSplash(*s, "splash_screen").isNull());
    s->Hide();
}

} // namespace
