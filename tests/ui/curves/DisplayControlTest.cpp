// The display as a control on a form: painted through the framework's paint
// event, fed by scripted mouse input, drawing while its page is hidden, and
// created by name from a stored form.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Color.h"
#include "tests/support/gui/GuiHarness.h"
#include "tests/ui/curves/EditorDisplay.h"
#include "ui/curves/CurveDisplayClass.h"
#include "ui/curves/LMyFFTDrawPhase.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace korvan::curves;
using namespace korvan::curves::testing;
using korvan::testing::Grab;
using korvan::testing::GuiTest;

namespace {

int CountColour(const QImage& image, TColor colour, const TRect& r) {
    int n = 0;
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, image.height()); ++y) {
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, image.width()); ++x) {
            n += korvan::gfx::FromQRgb(image.pixel(x, y)) == colour;
        }
    }
    return n;
}

const TColor TotalColour = static_cast<TColor>(TotalCurveColors[4]);

class DisplayControl : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 1100, 300);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    LMyFFTDrawHpLp6dB* AddDisplay(TWinControl* parent) {
        auto* d = new LMyFFTDrawHpLp6dB(form.get());
        d->SetName("fftDrawOut1");
        d->SetLeft(10);
        d->SetTop(10);
        SetUpAsEditorDisplay(*d, 1070, 255);
        d->SetParent(parent);
        return d;
    }
    std::unique_ptr<TForm> form;
};

TEST_F(DisplayControl, IsAPaintBoxThatPaintsItsPagesThroughThePaintEvent) {
    LMyFFTDrawHpLp6dB* d = AddDisplay(form.get());
    EXPECT_TRUE(dynamic_cast<TPaintBox*>(d) != nullptr);
    EXPECT_EQ(std::string(d->ClassInfo()->Name), "LMyFFTDrawHpLp6dB");
    int paints = 0;
    d->OnPaint = [&](TObject* sender) {
        EXPECT_EQ(sender, d);
        ++paints;
    };
    Plot plot(d);
    BuildChannel(plot, 4, 3);
    d->UpdateCurvePage();
    ShowForm(form.get());
    EXPECT_GE(paints, 1);
    const QImage shown = Grab(d);
    korvan::testing::SavePng(shown, "curves_display_on_form");
    ASSERT_EQ(shown.size(), QSize(1070, 255));
    const TRect curve = d->CurvePage().Rect();
    EXPECT_GT(CountColour(shown, TotalColour, curve), 1000);
    // The +6 dB grid line, and the level labels left of the page.
    const int sixRow = curve.Top + static_cast<int>(d->ScreenY(6.0));
    EXPECT_GT(CountColour(shown, d->GridColor(), {curve.Left, sixRow, curve.Right, sixRow + 1}), 500);
    const TRect labels = d->Page(PageRole::YLabel).Rect();
    EXPECT_LT(CountColour(shown, clBlack, labels), labels.Width() * labels.Height() - 200);

    // A band edit reaches the screen as a page copy, without a full repaint.
    const int paintsBefore = paints;
    SetSection(*plot.Sections[3], -12.0, 1000.0, 1.0, 1);
    plot.DrawTotalCurve(4);
    d->UpdateCurvePage();
    ProcessEvents();
    const QImage edited = Grab(d);
    EXPECT_EQ(paints, paintsBefore);
    EXPECT_NE(edited, shown);
    const int dipRow = curve.Top + static_cast<int>(d->ScreenY(-10.0));
    EXPECT_GT(CountColour(edited, TotalColour, {curve.Left, dipRow - 3, curve.Right, curve.Bottom}),
              CountColour(shown, TotalColour, {curve.Left, dipRow - 3, curve.Right, curve.Bottom}));

    // Invalidating the control runs the paint event again.
    d->Invalidate();
    ProcessEvents();
    Grab(d);
    EXPECT_GT(paints, paintsBefore);
}

TEST_F(DisplayControl, ScriptedMouseEventsReachTheHandlersAndTheDisplaysOwnHandling) {
    LMyFFTDrawHpLp6dB* d = AddDisplay(form.get());
    ShowForm(form.get());
    struct Event {
        char kind;
        TMouseButton button;
        TShiftState shift;
        int x, y;
    };
    std::vector<Event> events;
    d->OnMouseDown = [&](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        EXPECT_EQ(s, d);
        events.push_back({'d', b, sh, x, y});
    };
    d->OnMouseMove = [&](TObject*, TShiftState sh, int x, int y) {
        events.push_back({'m', mbLeft, sh, x, y});
    };
    d->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
        events.push_back({'u', b, sh, x, y});
    };
    int doubleClicks = 0;
    d->OnDblClick = [&](TObject*) { ++doubleClicks; };

    const int w = d->GetPlotWidth();
    const int h = d->GetPlotHeight();
    input.MouseDown(d, 500, 100);
    input.MouseMove(d, 510, 110);
    input.MouseUp(d, 510, 110);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, 'd');
    EXPECT_EQ(events[0].button, mbLeft);
    EXPECT_TRUE(events[0].shift & ssLeft);
    EXPECT_EQ(events[0].x, 500);
    EXPECT_EQ(events[0].y, 100);
    EXPECT_EQ(events[1].kind, 'm');
    EXPECT_EQ(events[1].x, 510);
    EXPECT_EQ(events[2].kind, 'u');
    // The drag panned the ranges (MouseControl is on).
    EXPECT_NEAR(d->XMin(), 966 - 10.0 * 2874 / w, 1e-9);
    EXPECT_NEAR(d->YMax(), 18 + 10.0 * 36 / h, 1e-9);

    // Alt-drag zooms; the shift state comes through as the framework's.
    d->SetXYMinMax(966, 3840, -18, 18);
    input.Wait(1000); // no double click
    input.MouseDown(d, 500, 100, mbLeft, ssAlt);
    input.MouseMove(d, 520, 100, ssAlt);
    input.MouseUp(d, 520, 100, mbLeft, ssAlt);
    EXPECT_TRUE(events[3].shift & ssAlt);
    EXPECT_NEAR(d->XMin(), 966 + 20.0 * 2874 / w, 1e-9);
    EXPECT_NEAR(d->XMax(), 3840 - 20.0 * 2874 / w, 1e-9);

    // A moved pointer updates the read-out values.
    input.MouseMove(d, 300, 120);
    EXPECT_NEAR(d->MouseX(), d->PlotX(300), 1e-9);
    EXPECT_NEAR(d->MouseY(), d->PlotY(120), 1e-9);

    EXPECT_EQ(doubleClicks, 0);
    input.Wait(1000);
    input.DoubleClick(d, 300, 120);
    EXPECT_EQ(doubleClicks, 1);
}

