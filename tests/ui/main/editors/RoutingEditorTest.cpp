// The Matrix page through the main window: route buttons switching each
// input into each output (masks stored and sent), the routes drawn on the
// block diagram, and the mix gains by up-down and typed entry.

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/editors/RouteLines.h"
#include "ui/main/form/PageNames.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int Out1 = 4, Out3 = 6;

class RoutingEditorTest : public EditorsTest {
protected:
    void SetUp() override { EditorsTest::SetUp(); }
    LUnitControl& Model() { return fmMain->Model(); }
    // On line, each edit's record goes out before the next edit, so that a
    // busy link coalesces none of them.
    void Settle() {
        ProcessEvents();
        if (online_) {
            ASSERT_TRUE(pump.RunUntil([&] { return LinkIdle(); }));
        }
    }
    void Online() {
        GoOnline();
        online_ = true;
    }
    void OpenMatrixPage() {
        input.Click(Control<TControl>("rzbMenuMatrix"));
        ProcessEvents();
    }
    TRzBmpButton* Route(char in, int out) {
        return Control<TRzBmpButton>(std::string("rzb") + in + "MatrixOut" + std::to_string(out));
    }
    void ClickRoute(char in, int out) {
        input.Click(Route(in, out));
        Settle();
    }
    TUpDown* UpDown(char in, int out) {
        return Control<TUpDown>(std::string("udMixGain") + in + "Out" + std::to_string(out));
    }
    TCurvyEdit* Gain(char in, int out) {
        return Control<TCurvyEdit>(std::string("cvd") + in + "MatrixOut" + std::to_string(out));
    }
    void Arrow(char in, int out, bool up) {
        TUpDown* arrows = UpDown(in, out);
        input.Click(arrows, arrows->Width() / 2, up ? 2 : arrows->Height() - 3);
        Settle();
    }
    // Types `text` into the gain field and presses Enter.
    void Enter(char in, int out, const std::string& text) {
        TCurvyEdit* field = Gain(in, out);
        field->SetText("");
        input.Type(field->Edit(), text);
        input.Key(field->Edit(), VK_RETURN);
        Settle();
    }
    // The block diagram as shown, and the paint box's place on it.
    QImage Diagram() { return korvan::testing::Grab(Control<TControl>("rzgFftMatrix")); }
    TControl* Box() { return Control<TControl>("pbMatrix"); }
    // Whether the line of input i to output j (0-based) shows in its colour
    // around the point at `fraction` of the box's width.
    bool LineShows(const QImage& image, int i, int j, double fraction) {
        const int width = Box()->Width();
        const int x = int(width * fraction);
        const int ys = RouteStartY(i, fmMain->ExtraHeight);
        const int ye = RouteEndY(j, fmMain->ExtraHeight);
        const int y = ys + (ye - ys) * x / width;
        const TColor c = mainform::OverlayColour(i);
        const QRgb want = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint at(Box()->Left() + x + dx, Box()->Top() + y + dy);
                if (image.valid(at) && (image.pixel(at) & 0xFFFFFF) == (want & 0xFFFFFF))
                    return true;
            }
        return false;
    }

private:
    bool online_ = false;
};

TEST_F(RoutingEditorTest, ARouteButtonSetsAndClearsItsBitAndSendsTheMask) {
    Online();
    OpenMatrixPage();
    ClickRoute('B', 1);
    EXPECT_TRUE(Route('B', 1)->Down());
    EXPECT_EQ(Model().GetSourceMask(Out1), 0x03);
    ClickRoute('B', 1);
    EXPECT_FALSE(Route('B', 1)->Down());
    EXPECT_EQ(Model().GetSourceMask(Out1), 0x01);
    // All four, InA and InD, none: the low byte of the mask goes out.
    for (char in : {'D', 'A', 'B', 'C', 'B', 'A', 'D'})
        ClickRoute(in, 3);
    ASSERT_TRUE(Delivered(MCS_MATRIX, 9));
    const Bytes expected[] = {{Out1, 0x03}, {Out1, 0x01}, {Out3, 0x0C}, {Out3, 0x0D}, {Out3, 0x0F},
                              {Out3, 0x0B}, {Out3, 0x09}, {Out3, 0x08}, {Out3, 0x00}};
    const auto frames = FramesOf(MCS_MATRIX);
    ASSERT_EQ(frames.size(), std::size(expected));
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_EQ(frames[k].payload, expected[k]) << k;
    EXPECT_EQ(unit.ImageWord(sim_image::SourceMask(Out3)), 0);
    EXPECT_EQ(unit.ImageWord(sim_image::SourceMask(Out1)), 1);
    EXPECT_TRUE(FramesOf(MCS_MIX).empty());
}

