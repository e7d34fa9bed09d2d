#include "controls/gdip/SplashScreen.h"
#include "SplashTestSupport.h"
#include "platform/forms/LayeredWindow.h"
#include "platform/sys/ProgramVersion.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using korvan::gdip::testing::EditorSplash;

class SplashScreenTest : public korvan::testing::GuiTest {
protected:
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
    ASSERT_TRUE(w->Layered());
    // The first render goes out with alpha 5 and the first fade step at
    // once; every further step 5 ms later.
    EXPECT_EQ(korvan::forms::LayeredPushCount(*w), 2);
    std::vector<int> steps{w->Opacity()};
    while (w->Fading()) {
        AdvanceTimers(4);
        EXPECT_EQ(w->Opacity(), steps.back()); // not before its time
        AdvanceTimers(1);
        steps.push_back(w->Opacity());
    }
    std::vector<int> expected;
    for (int v = 25; v < 255; v += 20)
        expected.push_back(v);
    expected.push_back(255);
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(korvan::forms::LayeredPushCount(*w), 14); // the render and 13 fade steps

    bool closed = false;
    s->OnClose = [&](TObject*) { closed = true; };
    s->Hide();
    EXPECT_FALSE(s->Showing());
    EXPECT_TRUE(closed);
    EXPECT_EQ(s->SplashWindow(), nullptr);
    // The window that was shown fades down to 10 and then goes.
    EXPECT_TRUE(w->Visible());
    std::vector<int> down{w->Opacity()};
    while (w->Fading()) {
        AdvanceTimers(5);
        down.push_back(w->Opacity());
    }
    std::vector<int> expectedDown;
    for (int v = 235; v > 10; v -= 20)
        expectedDown.push_back(v);
    expectedDown.push_back(10);
    EXPECT_EQ(down, expectedDown);
    EXPECT_FALSE(w->Visible());
}

TEST_F(SplashScreenTest, ClosesOnItsTimerAndFocusesTheMainWindow) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetCloseOnTimeout(true);
    s->SetCloseOnMainFormShow(false);
    s->SetFocusParentForm(true);
    ShowForm(main.get());
    TForm other(nullptr);
    ShowForm(&other);
    s->Show();
    AdvanceTimers(99);
    EXPECT_TRUE(s->Showing());
    AdvanceTimers(1);
    EXPECT_FALSE(s->Showing());
    AdvanceTimers(19);
    ProcessEvents();
    EXPECT_FALSE(main->Active());
    AdvanceTimers(1);
    ProcessEvents();
    EXPECT_TRUE(main->Active());
}

TEST_F(SplashScreenTest, FocusesTheMainWindowAfterClosingOnItsShow) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetFocusParentForm(true);
    s->Show();
    TForm other(nullptr);
    main->Show();
    EXPECT_FALSE(s->Showing());
    ShowForm(&other);
    EXPECT_FALSE(main->Active());
    AdvanceTimers(20);
    ProcessEvents();
    EXPECT_TRUE(main->Active());
}

TEST_F(SplashScreenTest, SetFocusToFormActivatesThatForm20msLater) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    TForm first(nullptr), second(nullptr), other(nullptr);
    ShowForm(&first);
    ShowForm(&second);
    ShowForm(&other);
    s->SetFocusToForm(&first);
    AdvanceTimers(19);
    ProcessEvents();
    EXPECT_TRUE(other.Active());
    AdvanceTimers(1);
    ProcessEvents();
    EXPECT_TRUE(first.Active());
    // The timer fired once and stopped.
    ShowForm(&other);
    AdvanceTimers(100);
    ProcessEvents();
    EXPECT_TRUE(other.Active());

    // A second call before the timer fires: the newest form wins.
    s->SetFocusToForm(&first);
    AdvanceTimers(10);
    s->SetFocusToForm(&second);
    AdvanceTimers(20);
    ProcessEvents();
    EXPECT_TRUE(second.Active());
}

TEST_F(SplashScreenTest, AFocusFormThatGoesBeforeItsTimerIsForgotten) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    auto gone = std::make_unique<TForm>(nullptr);
    ShowForm(gone.get());
    s->SetFocusToForm(gone.get());
    gone.reset();
    AdvanceTimers(20); // nothing to focus, and nothing freed is touched
    ProcessEvents();
    s->SetFocusToForm(nullptr);
    AdvanceTimers(20);
}

TEST_F(SplashScreenTest, AMainWindowThatGoesIsForgotten) {
    auto owner = std::make_unique<TForm>(nullptr);
    TDovOveruvAvovozIrurid* s = EditorSplash(nullptr);
    s->SetFocusParentForm(true);
    s->SetCloseOnTimeout(true);
    s->SetMainForm(owner.get());
    EXPECT_EQ(s->MainForm(), owner.get());
    owner.reset();
    EXPECT_EQ(s->MainForm(), nullptr);
    s->Show();
    AdvanceTimers(100 + 20);
    EXPECT_FALSE(s->Showing());
    delete s;
}

