// The splash window: its two modes (ordinary and layered), what reaches the
// screen in each, fades, the window region, the progress bar, items and
// clicks; with pictures of what a person sees.
#include "SplashTestSupport.h"
#include "controls/gdip/SplashScreen.h"
#include "platform/forms/LayeredWindow.h"
#include "platform/forms/WindowStyles.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

using korvan::forms::LayeredPicture;
using korvan::forms::LayeredPushCount;
using korvan::gdip::testing::EditorSplash;

class SplashWindowTest : public korvan::testing::GuiTest {
protected:
    // A splash screen of its own size with a plain fill.
    std::unique_ptr<TDovOveruvAvovozIrurid> Plain(std::uint8_t opacity, TDisplayStyle style = dsNormal) {
        auto s = std::make_unique<TDovOveruvAvovozIrurid>(nullptr);
        s->SetAutoShow(false);
        s->SetCloseOnMainFormShow(false);
        s->SetDisplayStyle(style);
        s->SetWidth(200);
        s->SetHeight(120);
        s->Fill()->SetColor(TColor(0x804020));
        s->Fill()->SetColorTo(clNone);
        s->Fill()->SetBorderColor(clNone);
        s->Fill()->SetOpacity(opacity);
        return s;
    }
    std::unique_ptr<TForm> main = std::make_unique<TForm>(nullptr);
};

TEST_F(SplashWindowTest, TheEditorsSplashIsALayeredWindowOfItsPicturesSize) {
    TDovOveruvAvovozIrurid* s = EditorSplash(main.get());
    s->SetCloseOnMainFormShow(false);
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Layered());
    EXPECT_TRUE(korvan::forms::IsLayered(*w));
    EXPECT_TRUE(korvan::forms::IsNoActivate(*w));
    EXPECT_TRUE(korvan::forms::IsTopMost(*w));
    EXPECT_EQ(w->BorderStyle(), bsNone);
    ASSERT_NE(w->MainBuffer(), nullptr);
    EXPECT_EQ(int(w->MainBuffer()->GetWidth()), 622);
    EXPECT_EQ(int(w->MainBuffer()->GetHeight()), 352);
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(LayeredPushCount(*w), 1);

    const QImage shown = korvan::gdip::testing::LayeredScreenshot(*w, "splash_editor_layered");
    ASSERT_FALSE(shown.isNull());
    const std::unique_ptr<Gdiplus::Bitmap> picture = LayeredPicture(*w);
    // The fill draws its picture, blue and opaque, inside a see-through
    // margin of the border's width; the text in white.
    const QRgb centre = picture->Qt().pixel(400, 300);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_GT(qBlue(centre), qRed(centre));
    EXPECT_EQ(qAlpha(picture->Qt().pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture->Qt().pixel(621, 351)), 0);
    int white = 0;
    for (int y = 130; y < 170; ++y)
        for (int x = 60; x < 400; ++x)
            white += qRed(picture->Qt().pixel(x, y)) > 230 ? 1 : 0;
    EXPECT_GT(white, 300) << "the program name";
    s->Hide();
}