// A display on a hidden page keeps no pixels (neither its curve page nor
// its control's surface), yet keeps the page sizes its scale needs; shown
// later, its paint draws the whole display.
TEST_F(DisplayControl, ADisplayOnAHiddenPageHoldsNoPixelsUntilItIsShown) {
    auto* page = new TPanel(form.get());
    page->SetBounds(0, 0, 1100, 300);
    page->SetParent(form.get());
    page->SetVisible(false);
    LMyFFTDrawHpLp6dB* d = AddDisplay(page);
    ShowForm(form.get());
    ASSERT_TRUE(d->Visible());
    ASSERT_FALSE(d->Showing());
    Plot plot(d);
    BuildChannel(plot, 4, 3);
    const int plotWidth = d->GetPlotWidth();
    d->UpdateCurvePage();
    EXPECT_TRUE(d->CurvePage().Released());
    EXPECT_FALSE(d->HasSurface());
    EXPECT_EQ(d->GetPlotWidth(), plotWidth);
    EXPECT_GT(plotWidth, 0);
    // Shown later, the control shows the curve.
    page->SetVisible(true);
    ProcessEvents();
    EXPECT_GT(CountColour(Grab(d), TotalColour, d->CurvePage().Rect()), 1000);
}

TEST_F(DisplayControl, AStoredFormCreatesDisplaysByNameWithTheirProperties) {
    RegisterCurveClasses();
    const char* text = "object fmMain: TForm\n"
                       "  Width = 1100\n"
                       "  Height = 300\n"
                       "  object fftDrawOut2: LMyFFTDrawHpLp6dB\n"
                       "    Left = 5\n"
                       "    Top = 6\n"
                       "    Width = 530\n"
                       "    Height = 255\n"
                       "    Tag = 5\n"
                       "    YAutoScale = False\n"
                       "    XAutoScale = False\n"
                       "    YMax = 18.000000000000000000\n"
                       "    YMin = -18.000000000000000000\n"
                       "    XMax = 3840.000000000000000000\n"
                       "    XMin = 966.000000000000000000\n"
                       "    YTitle = 'dB'\n"
                       "    AxisLabelFont.Color = clActiveBorder\n"
                       "    AxisLabelFont.Height = -11\n"
                       "    AxisLabelFont.Name = 'Tahoma'\n"
                       "    SampleRate = n96000\n"
                       "  end\n"
                       "  object fftDrawTwin: LMyFFTDrawPhase\n"
                       "    NumHorzGrid = 7\n"
                       "  end\n"
                       "end\n";
    korvan::forms::ReadComponentText(text, form.get());
    auto* d = korvan::testing::Find<LMyFFTDrawHpLp6dB>(form.get(), "fftDrawOut2");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Parent(), form.get());
    EXPECT_EQ(d->BoundsRect(), Bounds(5, 6, 530, 255));
    EXPECT_EQ(d->Color(), clBlack);
    EXPECT_FALSE(d->YAutoScale());
    EXPECT_EQ(d->XMin(), 966.0);
    EXPECT_EQ(d->XMax(), 3840.0);
    EXPECT_EQ(d->SampleRate(), n96000);
    EXPECT_EQ(d->AxisLabelFont().Name(), "Tahoma");
    // The font read in place reached the label pages.
    EXPECT_EQ(d->Page(PageRole::YLabel).Canvas().Font().Name(), "Tahoma");
    EXPECT_EQ(d->Page(PageRole::XLabel).Canvas().Font().Color(), clActiveBorder);
    auto* twin = korvan::testing::Find<LMyFFTDrawPhase>(form.get(), "fftDrawTwin");
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->NumHorzGrid(), 7);
    // Defaults are not written back; changed values are.
    const std::string written = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(written.find("XMin = 966"), std::string::npos) << written;
    EXPECT_EQ(written.find("AutoRedraw"), std::string::npos) << written;
}

} // namespace
