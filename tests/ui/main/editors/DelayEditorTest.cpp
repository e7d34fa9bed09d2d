// The delay: its texts in ms, m and ft, typed entries with the units'
// spellings, the fader and the dragged delay line over a link group, the
// unit buttons, one record per edit.

#include "controls/gdip/CurvyControls.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/editors/DelayText.h"
#include "ui/main/form/Faders.h"

#include <optional>

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int Out3 = 6, Out4 = 7;
constexpr int Max = 65280;

TEST(DelayText, ShowsSamplesInEachUnit) {
    struct Case {
        int samples;
        const char *ms, *m, *ft;
    };
    for (const Case& c :
         {Case{0, "0.000 ms", "0.000 m", "0.000 ft"}, Case{96, "1.000 ms", "0.344 m", "1.127 ft"},
          Case{Max, "680.000 ms", "233.580 m", "766.329 ft"}, Case{279, "2.906 ms", "0.998 m", "3.275 ft"}}) {
        EXPECT_EQ(FormatDelayText(c.samples, 0), c.ms);
        EXPECT_EQ(FormatDelayText(c.samples, 1), c.m);
        EXPECT_EQ(FormatDelayText(c.samples, 2), c.ft);
    }
}

TEST(DelayText, ReadsTypedEntriesWithTheUnitsSpellings) {
    struct Case {
        const char* text;
        int unit;
        std::optional<int> samples;
    };
    const Case cases[] = {
        {"1", 1, 279},
        {"10", 2, 851},
        {"700", 0, Max},
        {"5ms", 0, 480},
        {"5MS", 0, 480},
        {"5mS", 0, 480},
        {"5Ms", 0, 480},
        {"2.5", 0, 240},
        {"5 ms", 0, {}},
        {"5mM", 1, {}},
        {"3M", 1, 838},
        {"10FT", 2, 851},
        {"", 0, {}},
        {"ms", 0, {}},
        {"-1", 0, {}},
        {"1.2.3", 0, {}},
        {".", 0, {}},
        {"abc", 1, {}},
        {"99999999999999999999", 0, Max},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadDelayEntry(c.text, c.unit, Max), c.samples) << c.text << " unit " << c.unit;
}

class DelayEditorTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    LUnitControl& Model() { return fmMain->Model(); }
    DelayEditor& Delay() { return fmMain->ChannelEditors().Delay(); }
    void LinkOut3AndOut4() {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out3, 0b1100);
        Model().SetLinkMask(Out4, 0);
    }
    void OpenDelayPage() {
        input.Click(Control<TControl>("rzbMenuDelay"));
        ProcessEvents();
    }
    int FaderAt(const std::string& name) {
        mainform::FaderRange range;
        EXPECT_TRUE(mainform::ReadFaderRange(Control<TControl>(name), range)) << name;
        return range.position;
    }
    std::string Text(const std::string& name) { return Control<TControl>(name)->Text(); }
    // Types `text` into the channel's field and presses Enter.
    void Enter(const std::string& suffix, const std::string& text) {
        auto* field = Control<TCurvyEdit>("cvdDelay" + suffix);
        field->SetText("");
        input.Type(field->Edit(), text);
        input.Key(field->Edit(), VK_RETURN);
        ProcessEvents();
    }
    void ChooseUnit(int which) {
        input.Click(Control<TControl>("rzbUnit" + std::to_string(which)));
        ProcessEvents();
    }
};

TEST_F(DelayEditorTest, ATypedDelayStoresOverTheGroupAndSendsOnce) {
    GoOnline();
    LinkOut3AndOut4();
    OpenDelayPage();
    ChooseUnit(1);
    Enter("Out4", "1m");
    EXPECT_EQ(Model().GetDelay(Out3), 279);
    EXPECT_EQ(Model().GetDelay(Out4), 279);
    for (const char* name : {"isDelayOut3", "isDelayOut4"})
        EXPECT_EQ(FaderAt(name), 279) << name;
    for (const char* name : {"cvdDelayOut3", "cvdDelayOut4", "lbFftDelayTimeOut3", "lbFftDelayTimeOut4"})
        EXPECT_EQ(Text(name), "0.998 m") << name;
    EXPECT_EQ(Control<TControl>("imDelayOut3")->Left(), Control<TControl>("imDelayOut4")->Left());
    ASSERT_TRUE(Delivered(MCS_DELAY, 1));
    const auto frames = FramesOf(MCS_DELAY);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload, (Bytes{Out4, 279 & 0xFF, 279 >> 8}));
    EXPECT_EQ(FramesOf(MCS_DELAYUNIT).size(), 1u);
    EXPECT_EQ(Model().GetDelayUnit(), 1);
}

TEST_F(DelayEditorTest, AnEntryThatIsNoDelayPutsBackTheCurrentText) {
    OpenDelayPage();
    Enter("Out1", "700");
    EXPECT_EQ(Text("cvdDelayOut1"), "680.000 ms");
    for (const char* typed : {"5 ms", "1.2.3", "x", ""}) {
        Enter("Out1", typed);
        EXPECT_EQ(Text("cvdDelayOut1"), "680.000 ms") << typed;
        EXPECT_EQ(Model().GetDelay(4), Max) << typed;
    }
    EXPECT_EQ(Control<TCurvyEdit>("cvdDelayOut1")->Edit()->SelStart(), int(std::string("680.000 ms").size()));
    Enter("Out1", "700ms"); // the same value again
    EXPECT_EQ(Text("cvdDelayOut1"), "680.000 ms");
}