TEST_F(SplashWindowTest, SizeAndPlaceFollowThePictureTheBorderAndTheLocation) {
    struct Case {
        bool adapt;
        bool picture;
        int borderWidth;
        TColor borderColor;
        TSize size;
        TRect inner;
    };
    const Case cases[] = {
        {true, true, 1, clNone, {622, 352}, Rect(0, 0, 621, 351)},
        {true, true, 4, clNone, {624, 354}, Rect(0, 0, 623, 353)},
        {true, true, 1, clGray, {622, 352}, Rect(1, 1, 620, 350)},
        {true, true, 4, clGray, {624, 354}, Rect(2, 2, 621, 351)},
        {false, true, 1, clNone, {200, 120}, Rect(0, 0, 199, 119)},
        {true, false, 1, clNone, {200, 120}, Rect(0, 0, 199, 119)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.adapt << c.picture << c.borderWidth << c.borderColor);
        auto s = Plain(255);
        s->SetAutoAdaptPictureSize(c.adapt);
        if (c.picture)
            s->Fill()->Picture()->LoadFromStream(korvan::gdip::testing::BackgroundPng());
        s->Fill()->SetBorderWidth(c.borderWidth);
        s->Fill()->SetBorderColor(c.borderColor);
        s->Show();
        TSplashScreenWindow* w = s->SplashWindow();
        EXPECT_EQ(w->ClientWidth(), c.size.cx);
        EXPECT_EQ(w->ClientHeight(), c.size.cy);
        EXPECT_EQ(w->InnerRect(), c.inner);
        s->Hide();
    }
    // A fixed place on the screen; the layered pushes keep it there.
    auto s = Plain(200);
    s->SetDisplayLocation(dlFixedPos);
    s->SetDisplayPosX(30);
    s->SetDisplayPosY(40);
    s->Show();
    EXPECT_EQ(s->SplashWindow()->Left(), 30);
    EXPECT_EQ(s->SplashWindow()->Top(), 40);
    s->Refresh();
    EXPECT_EQ(s->SplashWindow()->Left(), 30);
    EXPECT_EQ(s->SplashWindow()->Top(), 40);
    s->Hide();
}

TEST_F(SplashWindowTest, OnlyARefreshReachesTheScreenOfALayeredWindow) {
    auto s = Plain(200);
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    ASSERT_TRUE(w->Layered());
    EXPECT_EQ(LayeredPushCount(*w), 1);
    // Invalidations and paints show nothing new.
    s->SetTextRendering(tAntiAlias);
    s->SetStayOnTop(false);
    s->TopLayerItems()->Add();
    w->Repaint();
    ProcessEvents();
    EXPECT_EQ(LayeredPushCount(*w), 1);
    // Refresh, EndUpdate and clearing a list redraw and push.
    s->Refresh();
    EXPECT_EQ(LayeredPushCount(*w), 2);
    s->BeginUpdate();
    s->BeginUpdate();
    s->EndUpdate();
    EXPECT_EQ(LayeredPushCount(*w), 2);
    s->EndUpdate();
    EXPECT_EQ(LayeredPushCount(*w), 3);
    s->Items()->Add()->SetText("added");
    EXPECT_EQ(LayeredPushCount(*w), 3) << "adding an item does not redraw";
    s->Items()->Clear();
    EXPECT_EQ(LayeredPushCount(*w), 4);
    s->ListItems()->Add();
    s->ListItems()->Clear();
    EXPECT_EQ(LayeredPushCount(*w), 5);
    s->BasicProgramInfo()->ProgramName()->SetText("Renamed");
    EXPECT_EQ(LayeredPushCount(*w), 6);
    // The fill's opacity changing later does not change the mode.
    s->Fill()->SetOpacity(255);
    s->Refresh();
    EXPECT_TRUE(w->Layered());
    EXPECT_TRUE(korvan::forms::IsTopMost(*w)) << "top-most at every render, whatever StayOnTop says";
    s->Hide();
}

TEST_F(SplashWindowTest, AnOpaqueFillMakesAnOrdinaryWindow) {
    struct Case {
        TDisplayStyle style;
        int maxOpacity;
        bool alphaBlend;
    };
    for (const Case c : {Case{dsNormal, 200, false}, Case{dsFadeInOut, 255, true}}) {
        auto s = Plain(255, c.style);
        s->SetMaxOpacity(std::uint8_t(c.maxOpacity));
        s->Fill()->SetOpacityTo(255);
        s->Show();
        TSplashScreenWindow* w = s->SplashWindow();
        EXPECT_FALSE(w->Layered());
        EXPECT_FALSE(korvan::forms::IsLayered(*w));
        EXPECT_EQ(w->MainBuffer(), nullptr);
        EXPECT_EQ(w->ClientWidth(), 200);
        EXPECT_EQ(w->ClientHeight(), 120);
        while (w->Fading())
            AdvanceTimers(5);
        EXPECT_EQ(w->AlphaBlend(), c.alphaBlend);
        EXPECT_EQ(w->AlphaBlendValue(), c.maxOpacity);
        // It paints itself: the fill colour is on the window.
        const QImage grabbed = korvan::testing::Grab(w);
        const QRgb mid = grabbed.pixel(100, 60);
        EXPECT_EQ(qRed(mid), 0x20);
        EXPECT_EQ(qBlue(mid), 0x80);
        s->Hide();
    }
    // A translucent end colour alone makes it layered too.
    auto s = Plain(255);
    s->Fill()->SetOpacityTo(254);
    s->Show();
    EXPECT_TRUE(s->SplashWindow()->Layered());
    s->Hide();
}

