// The editor's start-up splash screen: placed as its stored form holds it,
// shown once the window has loaded, as a layered window of its picture's
// size, and closed by the main window's first show.

#include "ui/main/StartupSplash.h"
#include "platform/forms/LayeredWindow.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/WindowStyles.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

class StartupSplashTest : public korvan::testing::GuiTest {};

TEST_F(StartupSplashTest, ShowsWhileTheWindowLoadsAndClosesOnItsFirstShow) {
    auto main = std::make_unique<TForm>(nullptr);
    int ownShows = 0;
    main->OnShow = [&](TObject*) { ++ownShows; };
    TDovOveruvAvovozIrurid* splash = nullptr;
    {
        korvan::forms::LoadScope scope(main.get());
        splash = korvan::PlaceStartupSplash(scope, main.get(), korvan::StartSplashPicture());
        EXPECT_FALSE(splash->Showing()) << "not before loading is complete";
        scope.Finish();
    }
    ASSERT_TRUE(splash->Showing());
    EXPECT_EQ(main->FindComponent("asScreen"), splash);
    TSplashScreenWindow* w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    // The editor carries no version data: the stored texts stay.
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->Text(), "KORVAN DSP Processor Editor");
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramVersion()->Text(), "V1.0");
    EXPECT_EQ(w->ClientWidth(), 622);
    EXPECT_EQ(w->ClientHeight(), 352);
    EXPECT_TRUE(w->Layered());
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_FALSE(w->Fading());
    EXPECT_TRUE(korvan::forms::IsNoActivate(*w));
    EXPECT_TRUE(korvan::forms::IsTopMost(*w));
    EXPECT_FALSE(w->ProgressBar()->Visible());
    EXPECT_EQ(w->Position(), poScreenCenter);

    const std::unique_ptr<Gdiplus::Bitmap> shown = korvan::forms::LayeredPicture(*w);
    ASSERT_NE(shown, nullptr);
    korvan::testing::SavePng(shown->Qt(), "startup_splash");
    // The blue picture inside a see-through margin of one pixel.
    EXPECT_EQ(qAlpha(shown->Qt().pixel(0, 0)), 0);
    const QRgb middle = shown->Qt().pixel(311, 300);
    EXPECT_EQ(qAlpha(middle), 255);
    EXPECT_GT(qBlue(middle), 2 * qRed(middle));
    // White text where the name, the version and the list line stand.
    const auto whiteIn = [&](const TRect& r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const QRgb p = shown->Qt().pixel(x, y);
                n += qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230;
            }
        return n;
    };
    EXPECT_GT(whiteIn(Rect(60, 130, 460, 170)), 200) << "program name";
    EXPECT_GT(whiteIn(Rect(515, 140, 570, 165)), 30) << "version";
    EXPECT_GT(whiteIn(Rect(180, 210, 430, 245)), 150) << "list line";
    EXPECT_EQ(whiteIn(Rect(20, 250, 170, 340)), 0);

    // The window's first show closes it at once, then runs the window's
    // own handler; later shows are the window's own.
    main->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_EQ(ownShows, 1);
    main->Hide();
    main->Show();
    EXPECT_EQ(ownShows, 2);
}

} // namespace
