// The segmented level meter: its zones, the lit rule of Position, the
// colour and zone-size setters, the lazy layout on resize, the stored form,
// and what it draws.

#include "platform/forms/FormText.h"
#include "platform/gfx/Color.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/curves/CurveDisplayClass.h"
#include "ui/curves/LProgressBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

using korvan::testing::GuiTest;

namespace {

constexpr TColor ActivityOff = 20123;
constexpr TColor ActivityLit = 4629503;

// Each segment from the top as a letter: r y g for the first, second and
// third zone's off colour, R Y G for their lit colours (the first match in
// that order), ? for anything else.
std::string Pattern(const LProgressBar& m) {
    std::string out;
    for (int i = 0; i < m.SegmentCount(); ++i) {
        const TColor c = m.SegmentColor(i);
        out += c == m.FirstColor()     ? 'r'
               : c == m.SecondColor()  ? 'y'
               : c == m.ThirdColor()   ? 'g'
               : c == m.LFirstColor()  ? 'R'
               : c == m.LSecondColor() ? 'Y'
               : c == m.LThirdColor()  ? 'G'
                                       : '?';
    }
    return out;
}

std::vector<int> Serials(const LProgressBar& m) {
    std::vector<int> out;
    for (int i = 0; i < m.SegmentCount(); ++i)
        out.push_back(m.SegmentSerial(i));
    return out;
}

class LevelMeter : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // A meter with the given zones and scale, as the stored form sets them.
    LProgressBar* Meter(int first, int second, int third, int max) {
        auto* m = new LProgressBar(form.get());
        m->SetParent(form.get());
        m->SetFirstNum(first);
        m->SetSecondNum(second);
        m->SetThirdNum(third);
        m->SetMax(max);
        return m;
    }
    std::unique_ptr<TForm> form;
};

TEST_F(LevelMeter, StartsAsAFiveSegmentBlackLoweredColumnWithEverySegmentOff) {
    LProgressBar m(form.get());
    EXPECT_EQ(m.Width(), 14);
    EXPECT_EQ(m.Height(), 132);
    EXPECT_EQ(m.Color(), clBlack);
    EXPECT_EQ(m.BevelInner(), bvLowered);
    EXPECT_EQ(m.BevelOuter(), bvLowered);
    EXPECT_EQ(m.FirstColor(), clMaroon);
    EXPECT_EQ(m.SecondColor(), clOlive);
    EXPECT_EQ(m.ThirdColor(), clGreen);
    EXPECT_EQ(m.LFirstColor(), clRed);
    EXPECT_EQ(m.LSecondColor(), clYellow);
    EXPECT_EQ(m.LThirdColor(), clLime);
    EXPECT_EQ(m.FirstNum(), 1);
    EXPECT_EQ(m.SecondNum(), 1);
    EXPECT_EQ(m.ThirdNum(), 3);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_EQ(m.Max(), 100);
    EXPECT_EQ(m.Min(), 0);
    EXPECT_EQ(Pattern(m), "ryggg");
    // 132 / 5 + 2 = 28 high, at trunc(26.4 i) - 1: neighbours overlap.
    const int tops[] = {-1, 25, 51, 78, 104};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m.SegmentBounds(i), Bounds(0, tops[i], 14, 28)) << i;
}

struct LitCase {
    const char* meter;
    int first, second, third, max;
    int position;
    const char* pattern; // top to bottom
    int shown;           // Position afterwards
};

// Names the case in the test list.
void PrintTo(const LitCase& c, std::ostream* os) {
    *os << c.meter << " at " << c.position;
}

class LevelMeterLit : public LevelMeter, public ::testing::WithParamInterface<LitCase> {};

