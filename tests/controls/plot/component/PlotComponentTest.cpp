// The plot component: its published defaults, the title on label 0, adding
// and deleting objects with their events, kinds that join later, the image
// lists, and the form stream.

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/objects/PlotLabel.h"
#include "platform/forms/FormText.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/ImageList.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

namespace kind = korvan::plot::kind;
using korvan::testing::AdoptKind;
using korvan::testing::RaisedMessage;

class PlotComponentTest : public ::testing::Test {
protected:
    std::vector<std::string> events;
    TiPlotComponent plot{nullptr};
};

TEST_F(PlotComponentTest, ConstructedValuesAreTheStoredDefaults) {
    EXPECT_EQ(plot.Width(), 500);
    EXPECT_EQ(plot.Height(), 200);
    EXPECT_TRUE(plot.AutoFrameRate());
    EXPECT_EQ(plot.UpdateFrameRate(), 60);
    EXPECT_EQ(plot.PrintDocumentName(), "Untitled");
    EXPECT_EQ(plot.PrintMarginLeft(), 1.0);
    EXPECT_EQ(plot.PrintMarginBottom(), 1.0);
    EXPECT_EQ(plot.AnnotationDefaultFont()->Color(), clWhite);
    EXPECT_EQ(plot.DataViewZHorz(), 1);
    EXPECT_EQ(plot.DataViewZVert(), 1);
    // Every declared default is what a new plot holds, so a form written
    // from a new plot leaves each of them out.
    const ObjectRef ref = ObjectRefOf(&plot);
    for (const TPropInfo& prop : TiPlotComponent::StaticClassInfo().OwnProps) {
        if (prop.HasDefault) {
            EXPECT_EQ(GetOrdProp(ref, prop), prop.Default) << prop.Name;
        }
    }
}

TEST_F(PlotComponentTest, TitleIsLabelZeroAndWithoutLabelsReadsEmpty) {
    plot.SetTitleText("Gain");
    plot.SetTitleVisible(true);
    plot.SetTitleMargin(2);
    EXPECT_EQ(plot.TitleText(), "");
    EXPECT_FALSE(plot.TitleVisible());
    EXPECT_EQ(plot.TitleMargin(), 0.0);
    EXPECT_EQ(plot.TitleFont(), &plot.Font());
    EXPECT_EQ(plot.AddLabel(), 0);
    EXPECT_EQ(plot.TitleText(), "Label 1");
    plot.SetTitleText("Gain");
    plot.SetTitleMargin(2);
    EXPECT_EQ(plot.Label(0)->Caption(), "Gain");
    EXPECT_EQ(plot.Label(0)->MarginBottom(), 2.0);
    EXPECT_EQ(plot.TitleFont(), plot.Label(0)->Font());
    EXPECT_EQ(plot.TitleFont()->Size(), 14);
}

TEST_F(PlotComponentTest, LabelZeroIsNeverDeleted) {
    plot.AddLabel();
    plot.AddLabel();
    plot.AddLabel();
    EXPECT_EQ(RaisedMessage([&] { plot.DeleteLabel(0); }),
              "Label Index 0 can not be Deleted (Resevered for Title)");
    EXPECT_EQ(plot.LabelCount(), 3);
    plot.DeleteLabel(2);
    EXPECT_EQ(plot.GetLabelIndexByName("label 3"), -1);
    plot.RemoveAllLabels();
    EXPECT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(plot.Label(0)->Name(), "Label 1");
    EXPECT_THROW(plot.Label(1), EListError);
}