TEST_F(SplashWindowTest, AnOrdinaryWindowFadesInStepsOfFiveUpToMaxOpacity) {
    for (const int max : {200, 202}) {
        auto s = Plain(255, dsFadeInOut);
        s->SetMaxOpacity(std::uint8_t(max));
        s->Show();
        TSplashScreenWindow* w = s->SplashWindow();
        EXPECT_TRUE(w->AlphaBlend());
        std::vector<int> values{w->AlphaBlendValue()};
        while (w->Fading()) {
            AdvanceTimers(5);
            values.push_back(w->AlphaBlendValue());
        }
        std::vector<int> expected;
        for (int v = 10; v <= 200; v += 5)
            expected.push_back(v);
        if (max == 202)
            expected.push_back(202);
        EXPECT_EQ(values, expected) << max;

        // Hide fades down by 20 every 15 ms to 10.
        s->Hide();
        std::vector<int> down{w->AlphaBlendValue()};
        while (w->Fading()) {
            AdvanceTimers(14);
            EXPECT_EQ(w->AlphaBlendValue(), down.back());
            AdvanceTimers(1);
            down.push_back(w->AlphaBlendValue());
        }
        EXPECT_EQ(down.front(), max - 20);
        EXPECT_EQ(down.back(), 10);
        EXPECT_FALSE(w->Visible());
    }
}

TEST_F(SplashWindowTest, FadeInAndOutByHand) {
    auto s = Plain(200);
    s->FadeIn(10, 1, 255); // no window: nothing
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    EXPECT_EQ(w->Opacity(), 255);
    s->FadeOut(50, 2, 100);
    std::vector<int> values{w->Opacity()};
    while (w->Fading()) {
        AdvanceTimers(2);
        values.push_back(w->Opacity());
    }
    EXPECT_EQ(values, (std::vector<int>{205, 155, 105, 100}));
    const int pushes = LayeredPushCount(*w);
    // FadeIn waits three times as long between its steps.
    s->FadeIn(100, 2, 255);
    EXPECT_EQ(w->Opacity(), 200);
    AdvanceTimers(5);
    EXPECT_EQ(w->Opacity(), 200);
    AdvanceTimers(1);
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(LayeredPushCount(*w), pushes + 2);
    // The pushed picture carries the constant alpha.
    s->FadeOut(155, 1, 100);
    EXPECT_EQ(w->Opacity(), 100);
    const QRgb mid = LayeredPicture(*w)->Qt().pixel(100, 60);
    EXPECT_NEAR(qAlpha(mid), 200 * 100 / 255, 1);
    s->Hide();
}

