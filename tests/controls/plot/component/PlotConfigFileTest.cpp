// The plot's configuration and annotation files: what the file holds, a
// round trip of objects and the plot's own properties, toolbars loaded
// section by section, the file-type check, a failing load's clean-up, and
// annotations coming back from their file as they were saved.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/Strings.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;

class PlotConfigFile : public ::testing::Test {
protected:
    PlotConfigFile() {
        plot.OnBeforeLoadProperties = [this](TObject*) { events.push_back("before load"); };
        plot.OnAfterLoadProperties = [this](TObject*) { events.push_back("after load"); };
        plot.OnAfterSaveProperties = [this](TObject*) { events.push_back("saved"); };
    }
    void Write(const std::string& name, const std::vector<std::string>& text) {
        TStringList lines;
        for (const std::string& line : text)
            lines.Add(line);
        lines.SaveToFile(dir.Path(name));
    }
    TiPlot plot{nullptr};
    ScratchDir dir;
    std::vector<std::string> events;
};

TEST_F(PlotConfigFile, SavesCountsThenSectionsThenThePlotAndLoadsThemBack) {
    // A plot starts with one toolbar.
    plot.AddToolBar();
    TiPlotObjectManagerCustom& toolBars = *plot.Master()->KindManager("Toolbar");
    static_cast<TiPlotLayoutObject*>(toolBars.Items(1))->SetStartPercent(30);
    plot.AddChannel();
    plot.Channel(1)->SetTitleText("Second");
    plot.Channel(1)->SetColor(clBlue);
    plot.AddXAxis();
    plot.XAxis(1)->SetMinSpan(5, 50);
    plot.SetTitleText("Saved");
    const std::string file = dir.Path("plot.cfg");
    plot.SavePropertiesToFile(file);
    EXPECT_EQ(plot.LastPropertiesFileName(), file);

    TStringList lines;
    lines.LoadFromFile(file);
    ASSERT_GT(lines.Count(), 13);
    EXPECT_EQ(lines[0], "File Type = Plot Config");
    EXPECT_EQ(lines[1], "ChannelCount = 2");
    EXPECT_EQ(lines[2], "XAxisCount = 2");
    EXPECT_EQ(lines[4], "ToolBarCount = 2");
    EXPECT_EQ(lines[7], "LabelCount = 1");
    EXPECT_EQ(lines[11],
              "DataViewZHorz = " + std::to_string(plot.Master()->LayoutManager()->DataViewHorz()->ZOrder()));
    EXPECT_EQ(lines[13].rfind("Channel0.", 0), 0u) << lines[13];
    EXPECT_EQ(lines.IndexOf("Name = " + plot.Name()), -1);

    // Changed afterwards, then loaded: the saved plot comes back.
    plot.AddChannel();
    plot.DeleteXAxis(1);
    plot.SetTitleText("Changed");
    static_cast<TiPlotLayoutObject*>(toolBars.Items(1))->SetStartPercent(0);
    plot.DeleteToolBar(1);
    plot.LoadPropertiesFromFile(file);
    EXPECT_EQ(plot.ChannelCount(), 2);
    EXPECT_EQ(plot.Channel(1)->TitleText(), "Second");
    EXPECT_EQ(plot.Channel(1)->Color(), clBlue);
    ASSERT_EQ(plot.XAxisCount(), 2);
    EXPECT_DOUBLE_EQ(plot.XAxis(1)->Min(), 5);
    EXPECT_DOUBLE_EQ(plot.XAxis(1)->Span(), 50);
    EXPECT_EQ(plot.TitleText(), "Saved");
    // Each toolbar section into its own toolbar, the missing one added.
    ASSERT_EQ(toolBars.Count(), 2);
    EXPECT_DOUBLE_EQ(static_cast<TiPlotLayoutObject*>(toolBars.Items(1))->StartPercent(), 30);
    EXPECT_TRUE(plot.Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(plot.UpdateActive());
    EXPECT_EQ(events, (std::vector<std::string>{"saved", "before load", "after load"}));
}

TEST_F(PlotConfigFile, TheFileTypeIsCheckedWithoutLetterCase) {
    Write("lower.cfg", {"file type = plot config", "ChannelCount = 1", "TitleText = Lower"});
    plot.LoadPropertiesFromFile(dir.Path("lower.cfg"));
    EXPECT_EQ(plot.TitleText(), "Lower");
    Write("other.cfg", {"File Type = Plot Channel Config", "TitleText = Other"});
    EXPECT_EQ(RaisedMessage([&] { plot.LoadPropertiesFromFile(dir.Path("other.cfg")); }),
              "Error Loading Properties - Incompatible Plot Configuration File Type");
    EXPECT_EQ(plot.TitleText(), "Lower");
    EXPECT_EQ(plot.LastPropertiesFileName(), dir.Path("lower.cfg"));
    EXPECT_EQ(events, (std::vector<std::string>{"before load", "after load", "before load"}));
}

TEST_F(PlotConfigFile, AFailingLoadLeavesTheLayoutOnAndNoUpdateOpen) {
    Write("bad.cfg", {"File Type = Plot Config", "XAxisCount = 1", "XAxis0.Min = not a number"});
    EXPECT_EQ(RaisedMessage([&] {
                  plot.LoadPropertiesFromFile(dir.Path("bad.cfg"));
              }).rfind("Error Loading Properties - ", 0),
              0u);
    EXPECT_TRUE(plot.Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(plot.UpdateActive());
    // What was read before the failure stays.
    EXPECT_EQ(plot.XAxisCount(), 1);
    // A count no file of these lines can hold is refused before any object is made.
    Write("huge.cfg", {"File Type = Plot Config", "ChannelCount = 2000000000", "Channel0.TitleText = a"});
    EXPECT_EQ(RaisedMessage([&] { plot.LoadPropertiesFromFile(dir.Path("huge.cfg")); }),
              "Error Loading Properties - Invalid object count");
    EXPECT_TRUE(plot.Master()->LayoutManager()->Enabled());
}

// The file leaves out what equals the annotation class's declared defaults,
// so a load must not fill the gaps from the plot's annotation defaults (nor
// from values the class starts with that differ from its declared ones).
TEST_F(PlotConfigFile, AnnotationsComeBackAsSavedWhateverThePlotsAnnotationDefaults) {
    namespace kind = korvan::plot::kind;
    auto note = [this](int i) {
        return static_cast<TiPlotAnnotation*>(plot.KindObject(kind::Annotation, i));
    };
    auto allLines = [&] {
        TStringList lines;
        for (int i = 0; i < plot.KindCount(kind::Annotation); ++i)
            korvan::plot::WritePropertyLines(note(i), "", lines, false, nullptr);
        return lines.Text();
    };
    auto setPlotDefaults = [this](int penWidth, TColor color, TiPlotReferenceType reference, int fontSize) {
        plot.SetAnnotationDefaultPenWidth(penWidth);
        plot.SetAnnotationDefaultPenColor(color);
        plot.SetAnnotationDefaultBrushColor(color);
        plot.SetAnnotationDefaultBrushStlye(bsClear);
        plot.SetAnnotationDefaultReference(reference);
        plot.AnnotationDefaultFont()->SetSize(fontSize);
        plot.AnnotationDefaultFont()->SetColor(color);
    };
    const std::string file = dir.Path("notes.txt");
    for (bool defaultsChangeBeforeLoading : {false, true}) {
        SCOPED_TRACE(defaultsChangeBeforeLoading);
        plot.RemoveAllAnnotations();
        setPlotDefaults(3, clRed, iprtXChannelYDataView, 17);
        // One annotation set back to the class's declared values, one with
        // the plot's defaults and its own text and place.
        TiPlotAnnotation* plain = note(plot.AddAnnotation());
        plain->SetPenWidth(1);
        plain->SetPenColor(clWhite);
        plain->SetBrushColor(clWhite);
        plain->SetBrushStyle(bsSolid);
        plain->SetReference(iprtDataView);
        TFont classFont;
        plain->SetFont(&classFont);
        TiPlotAnnotation* marked = note(plot.AddAnnotation());
        marked->SetText("Peak\r\nhere");
        marked->SetX(12.5);
        marked->SetY(-3);
        marked->SetStyle(ipasRectangle);
        const std::string saved = allLines();
        plot.SaveAnnotationsToFile(file);

        if (defaultsChangeBeforeLoading)
            setPlotDefaults(5, clLime, iprtChannel, 9);
        plot.AddAnnotation();
        plot.LoadAnnotationsFromFile(file);
        ASSERT_EQ(plot.KindCount(kind::Annotation), 2);
        EXPECT_EQ(allLines(), saved);
        EXPECT_EQ(note(0)->PenWidth(), 1);
        EXPECT_EQ(note(1)->Text(), "Peak\r\nhere");
    }
}

} // namespace