TEST_F(PlotComponentTest, AddAndRemoveEventsPassTheIndexStillValid) {
    plot.XAxisEvents.OnAdd = [&](int i) { events.push_back("add x " + std::to_string(i)); };
    plot.XAxisEvents.OnRemove = [&](int i) {
        events.push_back("remove x " + std::to_string(i) + " " + plot.XAxis(i)->Name());
    };
    plot.YAxisEvents.OnAdd = [&](int i) { events.push_back("add y " + std::to_string(i)); };
    plot.AddXAxis();
    plot.AddXAxis();
    plot.AddYAxis();
    plot.AddLabel();
    plot.DeleteXAxis(0);
    EXPECT_EQ(plot.GetXAxisByName("x-axis 2"), plot.XAxis(0));
    EXPECT_EQ(events, (std::vector<std::string>{"add x 0", "add x 1", "add y 0", "remove x 0 X-Axis 1"}));
}

TEST_F(PlotComponentTest, ClickBecomesDoubleClickWhileOnePendsAndNotWhileLoading) {
    plot.AddXAxis();
    plot.XAxisEvents.OnClick = [&](int i) { events.push_back("click " + std::to_string(i)); };
    plot.XAxisEvents.OnDblClick = [&](int i) { events.push_back("double " + std::to_string(i)); };
    plot.DoAxisClick(plot.XAxis(0));
    plot.DblClick();
    plot.DoAxisClick(plot.XAxis(0));
    plot.DoAxisClick(plot.XAxis(0));
    plot.SetLoading(true);
    plot.DoAxisClick(plot.XAxis(0));
    EXPECT_EQ(events, (std::vector<std::string>{"click 0", "double 0", "click 0"}));
}

TEST_F(PlotComponentTest, AKindIsReachedByItsName) {
    EXPECT_EQ(plot.TableCount(), 0);
    EXPECT_EQ(plot.GetKindIndexByName(kind::Table, "Table 1"), -1);
    plot.TableEvents.OnAdd = [&](int i) { events.push_back("add table " + std::to_string(i)); };
    EXPECT_EQ(plot.AddTable(), 0);
    EXPECT_EQ(plot.AddTable(), 1);
    EXPECT_EQ(plot.GetKindIndexByName(kind::Table, "table 2"), 1);
    plot.DeleteTable(0);
    EXPECT_EQ(plot.TableCount(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"add table 0", "add table 1"}));
    // A kind no manager was adopted for is refused by name.
    EXPECT_EQ(RaisedMessage([&] { plot.KindObject("Gadget", 0); }), "No Gadget objects in this plot");
}

TEST_F(PlotComponentTest, DataPointEventsPassTheChannelIndexAndADoubleClickStaysPending) {
    plot.ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<TiXYPlotChannel>());
    plot.AddChannel();
    plot.AddChannel();
    plot.AddDataCursor();
    TiPlotChannelCustom* channel = plot.ChannelManager()->Items(1);
    TiPlotObject* cursor = plot.KindObject(kind::DataCursor, 0);
    plot.OnClickDataPoint = [&](int c, int d) {
        events.push_back("click " + std::to_string(c) + "/" + std::to_string(d));
    };
    plot.OnDblClickDataPoint = [&](int c, int d) {
        events.push_back("double " + std::to_string(c) + "/" + std::to_string(d));
    };
    plot.OnDataCursorChange = [&](int i) { events.push_back("cursor " + std::to_string(i)); };
    plot.OnDataPointCustomizeHint = [&](int, int, std::string& text) { text += "!"; };
    plot.DoDataPointClick(channel, 3);
    plot.DblClick();
    plot.DoDataPointClick(channel, 4);
    plot.DoDataPointClick(channel, 5);
    std::string hint = "y=1";
    plot.DoDataPointCustomizeHint(channel, 0, hint);
    plot.SetLoading(true);
    plot.DoDataPointClick(channel, 6);
    plot.DoDataCursorChange(cursor);
    EXPECT_EQ(hint, "y=1!");
    EXPECT_EQ(events, (std::vector<std::string>{"click 1/3", "double 1/4", "double 1/5", "cursor 0"}));
}