TEST_F(DelayEditorTest, TheUnitButtonsRewriteEveryDelayText) {
    OpenDelayPage();
    Enter("InB", "1");
    ChooseUnit(2);
    EXPECT_EQ(Text("cvdDelayInB"), "1.127 ft");
    EXPECT_EQ(Text("lbFftDelayTimeInB"), "1.127 ft");
    EXPECT_EQ(Text("cvdDelayOut8"), "0.000 ft");
    ChooseUnit(0);
    EXPECT_EQ(Text("cvdDelayInB"), "1.000 ms");
}

TEST_F(DelayEditorTest, DraggingTheIconRunsTheDelayFromZeroToItsMaximum) {
    GoOnline();
    LinkOut3AndOut4();
    OpenDelayPage();
    auto* line = Control<TControl>("lbDelayLineOut3");
    auto* icon = Control<TControl>("imDelayOut3");
    const int middle = line->Height() / 2;
    EXPECT_EQ(icon->Left(), 40);
    input.MouseDown(line, icon->Left() - 25, middle);
    ASSERT_TRUE(Delay().Dragging());
    input.MouseMove(line, line->Width() + 20, middle);
    EXPECT_EQ(FaderAt("isDelayOut3"), Max);
    EXPECT_EQ(FaderAt("isDelayOut4"), Max);
    EXPECT_EQ(icon->Left(), line->Width() - 50);
    EXPECT_EQ(Control<TControl>("imDelayOut4")->Left(), icon->Left());
    EXPECT_EQ(Text("cvdDelayOut4"), "680.000 ms");
    input.MouseMove(line, 200, middle);
    const int halfway = FaderAt("isDelayOut3");
    EXPECT_EQ(halfway, (200 - 15) * Max / (line->Width() - 90));
    EXPECT_EQ(line->Caption(), std::string(std::size_t(185 / 6), '-'));
    input.MouseUp(line, 200, middle);
    input.MouseMove(line, 5, middle); // released: no longer dragging
    EXPECT_EQ(FaderAt("isDelayOut3"), halfway);
    EXPECT_EQ(Model().GetDelay(Out4), halfway);
    ASSERT_TRUE(Delivered(MCS_DELAY, 2));
    EXPECT_EQ(FramesOf(MCS_DELAY).back().payload,
              (Bytes{Out3, std::uint8_t(halfway & 0xFF), std::uint8_t(halfway >> 8)}));
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(fmMain), "editors-delay-page");
    EXPECT_FALSE(path.empty());
}

// A new window size moves the rows' icons; every time label and dashed
// line follows its icon.
TEST_F(DelayEditorTest, TheTimeLabelsAndDashesFollowTheIconsWhenTheWindowGrows) {
    OpenDelayPage();
    Enter("Out8", "340");
    for (const auto& size : {std::pair{1300, 900}, std::pair{1118, 720}}) {
        fmMain->SetBounds(0, 0, size.first, size.second);
        ProcessEvents();
        for (const char* x : {"InA", "InD", "Out1", "Out8"}) {
            auto* icon = Control<TControl>(std::string("imDelay") + x);
            auto* time = Control<TControl>(std::string("lbFftDelayTime") + x);
            EXPECT_EQ(time->Top(), icon->Top() + icon->Height() / 4) << x << " " << size.second;
            EXPECT_EQ(time->Left(), icon->Left() + icon->Width()) << x;
            auto* line = Control<TControl>(std::string("lbDelayLine") + x);
            EXPECT_EQ(line->Caption(), std::string(std::size_t((icon->Left() - 40) / 6), '-')) << x;
            // The dashes reach the icon and run through its middle.
            TBitmap probe(1, 1);
            probe.Canvas().Font().Assign(line->Font());
            EXPECT_NEAR(line->Left() + probe.Canvas().TextWidth(line->Caption()), icon->Left(), 6) << x;
            EXPECT_NEAR(line->Top() + line->Height() / 2, icon->Top() + icon->Height() / 2, 2) << x;
            EXPECT_EQ(dynamic_cast<TLabel&>(*line).Layout(), tlCenter) << x;
        }
    }
    EXPECT_GT(Control<TControl>("imDelayOut8")->Left(), 40);
}

TEST_F(DelayEditorTest, AGrabOutsideTheIconDragsNothing) {
    OpenDelayPage();
    auto* line = Control<TControl>("lbDelayLineInA");
    input.MouseMove(line, 15, line->Height() / 2);
    EXPECT_EQ(line->Cursor(), crHandPoint);
    input.MouseDown(line, 200, line->Height() / 2);
    input.MouseMove(line, 300, line->Height() / 2);
    EXPECT_EQ(line->Cursor(), crDefault);
    EXPECT_EQ(FaderAt("isDelayInA"), 0);
    EXPECT_FALSE(Delay().Dragging());
}

} // namespace
