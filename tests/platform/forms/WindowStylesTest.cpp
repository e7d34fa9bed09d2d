// Window styles beside a form's properties: never activated, top-most, a
// window region, alpha blending, and layered windows that show only what
// is pushed to them.

#include "platform/forms/WindowStyles.h"
#include "platform/forms/LayeredWindow.h"
#include "platform/forms/StdCtrls.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using korvan::testing::GuiTest;

class WindowStylesTest : public GuiTest {
protected:
    // A borderless 100 x 60 form, not yet shown.
    std::unique_ptr<TForm> Borderless() {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetClientWidth(100);
        form->SetClientHeight(60);
        form->SetColor(clWhite);
        return form;
    }
    // The top-level window as the screen composes it over black: its
    // translucent picture first, then that over the desktop.
    static QImage Screen(TCustomForm& form) {
        QImage window(form.Window()->size(), QImage::Format_ARGB32_Premultiplied);
        window.fill(Qt::transparent);
        form.Window()->render(&window, QPoint(), QRegion(), QWidget::DrawChildren);
        QImage screen(window.size(), QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter(&screen).drawImage(0, 0, window);
        return screen;
    }
};

TEST_F(WindowStylesTest, ANoActivateWindowShowsWithoutTakingTheActivation) {
    TForm active(nullptr);
    ShowForm(&active);
    ProcessEvents();
    ASSERT_TRUE(active.Active());
    auto form = Borderless();
    korvan::forms::SetNoActivate(*form);
    EXPECT_TRUE(korvan::forms::IsNoActivate(*form));
    form->SetVisible(true);
    ProcessEvents();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(active.Active());
    // Set on a shown window, the window stays shown.
    auto shown = Borderless();
    shown->SetVisible(true);
    korvan::forms::SetNoActivate(*shown);
    korvan::forms::MakeTopMost(*shown);
    EXPECT_TRUE(shown->Window()->isVisible());
    EXPECT_TRUE(korvan::forms::IsTopMost(*shown));
}

TEST_F(WindowStylesTest, TheRegionClipsTheWindowAndAnEmptyOneGivesItBack) {
    auto form = Borderless();
    form->SetVisible(true);
    EXPECT_TRUE(korvan::forms::WindowRegion(*form).IsEmpty());
    const auto round = korvan::gfx::Region::FromRoundRect(Rect(0, 0, 100, 60), 20, 20);
    korvan::forms::SetWindowRegion(*form, round);
    const korvan::gfx::Region region = korvan::forms::WindowRegion(*form);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(50, 30));
    korvan::forms::SetWindowRegion(*form, korvan::gfx::Region());
    EXPECT_TRUE(korvan::forms::WindowRegion(*form).IsEmpty());
}

TEST_F(WindowStylesTest, AlphaBlendingSetsTheWindowsOpacity) {
    auto form = Borderless();
    korvan::forms::SetAlphaBlend(*form, true, 51);
    EXPECT_NEAR(form->Window()->windowOpacity(), 0.2, 0.01);
    korvan::forms::SetAlphaBlend(*form, false, 51);
    EXPECT_DOUBLE_EQ(form->Window()->windowOpacity(), 1.0);
}

TEST_F(WindowStylesTest, ALayeredWindowShowsOnlyWhatIsPushed) {
    auto form = Borderless();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 60, 20);
    // Not layered: a push does nothing.
    Gdiplus::Bitmap picture(100, 60);
    picture.Pixels().fill(qRgba(0, 0, 255, 200));
    picture.Pixels().setPixel(0, 0, qRgba(0, 0, 0, 0));
    korvan::forms::UpdateLayeredWindow(*form, Point(form->Left(), form->Top()), picture, 255);
    EXPECT_EQ(korvan::forms::LayeredPushCount(*form), 0);
    EXPECT_EQ(korvan::forms::LayeredPicture(*form), nullptr);

    korvan::forms::SetLayered(*form);
    korvan::forms::SetLayered(*form); // once is enough
    EXPECT_TRUE(korvan::forms::IsLayered(*form));
    form->SetVisible(true);
    ProcessEvents();
    // See-through before the first push: neither the form nor its edit.
    EXPECT_EQ(Screen(*form).pixel(30, 20), qRgb(0, 0, 0));

    korvan::forms::UpdateLayeredWindow(*form, Point(form->Left(), form->Top()), picture, 255);
    EXPECT_EQ(korvan::forms::LayeredPushCount(*form), 1);
    QImage screen = Screen(*form);
    // On black: blue at alpha 200, the edit nowhere, the clear corner black.
    EXPECT_EQ(qBlue(screen.pixel(30, 20)), 200);
    EXPECT_EQ(qRed(screen.pixel(30, 20)), 0);
    EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(korvan::forms::LayeredPicture(*form)->Qt().pixel(30, 20)), 200);

    // The constant alpha scales every pixel's alpha.
    korvan::forms::UpdateLayeredWindow(*form, Point(form->Left(), form->Top()), picture, 51);
    EXPECT_NEAR(qAlpha(korvan::forms::LayeredPicture(*form)->Qt().pixel(30, 20)), 40, 1);
    screen = Screen(*form);
    EXPECT_NEAR(qBlue(screen.pixel(30, 20)), 40, 1);

    // A push to another point moves the window there.
    korvan::forms::UpdateLayeredWindow(*form, Point(form->Left() + 7, form->Top() + 5), picture, 255);
    EXPECT_EQ(korvan::forms::LayeredPushCount(*form), 3);
}

} // namespace
