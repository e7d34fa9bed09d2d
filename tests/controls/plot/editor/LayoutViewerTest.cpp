// The layout page's diagram: bands around the data view, blocks placed in
// them, and the mouse moving, merging, swapping and sizing blocks.

#include "controls/plot/editor/LayoutViewer.h"
#include "platform/forms/Form.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::FakeMaster;
using korvan::testing::TestLayoutObject;
using korvan::testing::TestLayoutObjectManager;

class LayoutViewerTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 420, 320);
        viewer = new TiPlotLayoutViewer(form.get());
        viewer->SetParent(form.get());
        viewer->SetBounds(0, 0, 400, 300);
        viewer->SetLayoutManager(layout.get());
        viewer->OnChange = [this](TObject*) { ++changes; };
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }

    TestLayoutObject* Add(TiLayoutRole role, const std::string& name, bool horizontal = true,
                          double start = 0, double stop = 100) {
        auto* o =
            new TestLayoutObject(&owner, master.change, master.insert, master.remove, master.rename, role);
        o->SetName(name);
        o->SetStartStopPercent(start, stop);
        o->SetHorizontal(horizontal);
        o->DoInsert();
        return o;
    }
    // Moves a horizontal object to a new row above the data view.
    void PutOnTop(TiPlotLayoutObject* o) {
        layout->RemoveZOrder(o);
        layout->InsertZOrder(o, layout->DataViewHorz()->ZOrder(), iidAbove);
    }
    // Paints, which lays the diagram out.
    QImage Paint() {
        TBitmap bitmap(viewer->Width(), viewer->Height());
        viewer->PaintImageTo(bitmap.Canvas());
        return *bitmap.Canvas().Image();
    }
    const TBlockObject& Cell(bool horizontal, int zOrder) const {
        for (const TBlockObject& b : viewer->Blocks())
            if (b.Horizontal == horizontal && b.ZOrder == zOrder && !b.DataView)
                return b;
        throw std::runtime_error("no such cell");
    }
    static TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
    void Drag(TPoint from, TPoint to) {
        input.MouseMove(viewer, from.X, from.Y);
        input.MouseDown(viewer, from.X, from.Y);
        input.MouseMove(viewer, to.X, to.Y, ssLeft);
    }

    TComponent owner{nullptr};
    FakeMaster master;
    TiManagerPtr<TiPlotLayoutManager> layout = TiPlotObjectManagerCustom::Make<TiPlotLayoutManager>(
        &owner, master.change, master.insert, master.remove, master.rename);
    TiManagerPtr<TestLayoutObjectManager> objects = TiPlotObjectManagerCustom::Make<TestLayoutObjectManager>(
        &owner, master.change, master.insert, master.remove, master.rename);
    std::unique_ptr<TForm> form;
    TiPlotLayoutViewer* viewer = nullptr;
    int changes = 0;
};

TEST_F(LayoutViewerTest, DrawsOneBandPerSideAroundTheDataView) {
    auto* x = Add(TiLayoutRole::XAxis, "X-Axis 1");
    auto* y = Add(TiLayoutRole::YAxis, "Y-Axis 1");
    auto* toolbar = Add(TiLayoutRole::Toolbar, "Toolbar 1");
    PutOnTop(toolbar);
    const QImage image = Paint();
    korvan::testing::SavePng(image, "layout-viewer-axes-toolbar");
    const int c = viewer->CellWidth();
    ASSERT_GT(c, 0);
    EXPECT_EQ(viewer->DataViewRect(), Rect(5 + c, 5 + c, 395, 295 - c));
    // Left band, the two data-view cells, the top (toolbar) band, the bottom band.
    ASSERT_EQ(viewer->Blocks().size(), 5u);
    const TBlockObject& top = Cell(true, layout->DataViewHorz()->ZOrder() + 1);
    EXPECT_TRUE(top.ToolBar);
    EXPECT_EQ(top.ARect, Rect(5, 5, 395, 5 + c));
    EXPECT_EQ(Cell(false, 0).ARect, Rect(5, 5 + c, 5 + c, 295 - c));
    EXPECT_EQ(Cell(true, 0).ARect, Rect(5, 295 - c, 395, 295));
    EXPECT_EQ(x->LayoutRect(), Rect(5 + c, 295 - c, 395, 295));
    EXPECT_EQ(y->LayoutRect(), Rect(5, 5 + c, 5 + c, 295 - c));
    EXPECT_EQ(toolbar->LayoutRect(), Rect(5, 5, 395, 5 + c));
    // The blue surround, the white view and the grey blocks.
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(192, 192, 192)); // the data view's placeholder
    // The toolbar cell takes a drop in its lower half only; the data view's
    // horizontal cell near its top and bottom edges only.
    EXPECT_EQ(viewer->GetMouseOverBlock2(200, 5 + c / 4), nullptr);
    EXPECT_TRUE(viewer->GetMouseOverBlock2(200, 5 + c - 2)->ToolBar);
    EXPECT_TRUE(viewer->GetMouseOverBlock2(200, 6 + c)->DataView);
    EXPECT_EQ(viewer->GetMouseOverBlock2(200, 150), nullptr);
}