TEST_F(PlotComponentTest, NewAnnotationsTakeThePlotsAnnotationDefaults) {
    plot.SetAnnotationDefaultPenWidth(3);
    plot.SetAnnotationDefaultReferenceSizeY(ipriChannel);
    plot.AnnotationDefaultFont()->SetSize(20);
    auto* annotation =
        static_cast<TiPlotAnnotation*>(plot.KindObject(kind::Annotation, plot.AddAnnotation()));
    EXPECT_EQ(annotation->BrushStyle(), bsSolid);
    EXPECT_EQ(annotation->PenWidth(), 3);
    EXPECT_EQ(annotation->ReferenceSizeY(), ipriChannel);
    EXPECT_EQ(annotation->Font()->Size(), 20);
    EXPECT_EQ(annotation->Font()->Color(), clWhite);
}

TEST_F(PlotComponentTest, ImageListsTakeSmallerBitmapsCentredAndRefuseMixedSizes) {
    EXPECT_EQ(RaisedMessage([&] { plot.ImageListClear(3); }), "ImageList Index must be 0-2");
    TBitmap first(24, 24);
    plot.ImageListAdd(0, first);
    TBitmap small(16, 16);
    small.Canvas().Brush().SetColor(clRed);
    small.Canvas().FillRect(TRect{0, 0, 16, 16});
    small.Canvas().SetPixel(0, 15, clLime); // the transparent colour
    plot.ImageListAdd(0, small);
    EXPECT_EQ(small.Width(), 24);
    const QImage image = plot.PlotImageList(0)->Image(1);
    // Centred at (4, 4) on the transparent colour.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 0);
    EXPECT_EQ(qAlpha(image.pixel(4, 19)), 0);
    EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(4, 4)), clRed);
    EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(19, 19)), clRed);
    TBitmap sameWidth(24, 30);
    plot.ImageListAdd(0, sameWidth);
    TBitmap mixed(20, 30);
    EXPECT_EQ(RaisedMessage([&] { plot.ImageListAdd(0, mixed); }),
              "Image Width and Height must be the same as other images, or both smaller, or both larger");
    EXPECT_EQ(plot.PlotImageList(0)->Count(), 3);
}

// The loaders take the program's own bitmaps (tests/support/pictures) as
// ImageListAdd takes a bitmap: a 16 x 16 one is centred among 24 x 24 ones.
TEST_F(PlotComponentTest, ImageListsLoadTheProgramsBitmapsByNumberAndByName) {
    plot.ImageListLoadFromResourceID(1, HInstance, 101);
    plot.ImageListLoadFromResourceName(1, HInstance, "PlotSquare");
    const TImageList& list = *plot.PlotImageList(1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Width(), 24);
    const QImage square = list.Image(1);
    EXPECT_EQ(qAlpha(square.pixel(0, 0)), 0);
    EXPECT_EQ(korvan::gfx::FromQRgb(square.pixel(8, 8)), clRed);
    EXPECT_EQ(korvan::gfx::FromQRgb(square.pixel(15, 15)), clRed);
    EXPECT_EQ(qAlpha(square.pixel(16, 16)), 0);

    // A bad index wins over a missing resource; nothing that fails adds.
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"ImageList Index must be 0-2", [&] { plot.ImageListLoadFromResourceID(3, HInstance, 4711); }},
        {"ImageList Index must be 0-2",
         [&] { plot.ImageListLoadFromResourceName(-1, HInstance, "PLOTSQUARE"); }},
        {"Resource 4711 not found", [&] { plot.ImageListLoadFromResourceID(1, HInstance, 4711); }},
        {"Resource NOSUCHPICTURE not found",
         [&] { plot.ImageListLoadFromResourceName(1, HInstance, "NOSUCHPICTURE"); }},
        {"Resource PLOTSQUARE not found",
         [&] { plot.ImageListLoadFromResourceName(1, HInstance + 1, "PLOTSQUARE"); }},
        {"Bitmap image is not valid", [&] { plot.ImageListLoadFromResourceName(1, HInstance, "BROKEN"); }},
    };
    for (const auto& [message, load] : failures)
        EXPECT_EQ(RaisedMessage(load), message);
    EXPECT_EQ(list.Count(), 2);
    // An empty list takes the size of the first picture it loads.
    plot.ImageListLoadFromResourceName(0, HInstance, "#101");
    EXPECT_EQ(plot.PlotImageList(0)->Width(), 24);
}

