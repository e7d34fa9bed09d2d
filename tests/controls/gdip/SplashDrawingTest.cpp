// What the splash window draws: where the headings go by their locations,
// how a heading's brush follows its gradient type, and which list lines
// are kept when they overflow their rectangle.
#include "SplashTestSupport.h"
#include "controls/gdip/SplashScreen.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels that `ink` picks.
template <class Pick> TRect InkBox(const QImage& page, Pick ink) {
    TRect box = Rect(page.width(), page.height(), -1, -1);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (ink(page.pixel(x, y))) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}
bool Reddish(QRgb p) {
    return qRed(p) > 100 && qGreen(p) < 60 && qBlue(p) < 60;
}
bool Greenish(QRgb p) {
    return qGreen(p) > 100 && qRed(p) < 60 && qBlue(p) < 60;
}
bool Bluish(QRgb p) {
    return qBlue(p) > 100 && qRed(p) < 60 && qGreen(p) < 60;
}

class SplashDrawingTest : public korvan::testing::GuiTest {
protected:
    // A 300 x 150 black splash with a red name, a green version and a
    // blue copyright.
    std::unique_ptr<TDovOveruvAvovozIrurid> Headings(TItemLocation name, TItemLocation version,
                                                     TItemLocation copyright) {
        auto s = std::make_unique<TDovOveruvAvovozIrurid>(nullptr);
        s->SetAutoShow(false);
        s->SetCloseOnMainFormShow(false);
        s->SetDisplayStyle(dsNormal);
        s->SetWidth(300);
        s->SetHeight(150);
        s->Fill()->SetColor(clBlack);
        s->Fill()->SetColorTo(clBlack);
        s->Fill()->SetBorderColor(clNone);
        TBasicProgramInfo& info = *s->BasicProgramInfo();
        const auto heading = [](TSplashHeadingText& h, const char* text, TColor colour, TItemLocation at) {
            h.SetText(text);
            h.Font()->SetName("Tahoma");
            h.Font()->SetSize(12);
            h.SetColorStart(colour);
            h.SetColorEnd(clNone);
            h.SetLocation(at);
            h.SetPosX(40);
            h.SetPosY(50);
        };
        heading(*info.ProgramName(), "Name", clRed, name);
        heading(*info.ProgramVersion(), "V2", clLime, version);
        info.SetCopyRight("(c) Us");
        info.CopyRightFont()->SetName("Tahoma");
        info.CopyRightFont()->SetSize(10);
        info.CopyRightFont()->SetColor(clBlue);
        info.SetCopyRightLocation(copyright);
        info.SetCopyRightPosX(150);
        info.SetCopyRightPosY(100);
        return s;
    }
};

TEST_F(SplashDrawingTest, HeadingsStandWhereTheirLocationsPutThem) {
    // Heading rectangle: 0, 0 to 294 (five left of the inner right), 149.
    struct Case {
        TItemLocation name, version, copyright;
        std::function<void(const TRect& n, const TRect& v, const TRect& c)> check;
    };
    const Case cases[] = {
        {ilTopLeft, ilTopLeft, ilTopLeft,
         [](const TRect& n, const TRect& v, const TRect& c) {
             EXPECT_LT(n.Left, 6);
             EXPECT_LT(n.Top, 8);
             EXPECT_GT(v.Left, n.Right) << "the version right of the name";
             EXPECT_LT(v.Left - n.Right, 16) << "one pixel past the measured name";
             EXPECT_GT(c.Top, n.Bottom) << "the copyright below the name";
             EXPECT_LT(c.Left, 6);
         }},
        {ilBottomRight, ilBottomRight, ilBottomRight,
         [](const TRect& n, const TRect& v, const TRect& c) {
             EXPECT_GT(c.Bottom, 140);
             EXPECT_LE(c.Right, 295);
             EXPECT_GT(c.Right, 285);
             EXPECT_LT(n.Bottom, c.Top) << "the name above the copyright";
             EXPECT_LT(n.Right, v.Left) << "the version right of the name";
             EXPECT_GT(v.Right, 285);
         }},
        {ilTopCenter, ilTopCenter, ilBottomCenter,
         [](const TRect& n, const TRect& v, const TRect& c) {
             EXPECT_NEAR((n.Left + n.Right) / 2, 147, 6);
             EXPECT_NEAR((v.Left + v.Right) / 2, 147, 6);
             EXPECT_GT(v.Top, n.Bottom) << "the version below the name";
             EXPECT_NEAR((c.Left + c.Right) / 2, 147, 6);
             EXPECT_GT(c.Bottom, 140);
         }},
        {ilCustom, ilTopRight, ilCustom,
         [](const TRect& n, const TRect& v, const TRect& c) {
             EXPECT_NEAR(n.Left, 41, 3);
             EXPECT_NEAR(n.Top, 54, 5);
             EXPECT_GT(v.Right, 285);
             EXPECT_LT(v.Top, 8);
             EXPECT_NEAR(c.Left, 151, 3);
             EXPECT_NEAR(c.Top, 103, 5);
         }},
    };
    int i = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(i);
        auto s = Headings(c.name, c.version, c.copyright);
        s->Show();
        const QImage page = korvan::gdip::testing::RenderSplash(*s, "splash_headings_" + std::to_string(i++));
        c.check(InkBox(page, Reddish), InkBox(page, Greenish), InkBox(page, Bluish));
        s->Hide();
    }
}