TEST_F(LayoutViewerTest, AnAxisNeverShowsADropCellOfTheOtherDirection) {
    Add(TiLayoutRole::XAxis, "X-Axis 1");
    auto* y = Add(TiLayoutRole::YAxis, "Y-Axis 1");
    auto* toolbar = Add(TiLayoutRole::Toolbar, "Toolbar 1");
    PutOnTop(toolbar);
    Paint();
    const TBlockObject& top = Cell(true, layout->DataViewHorz()->ZOrder() + 1);
    Drag(Centre(y->LayoutRect()), Point(200, top.ARect.Bottom - 2));
    EXPECT_EQ(viewer->EditMode(), ilemDrag);
    EXPECT_EQ(viewer->DropCell(), nullptr);
    input.MouseUp(viewer, 200, top.ARect.Bottom - 2);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(y->Horizontal());
}

TEST_F(LayoutViewerTest, DraggingAnEndMovesItsPercentInQuarterSteps) {
    auto* legend = Add(TiLayoutRole::Legend, "Legend 1");
    Paint();
    const int dvWidth = viewer->DataViewRect().Width();
    const TRect r = legend->LayoutRect();
    const int y = (r.Top + r.Bottom) / 2;
    input.MouseMove(viewer, r.Left + 2, y);
    ASSERT_EQ(viewer->ResizeBlock(), legend);
    EXPECT_EQ(viewer->Cursor(), crSizeWE);
    input.MouseDown(viewer, r.Left + 2, y);
    EXPECT_EQ(viewer->EditMode(), ilemSize);
    input.MouseMove(viewer, r.Left + 2 + dvWidth / 4, y, ssLeft);
    EXPECT_DOUBLE_EQ(legend->StartPercent(), 25);
    EXPECT_DOUBLE_EQ(legend->StopPercent(), 100);
    input.MouseUp(viewer, r.Left + 2 + dvWidth / 4, y);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(viewer->EditMode(), ilemNone);
}

TEST_F(LayoutViewerTest, ALabelDroppedIntoALegendsBandSharesItLegendFirst) {
    auto* legend = Add(TiLayoutRole::Legend, "Legend 1");
    auto* label = Add(TiLayoutRole::Label, "Label 1");
    ASSERT_NE(label->ZOrder(), legend->ZOrder());
    Paint();
    const TBlockObject& band = Cell(true, legend->ZOrder());
    Drag(Centre(label->LayoutRect()), Centre(band.ARect));
    ASSERT_NE(viewer->DropCell(), nullptr);
    EXPECT_EQ(viewer->InsertDirection(), iidMerge);
    korvan::testing::SavePng(Paint(), "layout-viewer-merge-drop");
    input.MouseUp(viewer, Centre(band.ARect).X, Centre(band.ARect).Y);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(legend->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(legend->StopPercent(), 50);
    EXPECT_DOUBLE_EQ(label->StartPercent(), 50);
    EXPECT_DOUBLE_EQ(label->StopPercent(), 100);
    EXPECT_EQ(label->ZOrder(), legend->ZOrder());
}

TEST_F(LayoutViewerTest, AMoveWithinItsDirectionSpansTheBandAndIsReported) {
    auto* legend = Add(TiLayoutRole::Legend, "Legend 1");
    auto* label = Add(TiLayoutRole::Label, "Label 1", true, 20, 60);
    Paint();
    const int legendRow = legend->ZOrder();
    const TBlockObject& band = Cell(true, legendRow);
    // The upper third of the legend's band: above it.
    const TPoint to = Point(Centre(band.ARect).X, band.ARect.Top + 1);
    Drag(Centre(label->LayoutRect()), to);
    ASSERT_NE(viewer->DropCell(), nullptr);
    EXPECT_EQ(viewer->InsertDirection(), iidAbove);
    input.MouseUp(viewer, to.X, to.Y);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(label->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(label->StopPercent(), 100);
    EXPECT_GT(label->ZOrder(), legend->ZOrder());
}

TEST_F(LayoutViewerTest, TwoBlocksOfOneRowSwapTheirEnds) {
    auto* a = Add(TiLayoutRole::Label, "Label 1", true, 0, 40);
    auto* b = Add(TiLayoutRole::Label, "Label 2", true, 50, 100);
    ASSERT_EQ(a->ZOrder(), b->ZOrder());
    Paint();
    Drag(Centre(a->LayoutRect()), Centre(b->LayoutRect()));
    EXPECT_EQ(viewer->SwapPartner(), b);
    input.MouseUp(viewer, Centre(b->LayoutRect()).X, Centre(b->LayoutRect()).Y);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(a->StartPercent(), 50);
    EXPECT_DOUBLE_EQ(a->StopPercent(), 100);
    EXPECT_DOUBLE_EQ(b->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(b->StopPercent(), 40);
}

TEST_F(LayoutViewerTest, ABlockRemovedDuringADragIsForgotten) {
    auto* legend = Add(TiLayoutRole::Legend, "Legend 1");
    auto* label = Add(TiLayoutRole::Label, "Label 1");
    Paint();
    const TPoint from = Centre(label->LayoutRect());
    input.MouseDown(viewer, from.X, from.Y);
    ASSERT_EQ(viewer->SelectedObject(), label);
    label->Free();
    const TPoint to = Centre(legend->LayoutRect());
    input.MouseMove(viewer, to.X, to.Y, ssLeft);
    input.MouseUp(viewer, to.X, to.Y);
    Paint();
    EXPECT_EQ(viewer->SelectedObject(), nullptr);
    EXPECT_EQ(changes, 0);
}

} // namespace