TEST_F(SplashWindowTest, TheWindowRegionFollowsTheFillsRounding) {
    struct Case {
        TFillRoundingType type;
        bool topLeft, topRight, bottomLeft, bottomRight;
    };
    const Case cases[] = {
        {rtNone, true, true, true, true},   {rtBoth, false, false, false, false},
        {rtTop, false, false, true, true},  {rtBottom, true, true, false, false},
        {rtLeft, false, true, false, true}, {rtRight, true, false, true, false},
    };
    for (const Case& c : cases) {
        auto s = Plain(255);
        s->Fill()->SetRounding(10);
        s->Fill()->SetRoundingType(c.type);
        s->Show();
        const korvan::gfx::Region region = korvan::forms::WindowRegion(*s->SplashWindow());
        if (c.type == rtNone) {
            EXPECT_TRUE(region.IsEmpty());
        } else {
            EXPECT_EQ(region.Contains(1, 1), c.topLeft) << int(c.type);
            EXPECT_EQ(region.Contains(198, 1), c.topRight) << int(c.type);
            EXPECT_EQ(region.Contains(1, 118), c.bottomLeft) << int(c.type);
            EXPECT_EQ(region.Contains(198, 118), c.bottomRight) << int(c.type);
            EXPECT_TRUE(region.Contains(100, 60)) << int(c.type);
        }
        s->Hide();
    }
    // No rounding, no region.
    auto s = Plain(255);
    s->Fill()->SetRounding(0);
    s->Fill()->SetRoundingType(rtBoth);
    s->Show();
    EXPECT_TRUE(korvan::forms::WindowRegion(*s->SplashWindow()).IsEmpty());
    s->Hide();
}

TEST_F(SplashWindowTest, TheProgressBarIsDrawnIntoTheLayeredPicture) {
    auto s = Plain(240);
    std::vector<double> positions;
    s->OnProgressPositionChanged = [&](TObject* sender, double value) {
        EXPECT_EQ(sender, s.get());
        positions.push_back(value);
    };
    TGDIPSplashProgress* bar = s->ProgressBar();
    bar->SetLeft(20);
    bar->SetTop(80);
    bar->SetWidth(160);
    bar->SetHeight(14);
    bar->ProgressFill()->SetColor(clLime);
    bar->ProgressFill()->SetColorTo(clLime);
    bar->BackGroundFill()->SetColor(clWhite);
    bar->BackGroundFill()->SetColorTo(clWhite);
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    EXPECT_FALSE(w->ProgressBar()->Visible());
    const int pushes = LayeredPushCount(*w);
    bar->SetVisible(true);
    EXPECT_TRUE(w->ProgressBar()->Visible());
    EXPECT_GT(LayeredPushCount(*w), pushes);
    positions.clear();
    bar->SetPosition(50);
    EXPECT_EQ(w->ProgressBar()->Position(), 50);
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), 50);
    const QImage shown = korvan::gdip::testing::LayeredScreenshot(*w, "splash_layered_progress");
    const std::unique_ptr<Gdiplus::Bitmap> picture = LayeredPicture(*w);
    const QRgb filled = picture->Qt().pixel(50, 87), empty = picture->Qt().pixel(150, 87);
    EXPECT_GT(qGreen(filled), 200);
    EXPECT_LT(qRed(filled), 100);
    EXPECT_GT(qRed(empty), 200);
    // A maximum above the old one lets the position past it.
    bar->SetMaximum(200);
    bar->SetPosition(150);
    EXPECT_EQ(w->ProgressBar()->Maximum(), 200);
    EXPECT_EQ(w->ProgressBar()->Position(), 150);
    s->Hide();
}