TEST_F(RoutingEditorTest, KeysOnAFocusedRouteButtonToggleOrSendAgain) {
    Online();
    OpenMatrixPage();
    ClickRoute('D', 2); // the click gives the button the focus
    input.Key(Route('D', 2), VK_SPACE, 0, " ");
    Settle();
    EXPECT_FALSE(Route('D', 2)->Down());
    input.Key(Route('D', 2), VK_RETURN);
    Settle();
    EXPECT_FALSE(Route('D', 2)->Down());
    ASSERT_TRUE(Delivered(MCS_MATRIX, 3));
    const auto frames = FramesOf(MCS_MATRIX);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].payload, (Bytes{5, 0x0A}));
    EXPECT_EQ(frames[1].payload, (Bytes{5, 0x02}));
    EXPECT_EQ(frames[2].payload, (Bytes{5, 0x02}));
}

TEST_F(RoutingEditorTest, TheDiagramDrawsTheModelsRoutes) {
    CreateWindows();
    OpenMatrixPage();
    // The default routes: InA to Out1 and Out5, InB to Out2 and Out6 ...
    QImage image = Diagram();
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(LineShows(image, i, j, 0.5), i == j % 4) << "input " << i << " output " << j;
    // All four inputs into Out3: four lines ending at one point; InA also
    // fans out to Out1, Out3 and Out5; InC no longer feeds Out7.
    for (char in : {'A', 'B', 'D'})
        ClickRoute(in, 3);
    ClickRoute('C', 7);
    image = Diagram();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(LineShows(image, i, 2, 0.25)) << "input " << i;
    EXPECT_TRUE(LineShows(image, 0, 0, 0.5));
    EXPECT_TRUE(LineShows(image, 0, 4, 0.5));
    EXPECT_FALSE(LineShows(image, 2, 6, 0.5));
    EXPECT_EQ(Model().GetSourceMask(Out3), 0x0F);
    EXPECT_EQ(Model().GetSourceMask(10), 0x00);
    // Off line: the model changes, nothing is sent and no box shows.
    EXPECT_TRUE(unit.Received().empty());
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_FALSE(korvan::testing::SavePng(image, "routing-diagram-after-clicks").empty());
    EXPECT_FALSE(
        korvan::testing::SavePng(korvan::testing::Grab(fmMain), "routing-page-after-clicks").empty());
}

TEST_F(RoutingEditorTest, TheLinesFollowTheBlocksOfALargerWindow) {
    CreateWindows();
    OpenMatrixPage();
    fmMain->SetBounds(fmMain->Left(), fmMain->Top(), 1300, 810);
    ProcessEvents();
    ASSERT_EQ(fmMain->ExtraHeight, 90);
    EXPECT_GT(Box()->Width(), 97);
    const int starts[] = {16, 98, 182, 265};
    const int ends[] = {10, 51, 91, 131, 171, 216, 252, 289};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RouteStartY(i, 90), starts[i]);
    for (int j = 0; j < 8; ++j)
        EXPECT_EQ(RouteEndY(j, 90), ends[j]);
    Box()->Repaint();
    QImage image = Diagram();
    // Across the wider box, from its left edge to its right edge.
    for (int j = 0; j < 8; ++j)
        for (double fraction : {0.02, 0.5, 0.97})
            EXPECT_TRUE(LineShows(image, j % 4, j, fraction)) << j << " at " << fraction;
    EXPECT_FALSE(korvan::testing::SavePng(image, "routing-diagram-taller").empty());
    // Lower than the design: the geometry keeps its last value.
    fmMain->SetHeight(700);
    ProcessEvents();
    EXPECT_EQ(fmMain->ExtraHeight, 90);
}

TEST_F(RoutingEditorTest, TheArrowsStepTheMixGainAndSendEachStep) {
    Online();
    OpenMatrixPage();
    Arrow('B', 1, true); // at 0 dB already
    EXPECT_EQ(Gain('B', 1)->Text(), "+0.0dB");
    Arrow('B', 1, false);
    EXPECT_EQ(Gain('B', 1)->Text(), "-0.1dB");
    EXPECT_EQ(UpDown('B', 1)->Position(), -1);
    EXPECT_EQ(Model().GetMixLevel(Out1, 1), 279);
    EXPECT_FALSE(Route('B', 1)->Down()); // stored though InB is not routed
    Enter('B', 1, "-20");
    Arrow('B', 1, false);
    EXPECT_EQ(Gain('B', 1)->Text(), "-20.5dB");
    Arrow('B', 1, true);
    EXPECT_EQ(Gain('B', 1)->Text(), "-20.0dB");
    Enter('B', 1, "-60");
    Arrow('B', 1, false); // at -60 dB already
    EXPECT_EQ(Gain('B', 1)->Text(), "-60.0dB");
    EXPECT_EQ(Model().GetMixLevel(Out1, 1), 0);
    ASSERT_TRUE(Delivered(MCS_MIX, 5));
    const Bytes expected[] = {
        {Out1, 1, 0x17, 0x01}, {Out1, 1, 80, 0}, {Out1, 1, 79, 0}, {Out1, 1, 80, 0}, {Out1, 1, 0, 0}};
    const auto frames = FramesOf(MCS_MIX);
    ASSERT_EQ(frames.size(), std::size(expected));
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_EQ(frames[k].payload, expected[k]) << k;
    EXPECT_EQ(unit.ImageWord(sim_image::Mix(Out1, 1)), 0);
    EXPECT_TRUE(FramesOf(MCS_MATRIX).empty());
}

