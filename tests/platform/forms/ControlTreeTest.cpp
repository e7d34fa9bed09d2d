// The control tree: alignment order and insets, anchors, own Visible and
// Enabled flags, z-order, parent font and colour, and streaming.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "tests/support/gui/GuiHarness.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::GuiTest;

class ControlTree : public GuiTest {};

TEST_F(ControlTree, AlignsInTheFrameworksOrderInsideThePanelsBevels) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelWidth(2);
    panel->SetAlign(alClient);
    // Created in an order the alignment does not follow.
    auto* client = new TPanel(form.get());
    client->SetAlign(alClient);
    client->SetParent(panel);
    auto* right = new TPanel(form.get());
    right->SetWidth(30);
    right->SetAlign(alRight);
    right->SetParent(panel);
    auto* left = new TPanel(form.get());
    left->SetWidth(20);
    left->SetAlign(alLeft);
    left->SetParent(panel);
    auto* bottom = new TPanel(form.get());
    bottom->SetHeight(25);
    bottom->SetAlign(alBottom);
    bottom->SetParent(panel);
    auto* top = new TPanel(form.get());
    top->SetHeight(10);
    top->SetAlign(alTop);
    top->SetParent(panel);

    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 300, 200));
    // Top and bottom take the full width inside the 2-pixel bevel; left
    // and right share what is left between them; client fills the rest.
    EXPECT_EQ(top->BoundsRect(), Bounds(2, 2, 296, 10));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(2, 173, 296, 25));
    EXPECT_EQ(left->BoundsRect(), Bounds(2, 12, 20, 161));
    EXPECT_EQ(right->BoundsRect(), Bounds(268, 12, 30, 161));
    EXPECT_EQ(client->BoundsRect(), Bounds(22, 12, 246, 161));

    // A change of the client area re-aligns; a hidden control gives its room back.
    form->SetClientWidth(400);
    EXPECT_EQ(right->BoundsRect(), Bounds(368, 12, 30, 161));
    top->SetVisible(false);
    EXPECT_EQ(left->BoundsRect(), Bounds(2, 2, 20, 171));
}

TEST_F(ControlTree, SameKindAlignsByPosition) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(100);
    form->SetClientHeight(100);
    auto* a = new TPanel(form.get());
    auto* b = new TPanel(form.get());
    for (auto* p : {a, b}) {
        p->SetHeight(10);
        p->SetParent(form.get());
    }
    b->SetTop(-5); // b above a: b is aligned first
    a->SetTop(50);
    a->SetAlign(alTop);
    b->SetAlign(alTop);
    EXPECT_EQ(b->Top(), 0);
    EXPECT_EQ(a->Top(), 10);
}

TEST_F(ControlTree, AnchorsKeepDistancesWhenTheParentGrows) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    struct Case {
        TAnchors anchors;
        TRect after;
    } cases[] = {
        {akLeft | akTop, Bounds(10, 10, 50, 20)},
        {akRight | akBottom, Bounds(60, 60, 50, 20)},
        {akLeft | akRight | akTop, Bounds(10, 10, 100, 20)},
        {akLeft | akTop | akBottom, Bounds(10, 10, 50, 70)},
        {0, Bounds(35, 35, 50, 20)},
    };
    std::vector<TControl*> controls;
    for (const Case& c : cases) {
        auto* e = new TPanel(form.get());
        e->SetParent(form.get());
        e->SetBounds(10, 10, 50, 20);
        e->SetAnchors(c.anchors);
        controls.push_back(e);
    }
    form->SetClientWidth(250);
    form->SetClientHeight(150);
    for (size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->BoundsRect(), cases[i].after) << "case " << i;
}

TEST_F(ControlTree, VisibleAndEnabledAreTheControlsOwnFlags) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto* edit = new TEdit(form.get());
    edit->SetParent(panel);
    panel->SetEnabled(false);
    panel->SetVisible(false);
    // The child keeps its own flags; only input and showing follow the parent.
    EXPECT_TRUE(edit->Enabled());
    EXPECT_TRUE(edit->Visible());
    EXPECT_FALSE(edit->InputEnabled());
    EXPECT_FALSE(edit->Showing());
    // Qt does not grey the child of a disabled container.
    EXPECT_TRUE(edit->Widget()->isEnabled());
    panel->SetEnabled(true);
    EXPECT_TRUE(edit->InputEnabled());
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Widget()->isEnabled());
}