TEST_F(SplashScreenTest, KeepsNoTheme) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    EXPECT_EQ(s->GetThemeID(), "TDovOveruvAvovozIrurid");
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "korvan_splash_theme.ini";
    std::filesystem::remove(file);
    s->SaveToTheme(file.string());
    EXPECT_FALSE(std::filesystem::exists(file));
    s->LoadFromTheme(file.string());
    EXPECT_EQ(s->BasicProgramInfo()->ProgramName()->Text(), "KORVAN DSP Processor Editor");
    EXPECT_EQ(s->Fill()->Opacity(), 249);
}

TEST_F(SplashScreenTest, WithoutVersionDataTheTextsStayAsStored) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->BasicProgramInfo()->SetCopyRight("stored");
    s->SetAutoShow(false);
    s->Loaded();
    EXPECT_EQ(s->BasicProgramInfo()->ProgramName()->Text(), "KORVAN DSP Processor Editor");
    EXPECT_EQ(s->BasicProgramInfo()->ProgramVersion()->Text(), "V1.0");
    EXPECT_EQ(s->BasicProgramInfo()->CopyRight(), "stored");
}

TEST_F(SplashScreenTest, LoadsTheProgramsVersionDataWhenAutoLoadIsSet) {
    struct Case {
        bool autoLoad;
        korvan::sys::ProgramVersion data;
        std::string name, version, copyright;
        int nameChanges;
    };
    const Case cases[] = {
        {true, {"Product", "2.3.0.1", "Maker", "(c) Maker"}, "Product", "2.3.0.1", "(c) Maker", 1},
        // A value the program does not give empties its text.
        {true, {"Product", "", "Maker", ""}, "Product", "", "", 1},
        {true, {"KORVAN DSP Processor Editor", "V1.0", "", ""}, "KORVAN DSP Processor Editor", "V1.0", "", 0},
        {false,
         {"Product", "2.3.0.1", "Maker", "(c) Maker"},
         "KORVAN DSP Processor Editor",
         "V1.0",
         "stored",
         0},
    };
    for (const Case& c : cases) {
        const korvan::sys::ProgramVersionData declared(c.data);
        TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
        s->BasicProgramInfo()->SetCopyRight("stored");
        s->BasicProgramInfo()->SetAutoLoad(c.autoLoad);
        int changes = 0;
        s->BasicProgramInfo()->ProgramName()->OnChange = [&](TObject*) { ++changes; };
        s->SetAutoShow(false);
        s->Loaded();
        EXPECT_EQ(s->BasicProgramInfo()->ProgramName()->Text(), c.name) << c.data.ProductName;
        EXPECT_EQ(s->BasicProgramInfo()->ProgramVersion()->Text(), c.version) << c.data.ProductName;
        EXPECT_EQ(s->BasicProgramInfo()->CopyRight(), c.copyright) << c.data.ProductName;
        EXPECT_EQ(changes, c.nameChanges) << c.data.ProductName;
        delete s;
    }
}

TEST_F(SplashScreenTest, ShowsTheLoadedTextsWhenItShowsAfterLoading) {
    const korvan::sys::ProgramVersionData declared({"Other Product", "3.0", "", "(c) Other"});
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetDisplayStyle(dsNormal);
    s->Loaded();
    ASSERT_TRUE(s->Showing());
    EXPECT_EQ(s->BasicProgramInfo()->ProgramName()->Text(), "Other Product");
    const QImage shown = korvan::gdip::testing::LayeredScreenshot(*s->SplashWindow(), "splash_loaded_texts");
    ASSERT_FALSE(shown.isNull());
    s->Hide();
}

TEST_F(SplashScreenTest, ShowAndHideHappenOnceAndRaiseTheirEvents) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    std::vector<std::string> events;
    s->OnBeforeShow = [&](TObject* sender) {
        EXPECT_EQ(sender, s);
        EXPECT_FALSE(s->Showing());
        events.push_back("before show");
    };
    s->OnClose = [&](TObject*) { events.push_back("close"); };
    s->Hide(); // hidden: nothing
    s->Show(100, 200);
    TSplashScreenWindow* first = s->SplashWindow();
    s->Show(); // showing: nothing
    EXPECT_EQ(s->SplashWindow(), first);
    EXPECT_EQ(s->MainForm(), main.get());
    s->Hide();
    s->Hide();
    s->Show(); // a new window each time
    EXPECT_NE(s->SplashWindow(), nullptr);
    s->Hide();
    EXPECT_EQ(events, (std::vector<std::string>{"before show", "close", "before show", "close"}));
}

TEST_F(SplashScreenTest, WithoutCloseOnMainFormShowTheMainWindowKeepsItsHandler) {
    int ownShows = 0;
    main->OnShow = [&](TObject*) { ++ownShows; };
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetCloseOnMainFormShow(false);
    s->Show();
    main->Show();
    EXPECT_TRUE(s->Showing()) << "the main window's show does not close it";
    EXPECT_EQ(ownShows, 1);
    s->Hide();
    main->Hide();
    main->Show();
    EXPECT_EQ(ownShows, 2);
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
