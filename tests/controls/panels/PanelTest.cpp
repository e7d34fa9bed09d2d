// Panels: insets of the frames, transparency, the grid, the caption, the
// enable cascade and bottom-aligned growth.

#include "controls/panels/Panel.h"
#include "platform/forms/StdCtrls.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

class Panel : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzPanel* Add(TWinControl* parent, int left, int top, int w, int h) {
        auto* p = new TRzPanel(form.get());
        p->SetBounds(left, top, w, h);
        p->SetParent(parent);
        return p;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(Panel, AlignedChildrenSitInsideTheFrames) {
    struct Case {
        const char* name;
        TFrameStyleEx outer, inner;
        TSides sides;
        int borderWidth, bevelWidth;
        TRect expected;
    };
    const Case cases[] = {
        {"default raised", fsRaised, fsNone, sdAllSides, 0, 1, Bounds(2, 2, 96, 56)},
        {"no frame", fsNone, fsNone, sdAllSides, 0, 1, Bounds(0, 0, 100, 60)},
        {"flat top only", fsFlat, fsNone, sdTop, 0, 1, Bounds(0, 1, 100, 59)},
        {"status by bevel width", fsStatus, fsNone, sdAllSides, 0, 3, Bounds(3, 3, 94, 54)},
        {"outer, band and inner", fsFlat, fsGroove, sdLeft | sdRight, 2, 1, Bounds(5, 2, 90, 56)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRzPanel* p = Add(form.get(), 0, 0, 100, 60);
        p->SetBorderOuter(c.outer);
        p->SetBorderInner(c.inner);
        p->SetBorderSides(c.sides);
        p->SetBorderWidth(c.borderWidth);
        p->SetBevelWidth(c.bevelWidth);
        auto* child = new TPanel(form.get());
        child->SetAlign(alClient);
        child->SetParent(p);
        EXPECT_EQ(child->BoundsRect(), c.expected);
        delete p;
    }
}

TEST_F(Panel, ATransparentPanelWithoutFrameOrCaptionShowsItsParent) {
    form->SetColor(clYellow);
    TRzPanel* p = Add(form.get(), 10, 10, 60, 40);
    p->SetBorderOuter(fsNone);
    p->SetTransparent(true);
    p->SetColor(clRed);
    ShowForm(form.get());
    EXPECT_EQ(p->ClientRect(), Rect(0, 0, 60, 40));
    const QImage image = Grab(p);
    for (QPoint pt : {QPoint(0, 0), QPoint(30, 20), QPoint(59, 39)})
        EXPECT_EQ(PixelAt(image, pt.x(), pt.y()), clYellow);
    // Opaque again: its own colour.
    p->SetTransparent(false);
    EXPECT_EQ(PixelAt(Grab(p), 30, 20), clRed);
}

TEST_F(Panel, DotsOfTheGridStandAtTheEndOfEachCell) {
    TRzPanel* p = Add(form.get(), 0, 0, 20, 20);
    p->SetBorderOuter(fsNone);
    p->SetColor(clWhite);
    p->SetGridColor(clRed);
    p->SetShowGrid(true);
    ShowForm(form.get());
    QImage image = Grab(p);
    int dots = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            dots += PixelAt(image, x, y) == clRed;
    EXPECT_EQ(dots, 4);
    for (QPoint pt : {QPoint(7, 7), QPoint(7, 15), QPoint(15, 7), QPoint(15, 15)})
        EXPECT_EQ(PixelAt(image, pt.x(), pt.y()), clRed);
    p->SetGridXSize(0);
    image = Grab(p);
    EXPECT_EQ(PixelAt(image, 7, 7), clWhite);
}

TEST_F(Panel, HugeStoredWidthsLeaveAlignedChildrenNoRoom) {
    // A wrapped-round inset used to give the child about the panel's size.
    constexpr int kMax = std::numeric_limits<int>::max();
    for (bool bevel : {false, true}) {
        SCOPED_TRACE(bevel ? "bevel width" : "border width");
        TRzPanel* p = Add(form.get(), 0, 0, 100, 60);
        p->SetCaption("Caption");
        p->SetShowGrid(true);
        if (bevel) {
            p->SetBorderOuter(fsStatus);
            p->SetBevelWidth(kMax);
        } else {
            p->SetBorderWidth(kMax);
        }
        p->SetTextMargin(kMax);
        auto* child = new TPanel(form.get());
        child->SetAlign(alClient);
        child->SetParent(p);
        EXPECT_EQ(child->Width(), 0);
        EXPECT_EQ(child->Height(), 0);
        ShowForm(form.get());
        EXPECT_EQ(Grab(p).size(), QSize(100, 60));
        delete p;
    }
}

TEST_F(Panel, ACaptionTallerThanTheAreaKeepsItsTopWhenBottomAligned) {
    TRzPanel* p = Add(form.get(), 0, 0, 120, 10);
    p->SetBorderOuter(fsNone);
    p->SetColor(clWhite);
    p->SetAlignmentVertical(avBottom);
    p->SetCaption("Tall");
    p->Font().SetHeight(-20);
    ShowForm(form.get());
    const QImage image = Grab(p);
    bool inked = false;
    for (int x = 0; x < 120; ++x)
        inked |= PixelAt(image, x, 3) != clWhite;
    EXPECT_TRUE(inked); // the text starts at the top, clipped below
}

TEST_F(Panel, DisablingAndEnablingKeepsAChildThatWasDisabledBefore) {
    TRzPanel* p = Add(form.get(), 0, 0, 200, 60);
    std::vector<TButton*> children;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TButton(form.get());
        b->SetBounds(i * 60, 0, 50, 20);
        b->SetParent(p);
        children.push_back(b);
    }
    children[1]->SetEnabled(false);
    p->SetEnabled(false);
    for (TButton* b : children)
        EXPECT_FALSE(b->Enabled());
    p->SetEnabled(true);
    EXPECT_TRUE(children[0]->Enabled());
    EXPECT_FALSE(children[1]->Enabled());
    EXPECT_TRUE(children[2]->Enabled());
}

TEST_F(Panel, ABottomAlignedPanelGrowsUpwards) {
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    TRzPanel* p = Add(form.get(), 0, 0, 300, 40);
    p->SetAlign(alBottom);
    const int bottom = p->BoundsRect().Bottom;
    EXPECT_EQ(bottom, form->ClientHeight());
    p->SetHeight(70);
    EXPECT_EQ(p->Height(), 70);
    EXPECT_EQ(p->BoundsRect().Bottom, bottom);
    TRzPanel* right = Add(form.get(), 0, 0, 50, 40);
    right->SetAlign(alRight);
    const int edge = right->BoundsRect().Right;
    right->SetWidth(80);
    EXPECT_EQ(right->BoundsRect().Right, edge);
}

TEST_F(Panel, GradientStyleFillsFromStartToStop) {
    TRzPanel* p = Add(form.get(), 0, 0, 40, 40);
    p->SetBorderOuter(fsNone);
    p->SetVisualStyle(vsGradient);
    p->SetGradientColorStyle(gcsCustom);
    p->SetGradientColorStart(clBlack);
    p->SetGradientColorStop(clWhite);
    ShowForm(form.get());
    const QImage image = Grab(p);
    EXPECT_EQ(PixelAt(image, 20, 0), clBlack);
    EXPECT_GT(GetRValue(PixelAt(image, 20, 39)), 240);
}

} // namespace
