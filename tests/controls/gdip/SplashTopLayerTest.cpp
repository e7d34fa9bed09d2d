// The boxes a splash screen draws over its picture: their form text, their
// geometry, where their text goes, and a picture of them.
#include "SplashTestSupport.h"
#include "controls/gdip/GdipClasses.h"
#include "controls/gdip/SplashScreen.h"
#include "platform/forms/FormText.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

class SplashTopLayerTest : public korvan::testing::GuiTest {
protected:
    SplashTopLayerTest() { korvan::gdip::RegisterGdipClasses(); }

    static std::unique_ptr<TDovOveruvAvovozIrurid> Splash() {
        auto s = std::make_unique<TDovOveruvAvovozIrurid>(nullptr);
        s->SetName("Splash");
        s->SetAutoShow(false);
        s->SetDisplayStyle(dsNormal);
        s->SetCloseOnMainFormShow(false);
        return s;
    }
};

TEST_F(SplashTopLayerTest, EveryLocationAndAlignmentReadsBackAsStored) {
    auto source = Splash();
    const std::vector<TDovOveruvAvovozIruridLocation> locations{
        cpTopLeft,     cpTopCenter,  cpTopRight,     cpCenterLeft,  cpCenterCenter,
        cpCenterRight, cpBottomLeft, cpBottomCenter, cpBottomRight, cpCustom};
    const std::vector<TAlign> aligns{alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom};
    for (std::size_t i = 0; i < locations.size(); ++i) {
        TAdvSplashTopLayerItem* item = source->TopLayerItems()->Add();
        item->HTMLText()->SetText("box " + std::to_string(i));
        item->HTMLText()->SetLocation(locations[i]);
        item->SetAlign(aligns[i % aligns.size()]);
        item->SetLeft(int(i) * 3);
        item->SetWidth(40 + int(i));
    }
    TAdvSplashTopLayerItem* last = source->TopLayerItems()->Items(9);
    last->SetVisible(false);
    last->HTMLText()->SetLeft(17);
    last->HTMLText()->SetTop(-4);
    last->HTMLText()->SetURLColor(clRed);
    last->HTMLText()->SetShadowOffset(2);
    last->HTMLText()->Font()->SetSize(15);
    last->Fill()->SetColor(clYellow);
    const std::string text = korvan::forms::WriteComponentText(source.get());
    EXPECT_NE(text.find("Location = cpCenterLeft"), std::string::npos) << text;

    auto target = Splash();
    korvan::forms::ReadComponentText(text, target.get());
    ASSERT_EQ(target->TopLayerItems()->Count(), 10) << text;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const TAdvSplashTopLayerItem& item = *target->TopLayerItems()->Items(i);
        EXPECT_EQ(item.HTMLText()->Location(), locations[std::size_t(i)]);
        EXPECT_EQ(item.HTMLText()->Text(), "box " + std::to_string(i));
        EXPECT_EQ(item.Align(), aligns[std::size_t(i) % aligns.size()]);
        EXPECT_EQ(item.Left(), i * 3);
        EXPECT_EQ(item.Width(), 40 + i);
    }
    const TAdvSplashTopLayerItem& read = *target->TopLayerItems()->Items(9);
    EXPECT_FALSE(read.Visible());
    EXPECT_EQ(read.HTMLText()->Left(), 17);
    EXPECT_EQ(read.HTMLText()->Top(), -4);
    EXPECT_EQ(read.HTMLText()->URLColor(), clRed);
    EXPECT_EQ(read.HTMLText()->ShadowOffset(), 2);
    EXPECT_EQ(read.HTMLText()->Font()->Size(), 15);
    EXPECT_EQ(read.Fill()->Color(), clYellow);
}

TEST_F(SplashTopLayerTest, BoxFollowsItsAlignmentInTheInnerRectangle) {
    TAdvSplashTopLayerItems items(nullptr);
    TAdvSplashTopLayerItem* item = items.Add();
    item->SetLeft(7);
    item->SetTop(9);
    item->SetWidth(50);
    item->SetHeight(30);
    item->Fill()->SetBorderColor(clBlack);
    item->Fill()->SetBorderWidth(1);
    const TRect inner = Rect(2, 3, 402, 203); // X 2, Y 3, W 400, H 200
    struct Case {
        TAlign align;
        TGPRectF box;
    };
    const Case cases[] = {
        {alTop, {2, 3, 398, 30}},     {alBottom, {2, 173, 398, 30}}, {alLeft, {2, 3, 50, 200}},
        {alRight, {350, 3, 50, 200}}, {alClient, {2, 3, 398, 200}},  {alCustom, {9, 12, 50, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.align));
        item->SetAlign(c.align);
        const TGPRectF r = item->BoxIn(inner);
        EXPECT_EQ(r.X, c.box.X);
        EXPECT_EQ(r.Y, c.box.Y);
        EXPECT_EQ(r.Width, c.box.Width);
        EXPECT_EQ(r.Height, c.box.Height);
    }
    item->Fill()->SetBorderWidth(0);
    EXPECT_EQ(item->BoxIn(inner).Height, 31) << "a box without border grows by one line";
}