TEST_F(PlotComponentTest, FormRoundTripOfAxesLabelsTranslationsAndPictures) {
    plot.SetName("Plot1");
    plot.AddXAxis();
    plot.AddYAxis();
    plot.XAxis(0)->SetMinSpan(-100, 120);
    plot.YAxis(0)->SetAlignRefAxisName("Y-Axis 1");
    plot.AddLabel();
    plot.Label(0)->SetCaption("Compressor");
    plot.Label(0)->SetAlignment(iahLeft);
    plot.AddTranslation("Zoom", "R1");
    plot.AddTranslation("Zoom", "R2");
    plot.SetDataViewZHorz(3);
    plot.SetOuterMarginLeft(9);
    plot.SetBackGroundGradientStartColor(clRed);
    TBitmap picture(24, 24);
    plot.ImageListAdd(2, picture);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    // Writing leaves the plot as it was.
    EXPECT_TRUE(plot.Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(plot.UpdateActive());

    TiPlotComponent read(nullptr);
    read.AddXAxis();
    read.AddXAxis();
    korvan::forms::ReadComponentText(text, &read);
    EXPECT_TRUE(read.Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(read.UpdateActive());
    ASSERT_EQ(read.XAxisCount(), 1) << text;
    EXPECT_EQ(read.XAxis(0)->Min(), -100);
    EXPECT_EQ(read.YAxis(0)->AlignRefAxisName(), "Y-Axis 1");
    EXPECT_EQ(read.TitleText(), "Compressor");
    EXPECT_EQ(read.Label(0)->Alignment(), iahLeft);
    EXPECT_EQ(read.DataViewZHorz(), 3);
    EXPECT_EQ(read.OuterMarginLeft(), 9);
    EXPECT_EQ(read.BackGroundGradientStartColor(), clRed);
    EXPECT_EQ(read.GetTranslation("Zoom"), "R2");
    EXPECT_EQ(read.PlotImageList(2)->Count(), 1);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

TEST_F(PlotComponentTest, ReadingRaisesTheToolBarAboveATitleInItsRow) {
    AdoptKind(*plot.Master(), std::string(kind::ToolBar), TiLayoutRole::Toolbar);
    plot.SetName("Plot1");
    plot.AddLabel();
    plot.AddToolBar();
    auto* toolBar = static_cast<TiPlotLayoutObject*>(plot.KindObject(kind::ToolBar, 0));
    toolBar->SetHorizontal(true);
    toolBar->SetZOrder(plot.Label(0)->ZOrder());
    const std::string text = korvan::forms::WriteComponentText(&plot);
    EXPECT_EQ(toolBar->ZOrder(), plot.Label(0)->ZOrder());
    korvan::forms::ReadComponentText(text, &plot);
    toolBar = static_cast<TiPlotLayoutObject*>(plot.KindObject(kind::ToolBar, 0));
    EXPECT_EQ(toolBar->ZOrder(), plot.Label(0)->ZOrder() + 1) << text;
}

TEST_F(PlotComponentTest, AFreshPageIsTheBackgroundColourWhenThePlotDrawsNothing) {
    AdoptKind(*plot.Master(), std::string(kind::Legend), TiLayoutRole::Legend);
    plot.SetBackGroundColor(clNavy);
    plot.SetBorderStyle(ibsNone);
    int painted = 0;
    plot.OnAfterPaint = [&](TObject*) { ++painted; };
    const QImage page = korvan::testing::PaintPlot(plot);
    for (const QPoint p : {QPoint(0, 0), QPoint(250, 100), QPoint(499, 199)})
        EXPECT_EQ(korvan::gfx::FromQRgb(page.pixel(p)), clNavy);
    EXPECT_EQ(painted, 0);
}

} // namespace