TEST_P(LevelMeterLit, PositionLightsSegmentsFromTheBottom) {
    const LitCase& c = GetParam();
    LProgressBar* m = Meter(c.first, c.second, c.third, c.max);
    m->SetPosition(c.position);
    EXPECT_EQ(Pattern(*m), c.pattern);
    EXPECT_EQ(m->Position(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeTable, LevelMeterLit,
    ::testing::Values(
        LitCase{"output", 1, 3, 4, 8, 0, "ryyygggg", 0}, LitCase{"output", 1, 3, 4, 8, 3, "ryyygGGG", 3},
        LitCase{"output", 1, 3, 4, 8, 5, "ryyYGGGG", 5}, LitCase{"output", 1, 3, 4, 8, 8, "RYYYGGGG", 8},
        LitCase{"input", 1, 2, 6, 9, 9, "RYYGGGGGG", 9}, LitCase{"input", 1, 2, 6, 9, 12, "RYYGGGGGG", 9},
        LitCase{"input", 1, 2, 6, 9, -4, "ryygggggg", 0}, LitCase{"input", 1, 2, 6, 9, 6, "ryyGGGGGG", 6},
        LitCase{"indicator", 0, 1, 0, 1, 1, "Y", 1}, LitCase{"indicator", 0, 1, 0, 1, 0, "y", 0},
        LitCase{"constructor", 1, 1, 3, 100, 100, "RYGGG", 100},
        LitCase{"constructor", 1, 1, 3, 100, 99, "rYGGG", 99},
        LitCase{"constructor", 1, 1, 3, 100, 20, "ryggG", 20},
        LitCase{"constructor", 1, 1, 3, 100, 19, "ryggg", 19},
        // 10 / (10 / 7 in single precision) falls just short of 7:
        // full scale still lights the seventh.
        LitCase{"seven", 1, 2, 4, 10, 10, "RYYGGGG", 10}, LitCase{"seven", 1, 2, 4, 10, 9, "rYYGGGG", 9}),
    [](const auto& instance) {
        return std::string(instance.param.meter) + "_" + std::to_string(instance.index);
    });

TEST_F(LevelMeter, TheIndicatorShowsItsOrangesAndGoesDarkAgain) {
    LProgressBar* m = Meter(1, 1, 3, 100);
    m->SetSecondColor(ActivityOff);
    m->SetFirstNum(0);
    m->SetThirdNum(0);
    m->SetMax(1);
    m->SetLSecondColor(ActivityLit);
    ASSERT_EQ(m->SegmentCount(), 1);
    EXPECT_EQ(m->SegmentColor(0), ActivityOff);
    m->SetPosition(1);
    EXPECT_EQ(m->SegmentColor(0), ActivityLit);
    EXPECT_TRUE(m->IsSegmentLit(0));
    m->SetPosition(0);
    EXPECT_EQ(m->SegmentColor(0), ActivityOff);
    EXPECT_FALSE(m->IsSegmentLit(0));
}

TEST_F(LevelMeter, MovingDownTurnsOffOnlyTheSegmentsAboveTheNewLevel) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetPosition(8);
    m->SetPosition(2);
    EXPECT_EQ(Pattern(*m), "ryyyggGG");
    m->SetPosition(6);
    EXPECT_EQ(Pattern(*m), "ryYYGGGG");
}

TEST_F(LevelMeter, MinClampsButDoesNotShiftTheScale) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetMin(2);
    m->SetPosition(-1);
    EXPECT_EQ(m->Position(), 2);
    EXPECT_EQ(Pattern(*m), "ryyyggGG");
}

TEST_F(LevelMeter, SettingThePositionItHoldsChangesNothingEvenAfterAColourChange) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetPosition(3);
    // The lit green segments take the new off colour of their zone ...
    m->SetThirdColor(clBlue);
    EXPECT_EQ(Pattern(*m), "ryyygggg");
    EXPECT_EQ(m->SegmentColor(7), clBlue);
    // ... and the same position does not light them again.
    m->SetPosition(3);
    EXPECT_EQ(Pattern(*m), "ryyygggg");
    m->SetPosition(4);
    EXPECT_EQ(Pattern(*m), "ryyyGGGG");
}

TEST_F(LevelMeter, ANewOffColourShowsAtOnceOnALitSegmentOfItsZone) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetPosition(8);
    m->SetFirstColor(clNavy);
    EXPECT_EQ(m->SegmentColor(0), clNavy);
    EXPECT_EQ(Pattern(*m), "rYYYGGGG");
}

TEST_F(LevelMeter, ANewLitColourReachesOnlyTheLitSegmentsOfItsZone) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetPosition(5); // one yellow lit, two off
    m->SetLSecondColor(clAqua);
    EXPECT_EQ(m->SegmentColor(3), clAqua);
    EXPECT_EQ(m->SegmentColor(1), clOlive);
    EXPECT_EQ(m->SegmentColor(2), clOlive);
    // Unchanged lit colours of other zones stay.
    EXPECT_EQ(m->SegmentColor(7), clLime);
}

TEST_F(LevelMeter, TwoZonesWithOneOffColourLightInTheFirstZonesLitColour) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetSecondColor(clGreen); // the third zone's off colour too
    m->SetPosition(8);
    EXPECT_EQ(m->SegmentColor(0), clRed);
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(m->SegmentColor(i), clYellow) << i;
}