TEST_F(ControlTree, NonWindowedChildrenStayBelowWindowedSiblings) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    auto* shape = new TShape(form.get());
    shape->SetParent(form.get());
    ASSERT_EQ(form->ControlCount(), 3);
    EXPECT_EQ(form->Controls(0), label);
    EXPECT_EQ(form->Controls(1), shape);
    EXPECT_EQ(form->Controls(2), edit);
    label->BringToFront();
    EXPECT_EQ(form->Controls(1), label);
    label->SendToBack();
    EXPECT_EQ(form->Controls(0), label);
    EXPECT_EQ(form->ControlAtPos(Point(5, 5), false), edit);
}

// Rectangles of the control API exclude their right and bottom edges, as
// the canvas does: the hit test, the alignment and the point mapping agree.
TEST_F(ControlTree, GeometryExcludesTheRightAndBottomEdges) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(200);
    form->SetClientHeight(150);
    auto* panel = new TPanel(form.get());
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(10, 20, 30, 40);
    panel->SetParent(form.get());
    EXPECT_EQ(panel->BoundsRect(), Rect(10, 20, 40, 60));
    EXPECT_EQ(panel->ClientRect(), Rect(0, 0, 30, 40));
    EXPECT_EQ(form->ControlAtPos(Point(39, 59), false), panel);
    EXPECT_EQ(form->ControlAtPos(Point(40, 20), false), nullptr);
    EXPECT_EQ(form->ControlAtPos(Point(10, 60), false), nullptr);
    // An alBottom child's bottom edge is the parent's client bottom.
    auto* bottom = new TPaintBox(form.get());
    bottom->SetHeight(5);
    bottom->SetAlign(alBottom);
    bottom->SetParent(panel);
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 35, 30, 40));
    EXPECT_EQ(bottom->ClientToParent(Point(2, 3), form.get()), Point(12, 58));
    ShowForm(form.get());
    const TPoint screen = bottom->ClientToScreen(Point(2, 3));
    EXPECT_EQ(bottom->ScreenToClient(screen), Point(2, 3));
    EXPECT_EQ(panel->ScreenToClient(screen), Point(2, 38));
}

TEST_F(ControlTree, ParentFontAndColourFollowUntilSetOnTheChild) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto* label = new TLabel(form.get());
    label->SetParentColor(true);
    label->SetParent(panel);
    panel->Font().SetName("Arial");
    panel->SetColor(clRed);
    EXPECT_EQ(label->Font().Name(), "Arial");
    EXPECT_EQ(label->Color(), clRed);
    label->Font().SetHeight(-20);
    EXPECT_FALSE(label->ParentFont());
    panel->Font().SetName("Tahoma");
    EXPECT_EQ(label->Font().Name(), "Arial");
}

TEST_F(ControlTree, ControlsStreamAsChildrenOfTheirParents) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetName("Form1");
    auto* panel = new TPanel(form.get());
    panel->SetName("Panel1");
    panel->SetParent(form.get());
    panel->SetColor(clYellow);
    auto* edit = new TEdit(form.get());
    edit->SetName("Edit1");
    edit->SetParent(panel);
    edit->SetText("abc");
    edit->Font().SetStyle(fsBold);
    const std::string text = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(text.find("object Panel1: TPanel"), std::string::npos) << text;
    EXPECT_NE(text.find("Color = clYellow"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Style = [fsBold]"), std::string::npos) << text;

    auto copy = std::make_unique<TForm>(nullptr);
    copy->SetName("Form1");
    korvan::forms::ReadComponentText(text, copy.get());
    auto* panel2 = korvan::testing::Find<TPanel>(copy.get(), "Panel1");
    auto* edit2 = korvan::testing::Find<TEdit>(copy.get(), "Edit1");
    ASSERT_TRUE(panel2 && edit2);
    EXPECT_EQ(edit2->Parent(), panel2);
    EXPECT_EQ(edit2->Text(), "abc");
    EXPECT_EQ(panel2->Color(), clYellow);
    EXPECT_EQ(edit2->Font().Style(), TFontStyles(fsBold));
}

} // namespace