// Where the red pixels of a box's text lie, as column and row (0..2) of
// the box's thirds.
std::pair<int, int> TextCell(TDovOveruvAvovozIruridLocation location) {
    TAdvSplashTopLayerItems items(nullptr);
    TAdvSplashTopLayerItem* item = items.Add();
    item->SetLeft(10);
    item->SetTop(10);
    item->SetWidth(300);
    item->SetHeight(150);
    item->Fill()->SetColor(clWhite);
    item->Fill()->SetColorTo(clWhite);
    item->Fill()->SetBorderColor(clNone);
    item->HTMLText()->SetText("MM");
    item->HTMLText()->Font()->SetColor(clRed);
    item->HTMLText()->Font()->SetName("Tahoma");
    item->HTMLText()->Font()->SetSize(14);
    item->HTMLText()->SetLocation(location);
    Gdiplus::Bitmap page(330, 180);
    page.Pixels().fill(0xFF000000u);
    Gdiplus::Graphics g(page);
    DrawSplashTopLayerItems(g, items, Rect(0, 0, 330, 180), nullptr);
    long sx = 0, sy = 0, n = 0;
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 330; ++x) {
            const QRgb p = page.Pixels().pixel(x, y);
            if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    if (n == 0)
        return {-1, -1};
    return {int((sx / n - 10) / 100), int((sy / n - 10) / 50)};
}

TEST_F(SplashTopLayerTest, TextSitsAtItsLocationInTheBox) {
    const std::vector<TDovOveruvAvovozIruridLocation> locations{cpTopLeft,    cpTopCenter,    cpTopRight,
                                                                cpCenterLeft, cpCenterCenter, cpCenterRight,
                                                                cpBottomLeft, cpBottomCenter, cpBottomRight};
    for (std::size_t i = 0; i < locations.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TextCell(locations[i]), (std::pair<int, int>{int(i % 3), int(i / 3)}));
    }
}

TEST_F(SplashTopLayerTest, AddingChangingAndDeletingBoxesRepaintsAShowingSplash) {
    auto s = Splash();
    int changes = 0;
    TAdvSplashTopLayerItems& items = *s->TopLayerItems();
    const TNotifyEvent own = items.OnChange;
    items.OnChange = [&](TObject* sender) {
        ++changes;
        own(sender);
    };
    TAdvSplashTopLayerItem* item = items.Add();
    EXPECT_GT(changes, 0);
    const struct {
        const char* what;
        std::function<void()> change;
        bool repaints;
    } cases[] = {
        {"width", [&] { item->SetWidth(120); }, true},
        {"same width", [&] { item->SetWidth(120); }, false},
        {"text", [&] { item->HTMLText()->SetText("<B>x</B>"); }, true},
        {"font", [&] { item->HTMLText()->Font()->SetSize(20); }, true},
        {"fill", [&] { item->Fill()->SetColor(clLime); }, true},
        {"location", [&] { item->HTMLText()->SetLocation(cpCenterLeft); }, true},
        {"repaint off",
         [&] {
             item->HTMLText()->DisableRepaint = true;
             item->HTMLText()->SetTop(4);
             item->HTMLText()->DisableRepaint = false;
         },
         false},
        {"delete", [&] { items.Delete(0); }, true},
    };
    s->Show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        changes = 0;
        c.change();
        EXPECT_EQ(changes > 0, c.repaints);
    }
    EXPECT_EQ(items.Count(), 0);
    s->Hide();
}

TEST_F(SplashTopLayerTest, SplashWithBoxesPicture) {
    auto s = Splash();
    s->SetWidth(480);
    s->SetHeight(260);
    TGDIPFill* f = s->Fill();
    f->SetColor(RGB(20, 50, 110));
    f->SetColorTo(RGB(40, 90, 170));
    f->SetBorderColor(clNone);
    s->BasicProgramInfo()->ProgramName()->SetText("KORVAN");
    s->BasicProgramInfo()->ProgramName()->SetColorStart(clWhite);
    struct Box {
        TAlign align;
        int left, top, width, height;
        TColor color;
        int rounding;
        TDovOveruvAvovozIruridLocation location;
        const char* text;
    };
    const Box boxes[] = {
        {alBottom, 0, 0, 0, 40, RGB(230, 230, 240), 0, cpCenterLeft, "<B>Loading</B> settings..."},
        {alCustom, 280, 20, 180, 90, RGB(255, 210, 120), 10, cpCenterCenter,
         "<FONT color=\"clMaroon\">centre</FONT>"},
        {alCustom, 20, 120, 200, 70, clWhite, 6, cpBottomRight, "<I>bottom right</I>"},
        {alRight, 0, 0, 30, 0, RGB(90, 160, 90), 0, cpTopLeft, ""},
    };
    for (const Box& b : boxes) {
        TAdvSplashTopLayerItem* item = s->TopLayerItems()->Add();
        item->SetAlign(b.align);
        item->SetLeft(b.left);
        item->SetTop(b.top);
        item->SetWidth(b.width);
        item->SetHeight(b.height);
        item->Fill()->SetColor(b.color);
        item->Fill()->SetColorTo(b.color);
        item->Fill()->SetBorderColor(clGray);
        item->Fill()->SetRounding(b.rounding);
        item->Fill()->SetRoundingType(b.rounding ? rtBoth : rtNone);
        item->HTMLText()->SetText(b.text);
        item->HTMLText()->SetLocation(b.location);
        item->HTMLText()->Font()->SetName("Tahoma");
        item->HTMLText()->Font()->SetSize(11);
    }
    s->Show();
    const QImage page = korvan::gdip::testing::RenderSplash(*s, "splash_top_layer");
    ASSERT_FALSE(page.isNull());
    // The bottom box is drawn over the fill.
    const QRgb under = page.pixel(page.width() - 60, page.height() - 5);
    EXPECT_GT(qBlue(under), 200);
    EXPECT_GT(qRed(under), 200);
    s->Hide();
}

} // namespace