TEST_F(SplashWindowTest, ItemsDrawTheirPicturesKeyedAndTakeTheirRoom) {
    auto s = Plain(255);
    s->Fill()->SetColor(clBlack);
    s->Fill()->SetColorTo(clBlack);
    s->SetPictureGap(5);
    TImageList images(16, 16);
    TBitmap red(16, 16);
    red.Image().fill(qRgb(255, 0, 0));
    images.Add(red);
    s->SetImages(&images);
    TSplashItem* bmp = s->Items()->Add();
    bmp->SetPosX(10);
    bmp->SetPosY(10);
    // A white 20 x 20 picture with a blue square: its white goes.
    QImage face(20, 20, QImage::Format_ARGB32);
    face.fill(qRgb(255, 255, 255));
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            face.setPixel(x, y, qRgb(0, 0, 255));
    bmp->Picture()->LoadFromStream(korvan::gdip::testing::BmpFile(face));
    TSplashItem* listed = s->Items()->Add();
    listed->SetPosX(10);
    listed->SetPosY(60);
    listed->SetImageIndex(0);
    listed->SetText("x");
    listed->Font()->SetColor(clWhite);
    listed->Font()->SetSize(10);
    TSplashItem* hidden = s->Items()->Add();
    hidden->SetVisible(false);
    hidden->SetText("hidden");
    hidden->SetPosX(100);
    hidden->SetPosY(10);
    hidden->Font()->SetColor(clWhite);
    s->Show();
    TSplashScreenWindow* w = s->SplashWindow();
    const QImage grabbed = korvan::testing::Grab(w);
    korvan::testing::SavePng(grabbed, "splash_items");
    EXPECT_EQ(grabbed.pixel(11, 11), qRgb(0, 0, 0)) << "white keyed out";
    EXPECT_EQ(grabbed.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(grabbed.pixel(15, 65), qRgb(255, 0, 0)) << "image-list image on the window";
    int hiddenInk = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 100; x < 160; ++x)
            hiddenInk += grabbed.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_EQ(hiddenInk, 0);
    s->Hide();

    // Layered: no image-list image, yet the text keeps its place.
    s->Fill()->SetOpacity(254);
    s->Show();
    korvan::gdip::testing::LayeredScreenshot(*s->SplashWindow(), "splash_items_layered");
    const std::unique_ptr<Gdiplus::Bitmap> picture = LayeredPicture(*s->SplashWindow());
    EXPECT_LT(qRed(picture->Qt().pixel(15, 65)), 50);
    int ink = 0;
    for (int y = 60; y < 76; ++y)
        for (int x = 10; x < 31; ++x)
            ink += qRed(picture->Qt().pixel(x, y)) > 128;
    EXPECT_EQ(ink, 0) << "nothing where the image would be";
    int text = 0;
    for (int y = 60; y < 80; ++y)
        for (int x = 31; x < 45; ++x)
            text += qRed(picture->Qt().pixel(x, y)) > 128;
    EXPECT_GT(text, 0) << "the text after the image's room";
    s->Hide();
    s->SetImages(nullptr);
}

TEST_F(SplashWindowTest, ItemUpdatesAndDeletionsAreReported) {
    auto s = Plain(255);
    TSplashItem* item = s->Items()->Add();
    s->Items()->Add();
    std::vector<int> deleted;
    s->Items()->OnDeleteItem = [&](TObject* sender, int index) {
        EXPECT_EQ(sender, s->Items());
        deleted.push_back(index);
    };
    s->ListItems()->Add();
    s->ListItems()->OnDeleteItem = [&](TObject*, int index) { deleted.push_back(100 + index); };
    s->Show();
    int listChanges = 0;
    s->ListItems()->OnChange = [&](TObject*) { ++listChanges; };
    TSplashListItem* line = s->ListItems()->Items(0);
    line->BeginUpdate();
    line->EndUpdate();
    EXPECT_EQ(listChanges, 1);
    item->BeginUpdate();
    item->EndUpdate(); // invalidates the showing window; nothing to see here but no fault
    delete item;
    s->Items()->Delete(0);
    s->ListItems()->Clear();
    EXPECT_EQ(deleted, (std::vector<int>{0, 0, 100}));
    s->Hide();
}

TEST_F(SplashWindowTest, AClickRaisesOnClickAndLeavesTheActiveWindowActive) {
    ShowForm(main.get());
    ProcessEvents();
    ASSERT_TRUE(main->Active());
    auto s = Plain(255);
    int clicks = 0;
    s->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, s.get());
        ++clicks;
    };
    s->Show();
    ProcessEvents();
    EXPECT_TRUE(main->Active()) << "showing does not activate";
    input.Click(s->SplashWindow(), 50, 50);
    ProcessEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(main->Active());
    s->Hide();
}

} // namespace