TEST_F(RoutingEditorTest, TypedGainsReachEveryInputOfEveryOutput) {
    Online();
    OpenMatrixPage();
    for (int out = 1; out <= 8; ++out)
        for (char in : {'A', 'B', 'C', 'D'})
            Enter(in, out, "-" + std::to_string(out) + "." + char('0' + (in - 'A')) + "dB");
    ASSERT_TRUE(Delivered(MCS_MIX, 32));
    const auto frames = FramesOf(MCS_MIX);
    ASSERT_EQ(frames.size(), 32u);
    for (int out = 1; out <= 8; ++out)
        for (int i = 0; i < 4; ++i) {
            const int level = 280 - (out * 10 + i);
            const char in = char('A' + i);
            EXPECT_EQ(Model().GetMixLevel(3 + out, i), level) << in << out;
            EXPECT_EQ(unit.ImageWord(sim_image::Mix(3 + out, i)), level) << in << out;
            EXPECT_EQ(UpDown(in, out)->Position(), level - 280) << in << out;
            EXPECT_EQ(frames[std::size_t((out - 1) * 4 + i)].payload,
                      (Bytes{std::uint8_t(3 + out), std::uint8_t(i), std::uint8_t(level & 0xFF),
                             std::uint8_t(level >> 8)}));
        }
    EXPECT_EQ(Gain('C', 4)->Text(), "-4.2dB");
    EXPECT_FALSE(korvan::testing::SavePng(korvan::testing::Grab(fmMain), "routing-mix-gains-typed").empty());
}

TEST_F(RoutingEditorTest, AnEntryThatIsNoGainPutsBackTheShownGain) {
    Online();
    OpenMatrixPage();
    Enter('A', 2, "-25.7");
    EXPECT_EQ(Gain('A', 2)->Text(), "-25.5dB");
    for (const char* typed :
         {"-3 dB", "-3dBdB", "12.", "1.2.3", "abc", "", "-", "+-3", "5-", "+", "-25.5dB"}) {
        Enter('A', 2, typed);
        EXPECT_EQ(Gain('A', 2)->Text(), "-25.5dB") << typed;
        EXPECT_EQ(Gain('A', 2)->Edit()->SelStart(), 7) << typed;
        EXPECT_EQ(UpDown('A', 2)->Position(), -211) << typed;
    }
    EXPECT_TRUE(dialogs->boxes.empty());
    // Enter and then leaving the field: the second run finds it unchanged.
    Enter('A', 2, "-3");
    input.Click(Gain('B', 2)->Edit());
    Settle();
    EXPECT_EQ(Gain('A', 2)->Text(), "-3.0dB");
    ASSERT_TRUE(Delivered(MCS_MIX, 2));
    const auto frames = FramesOf(MCS_MIX);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (Bytes{5, 0, 69, 0}));
    EXPECT_EQ(frames[1].payload, (Bytes{5, 0, 250, 0}));
    EXPECT_EQ(Model().GetMixLevel(5, 0), 250);
}

TEST_F(RoutingEditorTest, TheRefreshShowsTheModelsRoutesAndGainsAndSendsNothing) {
    Online();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetMatrix(Out3, 0, 1);
        Model().SetMix(Out3, 3, 79);
    }
    fmMain->RefreshFromModel();
    OpenMatrixPage();
    EXPECT_TRUE(Route('A', 3)->Down());
    EXPECT_EQ(UpDown('D', 3)->Position(), -201);
    EXPECT_EQ(Gain('D', 3)->Text(), "-20.5dB");
    EXPECT_TRUE(LineShows(Diagram(), 0, 2, 0.5));
    EXPECT_TRUE(pump.RunUntil([&] { return LinkIdle(); }));
    EXPECT_TRUE(FramesOf(MCS_MATRIX).empty());
    EXPECT_TRUE(FramesOf(MCS_MIX).empty());
}

} // namespace