TEST_F(LevelMeter, ShrinkingAZoneDestroysItsLastSegmentsAndRenumbersTheRest) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetHeight(185);
    m->SetPosition(8);
    const std::vector<int> before = Serials(*m);
    m->SetSecondNum(1);
    // Shapes 3 and 4 are gone; 5 to 8 are now 3 to 6.
    EXPECT_EQ(Serials(*m),
              (std::vector<int>{before[0], before[1], before[4], before[5], before[6], before[7]}));
    // All six laid out again for the current size, all off, Position kept.
    EXPECT_EQ(Pattern(*m), "rygggg");
    EXPECT_EQ(m->Position(), 8);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m->SegmentBounds(i), Bounds(0, int(185.0 / 6 * i) - 1, 14, 185 / 6 + 2)) << i;
}

TEST_F(LevelMeter, GrowingAZoneAddsSegmentsAfterItsLastOne) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    const std::vector<int> before = Serials(*m);
    m->SetFirstNum(3);
    const std::vector<int> after = Serials(*m);
    ASSERT_EQ(after.size(), 10u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_GT(after[1], before.back());
    EXPECT_GT(after[2], after[1]);
    EXPECT_EQ(std::vector<int>(after.begin() + 3, after.end()),
              std::vector<int>(before.begin() + 1, before.end()));
    EXPECT_EQ(Pattern(*m), "rrryyygggg");
    // The third zone grows at the bottom.
    m->SetThirdNum(5);
    EXPECT_EQ(Pattern(*m), "rrryyyggggg");
    const std::vector<int> grown = Serials(*m);
    EXPECT_EQ(std::vector<int>(grown.begin(), grown.end() - 1), after);
}

TEST_F(LevelMeter, AResizeReachesTheSegmentsAtTheNextPaintOnly) {
    LProgressBar* m = Meter(1, 3, 4, 8);
    m->SetHeight(110);
    ShowForm(form.get());
    korvan::testing::Grab(m);
    EXPECT_EQ(m->SegmentBounds(7), Bounds(0, int(110.0 / 8 * 7) - 1, 14, 110 / 8 + 2));
    m->SetHeight(185);
    EXPECT_EQ(m->SegmentBounds(7), Bounds(0, int(110.0 / 8 * 7) - 1, 14, 110 / 8 + 2));
    korvan::testing::Grab(m);
    EXPECT_EQ(m->SegmentBounds(7), Bounds(0, int(185.0 / 8 * 7) - 1, 14, 185 / 8 + 2));
}

TEST_F(LevelMeter, OnlyAChangeOfTheLitSegmentsAsksForAPaint) {
    LProgressBar* m = Meter(1, 1, 3, 100);
    m->SetPosition(20);
    ShowForm(form.get());
    korvan::testing::Grab(m);
    ASSERT_FALSE(m->NeedsPaint());
    m->SetPosition(39); // still one segment
    EXPECT_FALSE(m->NeedsPaint());
    m->SetPosition(40);
    EXPECT_TRUE(m->NeedsPaint());
    korvan::testing::Grab(m);
    m->SetThirdColor(clGreen); // the colour it has
    m->SetMax(50);
    EXPECT_FALSE(m->NeedsPaint());
}

TEST_F(LevelMeter, AMeterWithoutSegmentsOrScaleLightsNothing) {
    LProgressBar* empty = Meter(0, 0, 0, 8);
    empty->SetPosition(5);
    EXPECT_EQ(empty->Position(), 5);
    EXPECT_EQ(empty->SegmentCount(), 0);
    LProgressBar* flat = Meter(1, 3, 4, 0);
    flat->SetPosition(3);
    EXPECT_EQ(flat->Position(), 0);
    EXPECT_EQ(Pattern(*flat), "ryyygggg");
    // Zone sizes stay within their bounds.
    flat->SetThirdNum(-3);
    EXPECT_EQ(flat->ThirdNum(), 0);
    flat->SetFirstNum(1'000'000);
    EXPECT_EQ(flat->FirstNum(), LProgressBar::MaxZoneSegments);
}

