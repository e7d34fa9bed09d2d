// Axes in a form stream: the published settings come back as written, the
// zero label separation and title margin survive although the writer
// leaves out zeros, and the older span name cannot bring in a span of 0.

#include "controls/plot/axes/AxisManagers.h"
#include "platform/forms/Filer.h"
#include "platform/forms/FormText.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::FakeMaster;

// A plot-like owner whose X axes stream as the stored property "XAxes".
class AxisPlot : public TComponent {
    KORVAN_CLASS(AxisPlot)
public:
    explicit AxisPlot(TComponent* owner) : TComponent(owner) {}
    ~AxisPlot() override { axes.reset(); }
    void DefineProperties(TFiler& filer) override {
        filer.DefineProperty(
            "XAxes", [this](TReader& reader) { axes->ReadFromStream(reader); },
            [this](TWriter& writer) { axes->WriteToStream(writer); }, axes->DoWriteToStream());
    }
    TiPlotXAxis* AddAxis() {
        auto* axis = static_cast<TiPlotXAxis*>(axes->CreateObject());
        axis->DoInsert();
        return axis;
    }
    FakeMaster master;
    TiManagerPtr<TiPlotXAxisManager> axes = TiPlotObjectManagerCustom::Make<TiPlotXAxisManager>(
        this, master.change, master.insert, master.remove, master.rename);
};

const TClassInfo& AxisPlot::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<AxisPlot>("AxisPlot", &TComponent::StaticClassInfo()).Build();
    return info;
}

TEST(AxisStreaming, EditorAxisSettingsComeBackAsWritten) {
    AxisPlot source(nullptr);
    source.SetName("Plot1");
    TiPlotXAxis* axis = source.AddAxis();
    axis->SetMinSpan(-100, 120);
    axis->SetDesiredIncrement(20);
    axis->SetLabelSeparation(0);
    axis->SetTitleMargin(0);
    axis->LabelsFont()->SetColor(clYellow);
    axis->SetCursorPrecision(2);
    axis->SetLegendMinLength(1);
    axis->SetTrackingEnabled(false);
    axis->SetTrackingIncrementStyle(iptisMajor);
    const std::string text = korvan::forms::WriteComponentText(&source);

    AxisPlot target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    ASSERT_EQ(target.axes->Count(), 1) << text;
    const TiPlotXAxis* read = target.axes->Items(0);
    EXPECT_EQ(read->Name(), "X-Axis 1");
    EXPECT_EQ(read->Min(), -100);
    EXPECT_EQ(read->Span(), 120);
    EXPECT_EQ(read->DesiredIncrement(), 20);
    EXPECT_EQ(read->LabelSeparation(), 0) << text;
    EXPECT_EQ(read->TitleMargin(), 0) << text;
    EXPECT_EQ(read->LabelsFont()->Color(), clYellow);
    EXPECT_EQ(read->CursorPrecision(), 2);
    EXPECT_EQ(read->LegendMinLength(), 1);
    EXPECT_EQ(read->TrackingIncrementStyle(), iptisMajor);
    target.SetName("Plot1");
    EXPECT_EQ(korvan::forms::WriteComponentText(&target), text);
}

TEST(AxisStreaming, TheOlderSpanNameIsHeldToTheSpanRange) {
    AxisPlot source(nullptr);
    source.SetName("Plot1");
    source.AddAxis();
    std::string text = korvan::forms::WriteComponentText(&source);
    const std::size_t span = text.find("Span = 100.0");
    ASSERT_NE(span, std::string::npos) << text;
    text.replace(span, 12, "Span_2 = 0.0");
    AxisPlot target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    ASSERT_EQ(target.axes->Count(), 1) << text;
    EXPECT_EQ(target.axes->Items(0)->Span(), 1e-300) << text;
}

} // namespace