TEST_F(SplashDrawingTest, AHeadingsBrushFollowsItsGradientType) {
    struct Case {
        TAdvGradientType type;
        TColor end;
        bool drawn;
    };
    for (const Case c :
         {Case{gtRadial, clWhite, false}, Case{gtPath, clWhite, false}, Case{gtRadial, clNone, true},
          Case{gtSolid, clWhite, true}, Case{gtVertical, clRed, true}, Case{gtHatch, clRed, true}}) {
        SCOPED_TRACE(int(c.type));
        auto s = Headings(ilCustom, ilCustom, ilCustom);
        s->BasicProgramInfo()->ProgramVersion()->SetText("");
        s->BasicProgramInfo()->SetCopyRight("");
        TSplashHeadingText& name = *s->BasicProgramInfo()->ProgramName();
        name.SetGradientType(c.type);
        name.SetColorEnd(c.end);
        s->Show();
        const QImage page = korvan::gdip::testing::RenderSplash(*s, "splash_heading_brush");
        const TRect ink = InkBox(page, [](QRgb p) { return qRed(p) > 100; });
        EXPECT_EQ(ink.Right > ink.Left, c.drawn);
        s->Hide();
    }
}

TEST_F(SplashDrawingTest, ListLinesThatOverflowDropTheOldestOnes) {
    auto s = Headings(ilTopLeft, ilTopLeft, ilTopLeft);
    s->BasicProgramInfo()->ProgramName()->SetText("");
    s->BasicProgramInfo()->ProgramVersion()->SetText("");
    s->BasicProgramInfo()->SetCopyRight("");
    TSplashListItemsSettings& settings = *s->ListItemsSettings();
    settings.Rect()->SetLeft(20);
    settings.Rect()->SetTop(30);
    settings.Rect()->SetWidth(200);
    settings.Rect()->SetHeight(60);
    settings.SetSpace(8);
    settings.HTMLFont()->SetName("Tahoma");
    settings.HTMLFont()->SetSize(10);
    for (int i = 0; i < 6; ++i)
        s->ListItems()->Add()->SetHTMLText("<FONT color=\"clWhite\">line " + std::to_string(i) + "</FONT>");
    s->Show();
    korvan::gdip::testing::RenderSplash(*s, "splash_list_overflow");
    TSplashListItems& items = *s->ListItems();
    int first = 0;
    while (first < items.Count() && items.Items(first)->DisplayRect.Top < 0)
        ++first;
    ASSERT_GT(first, 0) << "the oldest lines are dropped";
    ASSERT_LT(first, items.Count());
    for (int i = 0; i < first; ++i)
        EXPECT_EQ(items.Items(i)->DisplayRect.Bottom, -1);
    EXPECT_EQ(items.Items(first)->DisplayRect.Top, 30) << "the rest start at the rectangle's top";
    for (int i = first + 1; i < items.Count(); ++i)
        EXPECT_EQ(items.Items(i)->DisplayRect.Top, items.Items(i - 1)->DisplayRect.Bottom + 8);
    EXPECT_LE(items.Items(items.Count() - 1)->DisplayRect.Bottom, 90);
    EXPECT_EQ(items.Items(first)->DisplayRect.Left, 20);
    s->Hide();

    // One line taller than the rectangle starts at its top.
    settings.Rect()->SetHeight(5);
    items.Clear();
    items.Add()->SetHTMLText("<FONT color=\"clWhite\">tall</FONT>");
    s->Show();
    korvan::gdip::testing::RenderSplash(*s, "splash_list_tall");
    EXPECT_EQ(items.Items(0)->DisplayRect.Top, 30);
    EXPECT_GT(items.Items(0)->DisplayRect.Height(), 5);
    s->Hide();
}

} // namespace