TEST_F(LevelMeter, AStoredFormBuildsMetersByNameAndStoresWhatDiffersFromTheDefaults) {
    korvan::curves::RegisterCurveClasses();
    const char* text = "object fmMain: TForm\n"
                       "  object pbLimitCompOut3: LProgressBar\n"
                       "    Left = 40\n"
                       "    Top = 30\n"
                       "    Width = 14\n"
                       "    Height = 22\n"
                       "    SecondColor = 20123\n"
                       "    FirstNum = 0\n"
                       "    ThirdNum = 0\n"
                       "    Max = 1\n"
                       "    LSecondColor = 4629503\n"
                       "  end\n"
                       "  object pbLevelOut3: LProgressBar\n"
                       "    Left = 60\n"
                       "    Height = 185\n"
                       "    SecondNum = 3\n"
                       "    ThirdNum = 4\n"
                       "    Position = 5\n"
                       "    Max = 8\n"
                       "  end\n"
                       "  object pbPlain: LProgressBar\n"
                       "  end\n"
                       "end\n";
    korvan::forms::ReadComponentText(text, form.get());
    auto* indicator = korvan::testing::Find<LProgressBar>(form.get(), "pbLimitCompOut3");
    auto* level = korvan::testing::Find<LProgressBar>(form.get(), "pbLevelOut3");
    ASSERT_TRUE(indicator && level);
    EXPECT_EQ(indicator->Parent(), form.get());
    ASSERT_EQ(indicator->SegmentCount(), 1);
    EXPECT_EQ(indicator->SegmentColor(0), ActivityOff);
    EXPECT_EQ(indicator->LSecondColor(), ActivityLit);
    EXPECT_EQ(indicator->Max(), 1);
    // Position was read while Max was still 100: by that scale 5 lights
    // nothing.
    EXPECT_EQ(level->Position(), 5);
    EXPECT_EQ(Pattern(*level), "ryyygggg");

    const std::string written = korvan::forms::WriteComponentText(form.get());
    const auto plain = written.find("object pbPlain: LProgressBar");
    ASSERT_NE(plain, std::string::npos) << written;
    // Max always differs from its declared default; nothing else of the
    // meter's own is stored for a plain one.
    const std::string plainPart = written.substr(plain, written.find("end", plain) - plain);
    EXPECT_NE(plainPart.find("Max = 100"), std::string::npos) << plainPart;
    for (const char* name : {"FirstColor", "SecondColor", "ThirdColor", "FirstNum", "SecondNum", "ThirdNum",
                             "Position", "Min ="})
        EXPECT_EQ(plainPart.find(name), std::string::npos) << name << "\n" << plainPart;
    // The indicator's values, in the published order.
    const std::string indicatorPart = written.substr(0, written.find("object pbLevelOut3"));
    const char* order[] = {"SecondColor = 20123", "FirstNum = 0", "ThirdNum = 0", "Max = 1",
                           "LSecondColor = 4629503"};
    std::size_t at = 0;
    for (const char* line : order) {
        const auto found = indicatorPart.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << "\n" << indicatorPart;
        at = found;
    }
}

TEST_F(LevelMeter, DrawsEachSegmentInItsColourWithDarkSeparators) {
    form->SetColor(TColor(0x484848));
    struct Shown {
        int first, second, third, max, height, position;
    };
    const Shown shown[] = {{1, 2, 6, 9, 208, 0}, {1, 2, 6, 9, 208, 4}, {1, 2, 6, 9, 208, 7},
                           {1, 2, 6, 9, 208, 9}, {1, 3, 4, 8, 185, 3}, {1, 3, 4, 8, 185, 6},
                           {1, 3, 4, 8, 185, 8}, {1, 3, 4, 8, 110, 5}};
    std::vector<LProgressBar*> meters;
    int left = 10;
    for (const Shown& s : shown) {
        LProgressBar* m = Meter(s.first, s.second, s.third, s.max);
        m->SetBounds(left, 20, 14, s.height);
        m->SetPosition(s.position);
        meters.push_back(m);
        left += 24;
    }
    for (int i = 0; i < 2; ++i) {
        LProgressBar* m = Meter(1, 1, 3, 100);
        m->SetSecondColor(ActivityOff);
        m->SetFirstNum(0);
        m->SetThirdNum(0);
        m->SetMax(1);
        m->SetLSecondColor(ActivityLit);
        m->SetBounds(left, 20, 14, 22);
        m->SetPosition(i);
        meters.push_back(m);
        left += 24;
    }
    ShowForm(form.get());
    const QImage picture = korvan::testing::Grab(form.get());
    SCOPED_TRACE(korvan::testing::SavePng(picture, "level-meters"));
    for (LProgressBar* m : meters) {
        const QImage image = korvan::testing::Grab(m);
        const int x = m->Width() / 2;
        for (int i = 0; i < m->SegmentCount(); ++i) {
            const TRect r = m->SegmentBounds(i);
            // Filled in its colour in the middle ...
            const int middle = (std::max(r.Top, 0) + std::min(r.Bottom, m->Height())) / 2;
            EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(x, middle)), m->SegmentColor(i))
                << m->Left() << " segment " << i;
            // ... with a black outline at its sides and top (the first
            // one's top lies a pixel above the meter).
            if (r.Top >= 0)
                EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(x, r.Top)), clBlack) << i;
            else
                EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(x, 0)), m->SegmentColor(i)) << i;
            EXPECT_EQ(korvan::gfx::FromQRgb(image.pixel(0, middle)), clBlack) << i;
        }
    }
}

} // namespace
